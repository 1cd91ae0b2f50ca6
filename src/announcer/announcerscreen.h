#pragma once

#include "desk/announcerdesk.h"
#include "station/stationserver.h"

#include <QDialog>
#include <QPersistentModelIndex>
#include <QSet>
#include <QTimer>

#include <memory>

namespace Ui {
class AnnouncerScreen;
}
namespace desk {
class PlannedSheet;
} // namespace desk
class StationWindow;
class PlannedWindow;

// The window the announcer works in: a view of the session's desk. The
// pending messages one line each, the chosen message in full, Dismiss, and
// keys for everything (deskKeys()); while it is open the desk looks at its
// file every five seconds. The desk does the work; this window shows it and
// passes the announcer's clicks and keys on, and F9 shows the session's
// browser station.
class AnnouncerScreen : public QDialog {
    Q_OBJECT

public:
    // How the screen was reached: from the intro screen, which has checked
    // the path (Screen_Entry_Mode 2), or otherwise, when the screen asks
    // for the file itself.
    enum class Entry { Checked = 2, Unchecked = 0 };

    // F8 shows the planned messages when the screen is given a sheet.
    AnnouncerScreen(desk::AnnouncerDesk& desk, station::StationServer& station,
                    desk::PlannedSheet* planned = nullptr, QWidget* parent = nullptr);
    ~AnnouncerScreen() override;

    desk::AnnouncerDesk& desk() { return m_desk; }
    station::StationServer& station() { return m_station; }

    // Opens the screen modally on the announcer database at path and runs
    // it until Exit, the timer or the close control closes it; a reason the
    // desk closed for is told once the screen has gone.
    void showModal(const QString& path, Entry entry = Entry::Checked);

    // Rebuilds the list from the database once it has answered.
    void Refresh_Form() { m_desk.refresh(); }
    // One tick of Timer1, which closes a screen left without a database
    // (the locate step found none); the five-second look is the desk's.
    void timerTick();
    QTimer& timer1() { return m_timer1; }

    // True when every operation asked of the database has been answered
    // and shown.
    [[nodiscard]] bool isSettled() const { return !m_choicePending && m_desk.isSettled(); }

    // Escape does nothing: a stray key must not close the screen mid-gala.
    void reject() override {}

protected:
    // The close control closes the screen as the timer does; the database
    // stays open for the next opening.
    void closeEvent(QCloseEvent* event) override;
    // Delete and Ctrl+Z are desk keys in the message box too, unless the
    // announcer is editing there.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void load(const QString& path, Entry entry);
    void addShortcuts();
    void handOnCursor(const QModelIndex& parent, int first, int last);
    void showList();
    void listScrolled(int value);
    void putCursorOn(int row);
    void showShown();
    void showCaption();
    [[nodiscard]] QString conditionNote() const;
    [[nodiscard]] QString stationNote() const;
    // Counts the new lines the announcer has not had in view yet.
    void lookForUnseenArrivals();
    void onSelectionChanged();
    void chooseCurrentLine();
    void chooseLine(int line);
    void showReadingPoints();
    void noticeArrivals(int count, int urgent);
    void playArrivalSound();
    void toggleArrivalSound();
    void showKeys();
    void showReadOutToday();
    void showStation();
    void showPlanned();
    void exitScreen();
    void closeKeepingDatabase();
    void deskClosed(const QString& reason);

    std::unique_ptr<Ui::AnnouncerScreen> m_ui;
    desk::AnnouncerDesk& m_desk;
    desk::DeskDisplay& m_display = m_desk.windowDisplay();
    station::StationServer& m_station;
    StationWindow* m_stationWindow = nullptr;
    desk::PlannedSheet* m_planned;
    PlannedWindow* m_plannedWindow = nullptr;
    QString m_designedCaption;
    QTimer m_timer1;
    bool m_loading = false;
    bool m_choicePending = false;
    // The line at the top of the list's view once it is scrolled down.
    QPersistentModelIndex m_topLine;
    // New lines that have been in view, and what the caption says of the
    // others.
    QSet<store::RowKey> m_inView;
    QString m_unseenNote;
    // Counts the urgent messages not shown yet.
    QString m_urgentNote;
    QString m_closeReason;
};
