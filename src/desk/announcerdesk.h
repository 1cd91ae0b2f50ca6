#pragma once

#include "announcerdatabase.h"
#include "arrivals.h"
#include "changerefresh.h"
#include "databasetrouble.h"
#include "deskcondition.h"
#include "deskdisplay.h"
#include "desksettings.h"
#include "dismissalhistory.h"
#include "hiddenmessages.h"
#include "messagelist.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace desk {

// The announcer's desk without a window: the announcer database (on a
// thread of its own), the pending messages, the message on display, and
// what the announcer does with them (choose, dismiss, undo), with the
// read-out log, the hidden messages of a file that can only be read, new
// arrivals and passing trouble. Views (the announcer screen, a browser
// station) show its list model and its signals and call its operations;
// none of them keeps a rule of its own. Nothing it does throws: what goes
// wrong becomes a notice, its condition or closed().
class AnnouncerDesk : public QObject {
    Q_OBJECT

public:
    // The desk goes by settings and remembers in them, which outlive it.
    explicit AnnouncerDesk(desk::DeskSettings& settings, QObject* parent = nullptr);
    ~AnnouncerDesk() override;

    [[nodiscard]] desk::DeskSettings& settings() const { return m_settings; }

    // A display-only station shows everything but never deletes.
    void setDisplayOnly(bool displayOnly) { m_displayOnly = displayOnly; }
    [[nodiscard]] bool displayOnly() const { return m_displayOnly; }
    // The clock that arrivals, their ages and the read-out log go by.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    [[nodiscard]] QDateTime now() const { return m_clock(); }

    // Opens the announcer database at path, unless the desk has that very
    // file open already; anything else it had open is closed first. When
    // it cannot be opened, closed() says why.
    void open(const QString& path);
    // Closes the database; answers still on their way are dropped.
    void close();
    [[nodiscard]] bool isOpen() const { return m_database != nullptr; }
    // True while the desk has the very file open that path names now.
    [[nodiscard]] bool isFileAt(const QString& path) const {
        return m_database && m_database->isFileAt(path);
    }
    [[nodiscard]] QString path() const { return m_path; }

    // The views that show the desk now: its window while it is open, each
    // browser page that watches or announces, a desk served without a
    // window. Each attachView is matched by one detachView. While none is
    // attached the desk does no database work of its own (no retries, no
    // listing on a change report); the first view to attach has the list
    // read again.
    void attachView();
    void detachView();
    [[nodiscard]] bool hasViews() const { return m_views > 0; }

    // Reads the list again (once more after the read on its way, if any).
    void refresh();
    // The regular look at the file: gone (the desk closes), replaced by a
    // new file at its path (reopened), or the list read again. A desk that
    // keeps trying and has closed opens its path again once a file is there.
    void check();
    // While looking is on and a view shows the desk, it looks at its file
    // every lookIntervalMs (the announcer screen while it is open, a desk
    // served without a window all the time; a closed screen's desk looks
    // at nothing, whatever pages watch it). The timer is there for tests,
    // which count its ticks or shorten them.
    static constexpr int lookIntervalMs = 5000;
    void setLooking(bool looking);
    [[nodiscard]] bool isLooking() const { return m_look.isActive(); }
    QTimer& lookTimer() { return m_look; }
    // A desk served without a window has no one to tell that its database
    // has gone: it keeps trying. A database that cannot be opened, or has
    // gone, leaves it closed with the reason in its condition, and each
    // look opens the path again.
    void setKeepsTrying(bool keepsTrying) { m_keepsTrying = keepsTrying; }
    // Every station that works the desk has a message on display of its
    // own: the desk's window, which always has one (named deskStation in
    // the read-out log), and each browser page that announces, which opens
    // one under its station's name and lets it go when it leaves.
    static inline const QString deskStation = QStringLiteral("desk");
    [[nodiscard]] DeskDisplay& windowDisplay() const { return *m_window; }
    [[nodiscard]] std::unique_ptr<DeskDisplay> openDisplay(const QString& station);

    // A message an official sent from a browser station: added through the
    // row source like a message Undo puts back, with the Sequence for sent
    // messages (settings().sentSequences(), the lower one when urgent) and a
    // first line that names the sender ("From Referee:"), and noted in the
    // read-out log ("sent"). Done learns the row's key, or why the message
    // was not added; a desk that cannot take messages adds nothing.
    struct Sent {
        std::optional<store::RowKey> key;
        QString refusal;
    };
    void send(const QString& sender, const QString& text, bool urgent, const QString& station,
              std::function<void(const Sent&)> done);
    // Why this desk cannot take sent messages; nothing when it can.
    store::Failure refusesMessages() const;
    // The announcer's planned message that is due: added like a sent one,
    // with the Sequence for planned messages (settings().plannedSequences()),
    // and noted in the read-out log ("planned").
    void addPlanned(const QString& text, bool urgent, std::function<void(const Sent&)> done);
    // Takes back a row the desk added, by its key and only while it holds
    // that text (logged "expired"); done learns whether it was deleted, or
    // nothing when the database could not say.
    void takeBack(const store::RowKey& key, const QString& text,
                  std::function<void(std::optional<bool>)> done);

    // Today's dismissals in the read-out log, newest first, read on the
    // database's thread (after every dismissal asked for before). Done is
    // called once: with them, or with nothing when no database is open or
    // it closed before the log was read. Asked for again while a read is
    // on its way, the log is read once more after it, whoever asks.
    using ReadOutsDone =
        std::function<void(const std::optional<std::vector<readoutlog::ReadOut>>&)>;
    void readOutsToday(ReadOutsDone done);

