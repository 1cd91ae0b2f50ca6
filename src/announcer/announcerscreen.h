#pragma once

#include "announcerdatabase.h"
#include "arrivals.h"
#include "changerefresh.h"
#include "databasetrouble.h"
#include "dismissalhistory.h"

#include <QDialog>
#include <QTimer>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class AnnouncerScreen;
}

// The window the announcer works in: the pending messages, one line each,
// the chosen message in full, a refresh every five seconds, and Dismiss.
// Every database operation runs on the database's own thread; the screen
// shows its answer when it comes, so the window never waits. Beyond that:
// keys for everything (deskKeys()), the read-out log and Undo, new lines
// in bold with their arrival time, the reading size, and Display_Only.
class AnnouncerScreen : public QDialog {
    Q_OBJECT

public:
    explicit AnnouncerScreen(QWidget* parent = nullptr);
    ~AnnouncerScreen() override;

    // Opens the screen modally: empty controls, the load, then the screen
    // runs until Exit, the timer or the close control closes it.
    void showModal();

    // Rebuilds the list from the database once it has answered.
    void Refresh_Form();

    // One tick of Timer1.
    void timerTick();

    QTimer& timer1() { return m_timer1; }
    // The clock the arrival times, their ages and the read-out log use.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    // Puts the most recent dismissal on this database back.
    void undoDismissal();
    // What a list line's tooltip says: when its message arrived.
    QString lineToolTip(int line) const;
    qint16 currentSequence() const { return m_currentSequence; }
    // The key of the row whose message is on display; null when none is.
    QVariant shownRowKey() const { return m_shown ? m_shown->key : QVariant(); }
    // True when every operation asked of the database has been answered
    // and shown: the screen is up to date with what it last asked.
    bool isSettled() const;

    // Escape does nothing: a stray key must not close the screen mid-gala.
    void reject() override {}

protected:
    // The close control closes the screen as the timer does; the database
    // stays open for the next opening.
    void closeEvent(QCloseEvent* event) override;
    // Each line's tooltip, worked out when it is asked for, so its age is
    // current.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A list line's row.
    struct Line {
        QVariant key;
        // The writer's creation time, where the row source has one.
        QDateTime created;
    };

    void load();
    void openDatabase(bool atLoad);
    void startListing();
    // The database named by the path has been opened, at the load or again
    // after another file took the old one's place.
    void opened(const store::Outcome<bool>& outcome, bool atLoad);
    void reopen();
    void keepDismissIfStillThere(const std::optional<ChosenRow>& row);
    void showList(const std::vector<ListedRow>& rows);
    void restoreListPosition(int currentRow, int scrollValue);
    void onSelectionChanged();
    void chooseCurrentLine();
    void chooseLine(int line);
    void chooseRow(const QVariant& key);
    void showChosen(const std::optional<ChosenRow>& row);
    void dismiss();
    void dismissed(const DismissedMessage& dismissal, const store::Outcome<bool>& outcome);
    void restored(const DismissedMessage& dismissal, const store::Outcome<QVariant>& outcome);
    // Writes an event of a dismissal to the read-out log; the reason when
    // it could not.
    std::optional<QString> logEvent(const QString& event, const DismissedMessage& dismissal);
    void addShortcuts();
    void markNewLines();
    void setReadingPoints(double points);
    void toggleArrivalSound();
    void showKeys();
    void showReadOutToday();
    void hideShownRow();
    void exitScreen();
    // Closes the window as the timer and the close control do.
    void closeKeepingDatabase();
    void watchDatabase();
    void refreshOnChange();
    // The passing trouble (a busy or unreachable database) that the error
    // of a failed operation stands for, now shown in the caption; any
    // other error is thrown on to the general error report.
    DatabaseTrouble::Kind noteTrouble(const store::KelvaneError& error);
    void showTrouble();

    std::unique_ptr<Ui::AnnouncerScreen> m_ui;
    QString m_designedCaption;
    QTimer m_timer1;
    // Refreshes as soon as the database reports a change, besides Timer1.
    ChangeRefresh m_changeRefresh{[this] { refreshOnChange(); }};
    // While the server is away, the list is read again this often, so it is
    // current within a second of its return.
    QTimer m_retry;
    // Current_Sequence: the Sequence of the message last chosen. It lives as
    // long as the window object, across closing and opening again.
    qint16 m_currentSequence = 0;
    // Dismiss deletes only while a chosen message is on display in this
    // opening of the window; anything else could delete an unseen message.
    bool m_dismissArmed = false;
    // The row whose message is on display, as it was read.
    std::optional<ChosenRow> m_shown;
    DismissalHistory m_history;
    Arrivals m_arrivals;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
    bool m_loading = false;
    // A refresh asked for while one is on its way runs once that is back.
    bool m_refreshing = false;
    bool m_refreshAgain = false;
    bool m_choicePending = false;
    // The row of each list line, in list order: a choice shows and Dismiss
    // deletes exactly that row, never another with the same Sequence.
    std::vector<Line> m_lines;
    DatabaseTrouble m_trouble;
};
