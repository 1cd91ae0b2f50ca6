#include "announcerdesk.h"

#include "desksettings.h"
#include "fileprobe.h"
#include "messagelines.h"

#include <QCoreApplication>

#include <QPointer>

#include <utility>

namespace desk {

namespace {

constexpr int serverRetryMs = 500;

QString troubleMessage(DatabaseTrouble::Kind kind, const QString& whatNow) {
    if (kind == DatabaseTrouble::Kind::Busy)
        return AnnouncerDesk::tr(
                   "The announcer database is busy: another program is writing to it. %1 "
                   "in a moment.")
            .arg(whatNow);
    return AnnouncerDesk::tr("The database server is not answering. %1 once it is back.")
        .arg(whatNow);
}

QString logFailedAfterUndo(const QString& reason) {
    return AnnouncerDesk::tr("The message is back, but the read-out log could not be written (%1).")
        .arg(reason);
}

// What a sent message's row holds: the message after the sender's name
// ("From Referee: Lane 4 timekeeper to the start"), so that the listed
// first line says who asks and what; line breaks as the database's CR LF.
QString sentMessageText(const QString& sender, const QString& text) {
    //: A sent message's text: %1 the sender's name or post as typed ("Referee",
    //: "Anna"), %2 the message. Use the form that reads well before any name or
    //: post, with no preposition where one would need an article ("Referee: …").
    return AnnouncerDesk::tr("From %1: %2").arg(sender, store::announcer::withLineBreaks(text));
}

} // namespace

AnnouncerDesk::AnnouncerDesk(desk::DeskSettings& settings, QObject* parent)
    : QObject(parent)
    , m_settings(settings) {
    m_retry.setSingleShot(true);
    m_retry.setInterval(serverRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &AnnouncerDesk::refreshForViews);
    m_look.setInterval(lookIntervalMs);
    connect(&m_look, &QTimer::timeout, this, &AnnouncerDesk::check);
}

AnnouncerDesk::~AnnouncerDesk() = default;

template <class Result, class Handle>
std::function<void(store::Outcome<Result>)> AnnouncerDesk::whileOpen(Handle handle) {
    return [desk = QPointer<AnnouncerDesk>(this), opening = m_opening,
            handle](const store::Outcome<Result>& outcome) {
        if (desk && desk->m_opening == opening && desk->m_database)
            handle(outcome);
    };
}

// Each opening starts with nothing on display and nothing armed: Dismiss
// must never act on a message the announcer has not seen in this opening.
void AnnouncerDesk::open(const QString& path) {
    forgetListAndDisplays();
    m_trouble.clear();
    m_closedReason.clear();
    emit conditionChanged();
    if (!m_database || !m_database->isFileAt(path)) {
        letGo();
        m_path = path;
        ++m_opening;
        m_insertRefusal.clear();
        m_database = std::make_unique<AnnouncerDatabase>(
            path, whileOpen<bool>([this](const auto& outcome) { opened(outcome, false); }));
    }
    startListing();
}

// Every view (the screen, each browser) sees an empty desk once it is closed.
void AnnouncerDesk::close() {
    letGo();
    forgetListAndDisplays();
    emit conditionChanged();
    emit takingMessagesChanged();
}

void AnnouncerDesk::letGo() {
    m_database.reset();
    logRead(std::nullopt);
    m_retry.stop();
    m_refreshing = false;
    m_refreshAgain = false;
}

std::unique_ptr<DeskDisplay> AnnouncerDesk::openDisplay(const QString& station) {
    std::unique_ptr<DeskDisplay> display(new DeskDisplay(*this, station));
    std::erase_if(m_displays, [](const DisplayPointer& gone) { return gone.isNull(); });
    m_displays.emplace_back(display.get());
    return display;
}

std::vector<AnnouncerDesk::DisplayPointer> AnnouncerDesk::liveDisplays() const {
    return m_displays;
}

void AnnouncerDesk::forgetListAndDisplays() {
    for (const DisplayPointer& display : liveDisplays()) {
        if (display)
            display->show(std::nullopt, {}, false);
    }
    m_messages.setLines({});
    m_hasListing = false;
    emit listChanged();
}

void AnnouncerDesk::closeFor(const QString& reason) {
    close();
    if (m_keepsTrying) {
        m_closedReason = reason;
        emit conditionChanged();
    }
    emit closed(reason);
}

// A file that cannot be opened, or a file that took the old one's place
// but is no announcer database, closes the desk with the reason. A file
// that can only be read here keeps the messages that were read out: those
// dismissed from it today are hidden again.
void AnnouncerDesk::opened(const store::Outcome<bool>& outcome, bool reopening) {
    emit takingMessagesChanged();
    if (outcome.ok()) {
        emit conditionChanged();
        if (!outcome.value())
            m_database->readLog(m_clock().date(), whileOpen<std::vector<readoutlog::ReadOut>>(
                                                      [this](const auto& log) {
                                                          if (log.ok())
                                                              hideWhatWasReadOut(log.value());
                                                      }));
        return;
    }
    closeFor(reopening ? tr("Another file has taken the place of the announcer database. %1")
                             .arg(outcome.error().description())
                       : outcome.error().description());
}

void AnnouncerDesk::hideWhatWasReadOut(const std::vector<readoutlog::ReadOut>& readOuts) {
    for (const readoutlog::ReadOut& readOut : readOuts) {
        if (readOut.database == m_path && !readOut.undone.isValid())
            m_hidden.hide(m_path, store::RowKey(readOut.row));
    }
    refresh();
}

void AnnouncerDesk::check() {
    if (!m_database) {
        if (m_keepsTrying && !m_path.isEmpty() && File_Exists(m_path))
            open(m_path);
        return;
    }
    if (!File_Exists(m_path)) {
        closeFor(tr("The announcer database '%1' is no longer there.").arg(m_path));
        return;
    }
    if (!m_database->isFileAt(m_path)) {
        reopen();
        return;
    }
    refresh();
}

// Programs that save by writing a new file and renaming it over the old
// one replace the database at every save: the desk carries on with the
// new file, keeping the message on display. Dismiss stays ready only if
// that very row (key, Sequence and text) is in the new file too.
void AnnouncerDesk::reopen() {
    m_database.reset();
    logRead(std::nullopt);
    ++m_opening;
    m_database = std::make_unique<AnnouncerDatabase>(
        m_path, whileOpen<bool>([this](const auto& outcome) { opened(outcome, true); }));
    startListing();
    for (const DisplayPointer& display : liveDisplays()) {
        if (!display || !std::exchange(display->m_armed, false) || !display->m_row)
            continue;
        m_database->readRow(display->m_row->key,
                            whileOpen<std::optional<ChosenRow>>([display](const auto& outcome) {
                                if (outcome.ok())
                                    keepDismissIfStillThere(display, outcome.value());
                            }));
    }
}

void AnnouncerDesk::keepDismissIfStillThere(DeskDisplay* display,
                                            const std::optional<ChosenRow>& row) {
    if (display)
        display->m_armed = row && display->m_row && *row == *display->m_row;
}

// Answers on their way from a database closed meanwhile never come.
void AnnouncerDesk::startListing() {
    m_refreshing = false;
    m_refreshAgain = false;
    m_database->watchChanges([desk = QPointer<AnnouncerDesk>(this)] {
        if (desk)
            desk->m_changeRefresh.changed();
    });
    refresh();
}

// A listing already on its way is as current as a new one would be.
void AnnouncerDesk::attachView() {
    if (m_views++ == 0) {
        if (!m_database)
            check();
        else if (!m_refreshing)
            refresh();
    }
    followViews();
}

void AnnouncerDesk::detachView() {
    Q_ASSERT(m_views > 0);
    --m_views;
    followViews();
}

void AnnouncerDesk::setLooking(bool looking) {
    m_looking = looking;
    followViews();
}

void AnnouncerDesk::followViews() {
    if (!m_looking || !hasViews())
        m_look.stop();
    else if (!m_look.isActive())
        m_look.start();
}

void AnnouncerDesk::refreshForViews() {
    if (hasViews())
        refresh();
}

void AnnouncerDesk::refresh() {
    if (!m_database)
        return;
    if (m_refreshing) {
        m_refreshAgain = true;
        return;
    }
    m_refreshing = true;
    m_database->readList(
        whileOpen<std::vector<ListedRow>>([this](const auto& outcome) { listed(outcome); }));
}

void AnnouncerDesk::listed(const store::Outcome<std::vector<ListedRow>>& outcome) {
    m_refreshing = false;
    if (!outcome.ok()) {
        noteTrouble(outcome.error());
    } else {
        clearTrouble();
        const desk::SentSequences sent = m_settings.sentSequences();
        std::vector<MessageList::Line> lines;
        std::vector<store::RowKey> keys;
        std::vector<store::RowKey> urgentUnknown;
        lines.reserve(outcome.value().size());
        keys.reserve(outcome.value().size());
        for (const ListedRow& row : outcome.value()) {
            if (!m_hidden.isEmpty() && m_hidden.isHidden(m_path, row.key))
                continue;
            const LineKind kind = lineKind(row.sequence, sent);
            lines.push_back({row.key, row.sequence,
                             listLine(row.sequence, messageText(row.messageStart), row.more, kind),
                             row.more, createdTime(row.created), kind == LineKind::Urgent});
            keys.push_back(row.key);
            if (kind == LineKind::Urgent && !m_arrivals.firstSeen(row.key).isValid())
                urgentUnknown.push_back(row.key);
        }
        const int arrivals = m_arrivals.listed(m_path, keys, m_clock());
        const auto urgent =
            std::count_if(urgentUnknown.cbegin(), urgentUnknown.cend(),
                          [this](const auto& key) { return m_arrivals.isNew(key); });
        m_messages.setLines(std::move(lines));
        markShownIfGone();
        m_hasListing = true;
        emit listChanged();
        if (arrivals > 0)
            emit arrived(arrivals, static_cast<int>(urgent));
    }
    if (std::exchange(m_refreshAgain, false))
        refresh();
}

// Another station or the meet program may delete the message on a
// station's display: it stays readable, but marked, and Dismiss no longer
// acts on it.
void AnnouncerDesk::markShownIfGone() {
    for (const DisplayPointer& display : liveDisplays()) {
        if (!display || !display->m_row)
            continue;
        const bool gone = m_messages.rowOf(display->m_row->key) < 0;
        if (gone == display->m_gone)
            continue;
        display->m_gone = gone;
        if (gone)
            display->m_armed = false;
        emit display->shownChanged();
        if (display == m_window.get())
            emit conditionChanged();
    }
}

void AnnouncerDesk::choose(DeskDisplay& display, const store::RowKey& key) {
    if (!m_database)
        return;
    m_arrivals.shown(key);
    m_messages.newnessChanged();
    const DisplayPointer asking(&display);
    m_database->readRow(key,
                        whileOpen<std::optional<ChosenRow>>([this, asking](const auto& outcome) {
                            if (!outcome.ok())
                                troubled(asking, outcome.error(),
                                         tr("The message could not be read; choose it again"));
                            else
                                showChosen(asking, outcome.value());
                            refresh();
                        }));
}

// A row gone by the time it was read leaves the display as it was; so
// does one without a Sequence, which cannot be chosen. A display whose
// station went away meanwhile gets nothing.
void AnnouncerDesk::showChosen(DeskDisplay* display, const std::optional<ChosenRow>& row) {
    if (!row || row->sequence.isNull() || !display)
        return;
    if (const auto number = sequenceNumber(row->sequence))
        m_currentSequence = *number;
    display->show(row, desk::shownText(messageText(row->message), row->messageLength), true);
}

// A dismissal on its way finishes even if its station goes meanwhile: the
// message is logged and deleted all the same.
void AnnouncerDesk::dismiss(DeskDisplay& display) {
    if (!m_database || m_displayOnly)
        return;
    const std::optional<ChosenRow>& shownRow = display.m_row;
    if (!std::exchange(display.m_armed, false) || !shownRow) {
        refresh();
        return;
    }
    const QString shown = messageText(shownRow->message);
    const DismissedMessage dismissal{m_path,
                                     shownRow->key,
                                     shownRow->sequence,
                                     shown,
                                     shown.size() >= shownRow->messageLength,
                                     !m_database->canDeleteRows(),
                                     display.station()};
    m_database->dismissRow(*shownRow, shown, m_clock(), dismissal.hiddenOnly, display.station(),
                           whileOpen<DismissedRow>([this, display = DisplayPointer(&display),
                                                    dismissal](const auto& outcome) {
                               dismissed(display, dismissal, outcome);
                           }));
}

// Deleted, or gone already: either way the message is no longer pending,
// and Undo can put it back. A busy or unreachable database, a log that
// cannot be written or a delete the database refused changes nothing; the
// message stays on display, ready to be dismissed again.
void AnnouncerDesk::dismissed(DeskDisplay* display, const DismissedMessage& dismissal,
                              const store::Outcome<DismissedRow>& outcome) {
    const bool stillShown = display && display->m_row && display->m_row->key == dismissal.key;
    if (!outcome.ok() || outcome.value().result == DismissedRow::Result::NotLogged) {
        if (stillShown)
            display->m_armed = true;
        if (!outcome.ok())
            troubled(display, outcome.error(),
                     tr("The message has not been dismissed; press Dismiss This Message again"));
        else
            tell(display, tr("The message has not been dismissed: the read-out log could not be "
                             "written (%1).")
                              .arg(outcome.value().logFailure));
        return;
    }
    DismissedMessage done = dismissal;
    if (outcome.value().result != DismissedRow::Result::AlreadyGone) {
        done.message = outcome.value().message;
        done.whole = true;
    }
    if (done.hiddenOnly)
        m_hidden.hide(m_path, done.key);
    m_history.push(done);
    emit rowDismissed(done.key, m_clock());
    if (stillShown)
        display->show(std::nullopt, {}, false);
    refresh();
    if (done.hiddenOnly && m_hidden.tellOnce())
        tell(display, tr("This announcer database can only be read on this computer. Dismissed "
                         "messages are hidden from the list until kelvane is closed, but they stay "
                         "in the file."));
}

// A file that can only be read here shows the hidden message again. Any
// other database gets the message back as a new row (unless an identical
// one is there already); a database that does not allow that is named
// plainly, and the dismissal stays in the history and in the log.
void AnnouncerDesk::undo(DeskDisplay& display) {
    if (!m_database || m_displayOnly)
        return;
    const bool atWindow = &display == m_window.get();
    std::optional<DismissedMessage> dismissal =
        m_history.take(m_path, atWindow ? QString() : display.station());
    if (!dismissal) {
        tell(&display, tr("There is no dismissal to undo."));
        return;
    }
    if (dismissal->hiddenOnly) {
        undoHidden(display, *dismissal);
        return;
    }
    if (!dismissal->whole) {
        tell(&display, atWindow ? tr("This message is too long to be put back. Its start is in the "
                                     "read-out log (Ctrl+H).")
                                : tr("This message is too long to be put back. Its start is in the "
                                     "read-out log at the desk."));
        return;
    }
    m_database->addRow(logEntry(readoutlog::undone, display.station(), *dismissal),
                       dismissal->sequence,
                       whileOpen<AnnouncerDatabase::Added>(
                           [this, display = DisplayPointer(&display), dismissal = *dismissal](
                               const auto& outcome) { restored(display, dismissal, outcome); }));
}

void AnnouncerDesk::undoHidden(DeskDisplay& display, const DismissedMessage& dismissal) {
    m_hidden.unhide(m_path, dismissal.key);
    m_arrivals.known(dismissal.key, m_clock());
    emit rowRestored(dismissal.key, dismissal.key);
    showPutBack(&display, dismissal, dismissal.key);
    refresh();
    m_database->log(
        logEntry(readoutlog::undone, display.station(), dismissal),
        whileOpen<store::Failure>([display = DisplayPointer(&display)](const auto& outcome) {
            if (outcome.ok() && outcome.value())
                tell(display, logFailedAfterUndo(outcome.value().reason()));
        }));
}

// An Undo whose station went meanwhile still puts the message back, or
// keeps the dismissal for the next Undo.
void AnnouncerDesk::restored(DeskDisplay* display, const DismissedMessage& dismissal,
                             const store::Outcome<AnnouncerDatabase::Added>& outcome) {
    if (!outcome.ok()) {
        m_history.putBack(dismissal);
        // The desk's window has keys; a page has buttons and no log of its own.
        const bool atDesk = display == m_window.get();
        if (DatabaseTrouble::kindOf(outcome.error()) == DatabaseTrouble::Kind::Failed)
            tell(display, (atDesk ? tr("The dismissal cannot be undone: this announcer database "
                                       "does not let kelvane add the message back (%1). The "
                                       "message is in today's read-out log (Ctrl+H).")
                                  : tr("The dismissal cannot be undone: this announcer database "
                                       "does not let kelvane add the message back (%1). The "
                                       "message is in today's read-out log at the desk."))
                              .arg(outcome.error().description()));
        else
            troubled(display, outcome.error(),
                     atDesk ? tr("The message has not been put back; press Ctrl+Z again")
                            : tr("The message has not been put back; press Undo again"));
        return;
    }
    m_arrivals.known(outcome.value().key, m_clock());
    emit rowRestored(dismissal.key, outcome.value().key);
    showPutBack(display, dismissal, outcome.value().key);
    refresh();
    if (outcome.value().logFailure)
        tell(display, logFailedAfterUndo(outcome.value().logFailure.reason()));
}

// The message Undo put back is on the display of the station that undid
// it, as if chosen there: the announcer sees what came back, and Dismiss
// acts on it again.
void AnnouncerDesk::showPutBack(DeskDisplay* display, const DismissedMessage& dismissal,
                                const store::RowKey& key) {
    showChosen(display, ChosenRow{key, dismissal.sequence, dismissal.message.left(shownCharacters),
                                  dismissal.message.size()});
}

void AnnouncerDesk::send(const QString& sender, const QString& text, bool urgent,
                         const QString& station, std::function<void(const Sent&)> done) {
    addMessage(readoutlog::sent, m_settings.sentSequences(), urgent, sentMessageText(sender, text),
               QStringLiteral("%1 (%2)").arg(sender, station), std::move(done));
}

void AnnouncerDesk::addPlanned(const QString& text, bool urgent,
                               std::function<void(const Sent&)> done) {
    addMessage(readoutlog::planned, m_settings.plannedSequences(), urgent,
               store::announcer::withLineBreaks(text), readoutlog::planned, std::move(done));
}

void AnnouncerDesk::addMessage(const QString& event, const desk::SentSequences& sequences,
                               bool urgent, const QString& message, const QString& station,
                               std::function<void(const Sent&)> done) {
    if (const store::Failure refusal = refusesMessages()) {
        done({std::nullopt, refusal.reason()});
        return;
    }
    const qint16 sequence = urgent ? sequences.urgent : sequences.normal;
    m_database->addRow(
        {m_clock(), event, m_path, {}, QString::number(sequence), message, station},
        QVariant(int(sequence)),
        whileOpen<AnnouncerDatabase::Added>(
            [this, done = std::move(done)](const auto& outcome) { added(outcome, done); }));
}

void AnnouncerDesk::takeBack(const store::RowKey& key, const QString& text,
                             std::function<void(std::optional<bool>)> done) {
    if (!m_database || m_displayOnly) {
        done(std::nullopt);
        return;
    }
    const readoutlog::Entry entry{m_clock(), readoutlog::expired, m_path, key.text(), {},
                                  text,      readoutlog::planned};
    m_database->takeBackRow(key, entry,
                            whileOpen<bool>([this, done = std::move(done)](const auto& outcome) {
                                if (!outcome.ok())
                                    noteTrouble(outcome.error());
                                else
                                    refresh();
                                done(outcome.ok() ? std::optional(outcome.value()) : std::nullopt);
                            }));
}

// A database that does not let rows be added says so once: from then on
// this opening takes no messages, and every send page is told. A busy or
// unreachable one changes nothing; the official sends again. A full disk
// refuses that message only, with what to free: space comes back.
void AnnouncerDesk::added(const store::Outcome<AnnouncerDatabase::Added>& outcome,
                          const std::function<void(const Sent&)>& done) {
    if (outcome.ok()) {
        refresh();
        done({outcome.value().key, {}});
        return;
    }
    if (outcome.error().number() == int(store::ErrorNumber::DiskOrNetworkError)) {
        done({std::nullopt, outcome.error().description()});
        return;
    }
    if (DatabaseTrouble::kindOf(outcome.error()) == DatabaseTrouble::Kind::Failed) {
        m_insertRefusal = outcome.error().description();
        emit takingMessagesChanged();
        done({std::nullopt, refusesMessages().reason()});
        return;
    }
    noteTrouble(outcome.error());
    done({std::nullopt,
          troubleMessage(DatabaseTrouble::kindOf(outcome.error()), tr("Send the message again"))});
}

store::Failure AnnouncerDesk::refusesMessages() const {
    const auto cannot = [](const QString& why) {
        return store::Failure(tr("This desk cannot take messages: %1").arg(why));
    };
    if (m_displayOnly)
        return cannot(tr("it only shows the list."));
    if (!m_database)
        return cannot(tr("the announcer has no database open."));
    if (m_database->isOpened() && !m_database->canDeleteRows())
        return cannot(tr("its announcer database can only be read on this computer."));
    if (!m_insertRefusal.isEmpty())
        return cannot(m_insertRefusal);
    return {};
}

void AnnouncerDesk::readOutsToday(ReadOutsDone done) {
    if (!m_database) {
        done(std::nullopt);
        return;
    }
    if (!m_readOutsWaiting.empty()) {
        m_readOutsNext.push_back(std::move(done));
        return;
    }
    m_readOutsWaiting.push_back(std::move(done));
    readLog();
}

void AnnouncerDesk::readLog() {
    m_database->readLog(m_clock().date(),
                        whileOpen<std::vector<readoutlog::ReadOut>>([this](const auto& outcome) {
                            logRead(outcome.ok() ? std::optional(outcome.value()) : std::nullopt);
                        }));
}

// An answer for everyone waiting; those who asked meanwhile get a new
// read, or nothing once the database has gone.
void AnnouncerDesk::logRead(const std::optional<std::vector<readoutlog::ReadOut>>& readOuts) {
    const std::vector<ReadOutsDone> answered = std::exchange(m_readOutsWaiting, {});
    m_readOutsWaiting = std::exchange(m_readOutsNext, {});
    for (const ReadOutsDone& done : answered)
        done(readOuts);
    if (m_readOutsWaiting.empty())
        return;
    if (m_database)
        readLog();
    else
        logRead(std::nullopt);
}

readoutlog::Entry AnnouncerDesk::logEntry(const QString& event, const QString& station,
                                          const DismissedMessage& dismissal) const {
    return {m_clock(),
            event,
            dismissal.database,
            dismissal.key.text(),
            loggedSequence(dismissal.sequence),
            dismissal.message,
            station};
}

void AnnouncerDesk::tell(DeskDisplay* display, const QString& text) {
    if (display)
        emit display->notice(text);
}

void AnnouncerDesk::troubled(DeskDisplay* display, const store::KelvaneError& error,
                             const QString& whatNow) {
    const DatabaseTrouble::Kind kind = DatabaseTrouble::kindOf(error);
    if (kind == DatabaseTrouble::Kind::Failed) {
        tell(display, error.description());
        return;
    }
    noteTrouble(error);
    tell(display, troubleMessage(kind, whatNow));
}

// A list that cannot be read because of the database's content is said
// once in full; the caption keeps saying that the list is not current.
void AnnouncerDesk::noteTrouble(const store::KelvaneError& error) {
    const DatabaseTrouble::Kind kind = DatabaseTrouble::kindOf(error);
    const bool news = kind != m_trouble.kind();
    m_trouble.note(kind, QDateTime::currentDateTime());
    emit conditionChanged();
    if (kind == DatabaseTrouble::Kind::Unreachable)
        m_retry.start();
    if (kind == DatabaseTrouble::Kind::Failed && news)
        emit notice(tr("The list of messages could not be read: %1").arg(error.description()));
}

void AnnouncerDesk::clearTrouble() {
    if (m_trouble.kind() == DatabaseTrouble::Kind::None)
        return;
    m_trouble.clear();
    emit conditionChanged();
}

DeskCondition AnnouncerDesk::condition() const {
    const DatabaseTrouble::Kind trouble = m_trouble.toldKind(QDateTime::currentDateTime());
    return {m_closedReason, m_database && m_database->isOpened() && !m_database->canDeleteRows(),
            m_window->shownIsGone(), trouble,
            trouble == DatabaseTrouble::Kind::None ? QDateTime() : m_trouble.since()};
}

bool AnnouncerDesk::isSettled() const {
    return !m_refreshAgain && (!m_database || m_database->pending() == 0);
}

} // namespace desk