    MessageList* messages() { return &m_messages; }
    // The list was read from the open database, not emptied by an opening
    // or a closing that has not been read yet.
    [[nodiscard]] bool hasListing() const { return m_hasListing; }
    // Current_Sequence: the Sequence of the message last chosen.
    [[nodiscard]] qint16 currentSequence() const { return m_currentSequence; }
    // How the desk stands: a file that can only be read here, a message on
    // the window's display that is gone, passing trouble, why a desk that
    // keeps trying is closed.
    [[nodiscard]] DeskCondition condition() const;
    // Every operation asked of the database has been answered.
    [[nodiscard]] bool isSettled() const;

signals:
    void listChanged();
    // Something the announcer must be told that is about no display: a
    // list that cannot be read.
    void notice(const QString& text);
    void conditionChanged();
    // Whether the desk can take sent messages may have changed.
    void takingMessagesChanged();
    // A dismissal at this desk took the row off the list; Undo put a
    // dismissed row back, under a key of its own.
    void rowDismissed(const store::RowKey& key, const QDateTime& time);
    void rowRestored(const store::RowKey& dismissed, const store::RowKey& restored);
    // New messages arrived in the last listing, urgent of them urgent.
    void arrived(int count, int urgent);
    // The desk closed its database by itself, for this reason.
    void closed(const QString& reason);

private:
    friend class DeskDisplay;
    using DisplayPointer = QPointer<DeskDisplay>;
    // The displays handed out, as a copy: a station may go while they are
    // told something, and its pointer turns null.
    [[nodiscard]] std::vector<DisplayPointer> liveDisplays() const;
    void choose(DeskDisplay& display, const store::RowKey& key);
    void dismiss(DeskDisplay& display);
    void undo(DeskDisplay& display);
    // Tells a display that is still there.
    static void tell(DeskDisplay* display, const QString& text);
    void opened(const store::Outcome<bool>& outcome, bool reopening);
    void letGo();
    void forgetListAndDisplays();
    void hideWhatWasReadOut(const std::vector<readoutlog::ReadOut>& readOuts);
    void markShownIfGone();
    void reopen();
    static void keepDismissIfStillThere(DeskDisplay* display, const std::optional<ChosenRow>& row);
    void startListing();
    // A refresh the desk asks for itself, done only while a view shows it.
    void refreshForViews();
    void listed(const store::Outcome<std::vector<ListedRow>>& outcome);
    void showChosen(DeskDisplay* display, const std::optional<ChosenRow>& row);
    void dismissed(DeskDisplay* display, const DismissedMessage& dismissal,
                   const store::Outcome<DismissedRow>& outcome);
    void undoHidden(DeskDisplay& display, const DismissedMessage& dismissal);
    void restored(DeskDisplay* display, const DismissedMessage& dismissal,
                  const store::Outcome<AnnouncerDatabase::Added>& outcome);
    void showPutBack(DeskDisplay* display, const DismissedMessage& dismissal,
                     const store::RowKey& key);
    // Adds a message with the Sequence of its kind, logged as event.
    void addMessage(const QString& event, const desk::SentSequences& sequences, bool urgent,
                    const QString& message, const QString& station,
                    std::function<void(const Sent&)> done);
    void added(const store::Outcome<AnnouncerDatabase::Added>& outcome,
               const std::function<void(const Sent&)>& done);
    void readLog();
    void logRead(const std::optional<std::vector<readoutlog::ReadOut>>& readOuts);
    // Notes the trouble an error stands for and tells the display what to do now.
    void troubled(DeskDisplay* display, const store::KelvaneError& error, const QString& whatNow);
    void noteTrouble(const store::KelvaneError& error);
    void clearTrouble();
    void closeFor(const QString& reason);
    void followViews();
    [[nodiscard]] readoutlog::Entry logEntry(const QString& event, const QString& station,
                                             const DismissedMessage& dismissal) const;
    // Runs handle with an answer of the database that is open now; an
    // answer from one closed since is dropped.
    template <class Result, class Handle>
    std::function<void(store::Outcome<Result>)> whileOpen(Handle handle);

    desk::DeskSettings& m_settings;
    std::unique_ptr<AnnouncerDatabase> m_database;
    QString m_path;
    // Counts openings, so that answers of an earlier one are dropped.
    int m_opening = 0;
    bool m_displayOnly = false;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
    Arrivals m_arrivals;
    MessageList m_messages{m_arrivals, [this] { return m_clock(); }};
    // The displays handed out; those of stations that have gone are null
    // until the next display is opened.
    std::vector<DisplayPointer> m_displays;
    const std::unique_ptr<DeskDisplay> m_window = openDisplay(deskStation);
    qint16 m_currentSequence = 0;
    DismissalHistory m_history;
    HiddenMessages m_hidden;
    DatabaseTrouble m_trouble;
    // Who waits for the read of the read-out log on its way, and who asked
    // after it had started.
    std::vector<ReadOutsDone> m_readOutsWaiting;
    std::vector<ReadOutsDone> m_readOutsNext;
    // Why the open database refused a sent message: it takes no inserts.
    QString m_insertRefusal;
    // A refresh asked for while one is on its way runs once that is back.
    bool m_refreshing = false;
    bool m_refreshAgain = false;
    bool m_hasListing = false;
    int m_views = 0;
    ChangeRefresh m_changeRefresh{[this] { refreshForViews(); }};
    // While the server is away, the list is read again this often, so it is
    // current within a second of its return.
    QTimer m_retry;
    QTimer m_look;
    bool m_looking = false;
    bool m_keepsTrying = false;
    // Why a desk that keeps trying is closed now.
    QString m_closedReason;
};

} // namespace desk
