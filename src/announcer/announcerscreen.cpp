#include "announcerscreen.h"

#include "desksettings.h"
#include "fileprobe.h"
#include "hiddenmessages.h"
#include "keyswindow.h"
#include "locatedatabase.h"
#include "messagelines.h"
#include "readoutlog.h"
#include "readouttoday.h"

#include "ui/fonts.h"
#include "ui/messagebox.h"
#include "ui_announcerscreen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>
#include <QScrollBar>
#include <QShortcut>
#include <QStringList>
#include <QToolTip>

#include <utility>

namespace {

constexpr int storedTimerIntervalMs = 360;
constexpr int refreshIntervalMs = 5000;
constexpr int serverRetryMs = 500;

// What the announcer is told when a choice or a dismissal could not be
// made; nothing has changed in the database.
const QString chooseAgain = QStringLiteral("The message could not be read; choose it again");
const QString dismissAgain =
    QStringLiteral("The message has not been dismissed; press Dismiss This Message again");
const QString undoAgain = QStringLiteral("The message has not been put back; press Ctrl+Z again");
const QString displayOnlyNote = QStringLiteral(" \u2013 display only");

QString troubleMessage(DatabaseTrouble::Kind kind, const QString& whatNow) {
    if (kind == DatabaseTrouble::Kind::Busy)
        return QStringLiteral("The announcer database is busy: another program is writing to it. %1 in a "
                              "moment.")
            .arg(whatNow);
    return QStringLiteral("The database server is not answering. %1 once it is back.").arg(whatNow);
}

// Runs handle with the outcome, if the screen is still there.
template <class Result, class Handle>
auto onScreen(AnnouncerScreen* screen, Handle handle) {
    return [screen = QPointer<AnnouncerScreen>(screen), handle](const store::Outcome<Result>& outcome) {
        if (screen)
            handle(outcome);
    };
}

// The system's bell, or the sound file the settings name when it can be
// played.
void playArrivalSound() {
    const QString file = desk::arrivalSoundFile();
    if (file.isEmpty() || !QProcess::startDetached(QStringLiteral("aplay"), desk::arrivalSoundArguments(file)))
        QApplication::beep();
}

} // namespace

AnnouncerScreen::AnnouncerScreen(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AnnouncerScreen>()) {
    m_ui->setupUi(this);
    ui::applyDesignedFonts(this);
    m_designedCaption = windowTitle();
    // The corner between the message box's two scroll bars belongs to the
    // box, not to the yellow window around it.
    auto* corner = new QWidget;
    corner->setAutoFillBackground(true);
    corner->setBackgroundRole(QPalette::Base);
    m_ui->Current_Announcement->setCornerWidget(corner);
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    connect(&m_timer1, &QTimer::timeout, this, &AnnouncerScreen::timerTick);
    m_retry.setSingleShot(true);
    m_retry.setInterval(serverRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &AnnouncerScreen::Refresh_Form);
    connect(m_ui->Announcement_List, &QListWidget::itemSelectionChanged, this,
            &AnnouncerScreen::onSelectionChanged);
    connect(m_ui->Command2, &QPushButton::clicked, this, &AnnouncerScreen::dismiss);
    connect(m_ui->Command1, &QPushButton::clicked, this, &AnnouncerScreen::exitScreen);
    m_ui->Announcement_List->viewport()->installEventFilter(this);
    addShortcuts();
}

// Window-wide keys give way to the message box's own editing keys (Delete,
// Ctrl+Z) while it has the focus.
void AnnouncerScreen::addShortcuts() {
    const auto onKeys = [this](const QList<QKeySequence>& keys, auto action, QWidget* where = nullptr) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, where ? where : this);
            shortcut->setContext(where ? Qt::WidgetShortcut : Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, this, action);
        }
    };
    onKeys({Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}, &AnnouncerScreen::chooseCurrentLine,
           m_ui->Announcement_List);
    onKeys({Qt::Key_Delete}, &AnnouncerScreen::dismiss);
    onKeys({QKeySequence::Undo}, &AnnouncerScreen::undoDismissal);
    onKeys({Qt::Key_F5}, &AnnouncerScreen::Refresh_Form);
    onKeys({Qt::Key_F1}, &AnnouncerScreen::showKeys);
    onKeys({Qt::CTRL | Qt::Key_H}, &AnnouncerScreen::showReadOutToday);
    onKeys({Qt::CTRL | Qt::Key_B}, &AnnouncerScreen::toggleArrivalSound);
    onKeys({Qt::ALT | Qt::Key_X}, &AnnouncerScreen::exitScreen);
    onKeys({QKeySequence::ZoomIn, Qt::CTRL | Qt::Key_Equal},
           [this] { setReadingPoints(desk::largerReadingPoints(desk::readingPoints())); });
    onKeys({QKeySequence::ZoomOut}, [this] { setReadingPoints(desk::smallerReadingPoints(desk::readingPoints())); });
    onKeys({Qt::CTRL | Qt::Key_0}, [this] { setReadingPoints(desk::designedReadingPoints); });
}

AnnouncerScreen::~AnnouncerScreen() = default;

bool AnnouncerScreen::isSettled() const {
    return !m_refreshAgain && !m_choicePending && (!Announcer_DB || Announcer_DB->pending() == 0);
}

void AnnouncerScreen::showModal() {
    m_ui->Announcement_List->clear();
    m_lines.clear();
    m_ui->Current_Announcement->clear();
    m_dismissArmed = false;
    m_shown.reset();
    m_trouble.clear();
    showTrouble();
    m_ui->Command2->setEnabled(!Display_Only);
    setReadingPoints(desk::readingPoints());
    m_ui->Command1->setFocus();
    m_timer1.start(storedTimerIntervalMs);
    load();
    exec();
    m_timer1.stop();
    m_retry.stop();
}

void AnnouncerScreen::load() {
    // Ticks that arrive while the locate step's windows are open must not
    // close the screen under them; the load sets the timer itself.
    m_loading = true;
    const auto loaded = qScopeGuard([this] { m_loading = false; });
    if (Announcer_DB_Open && !announcerDatabaseIsFileAt(Announcer_DB_Path))
        closeAnnouncerDatabase();
    if (!Announcer_DB_Open) {
        if (Screen_Entry_Mode != 2 && !locateAnnouncerDatabase(m_timer1))
            return;
        openDatabase(true);
    }
    startListing();
    m_timer1.start(refreshIntervalMs);
}

void AnnouncerScreen::openDatabase(bool atLoad) {
    openAnnouncerDatabase(onScreen<bool>(this, [this, atLoad](const auto& outcome) { opened(outcome, atLoad); }));
}

// Answers on their way from a database closed meanwhile never come.
void AnnouncerScreen::startListing() {
    m_refreshing = false;
    m_refreshAgain = false;
    watchDatabase();
    Refresh_Form();
}

// A server that cannot be reached at the start, or a file that took the
// old one's place but is no announcer database, sends the announcer back
// to the intro screen with the reason; any other failure to open at the
// start is an error.
void AnnouncerScreen::opened(const store::Outcome<bool>& outcome, bool atLoad) {
    if (!outcome.error)
        return;
    if (atLoad && DatabaseTrouble::kindOf(*outcome.error) != DatabaseTrouble::Kind::Unreachable)
        throw *outcome.error;
    closeAnnouncerDatabase();
    closeKeepingDatabase();
    ui::showMessage(outcome.error->description());
}

// Programs that save by writing a new file and renaming it over the old
// one replace the database at every save: the screen carries on with the
// new file, keeping the message on display. Dismiss stays ready only if
// that very row (key, Sequence and text) is in the new file too.
void AnnouncerScreen::reopen() {
    closeAnnouncerDatabase();
    openDatabase(false);
    startListing();
    if (!m_dismissArmed || !m_shown)
        return;
    m_dismissArmed = false;
    Announcer_DB->readRow(m_shown->key, onScreen<std::optional<ChosenRow>>(this, [this](const auto& outcome) {
        if (!outcome.error)
            keepDismissIfStillThere(*outcome.value);
    }));
}

void AnnouncerScreen::keepDismissIfStillThere(const std::optional<ChosenRow>& row) {
    m_dismissArmed = row && m_shown && row->key == m_shown->key && row->sequence == m_shown->sequence &&
                     row->message == m_shown->message && row->messageLength == m_shown->messageLength;
}

void AnnouncerScreen::watchDatabase() {
    Announcer_DB->watchChanges([screen = QPointer<AnnouncerScreen>(this)] {
        if (screen)
            screen->m_changeRefresh.changed();
    });
}

// The database stays open while the screen is closed by the timer; its
// reports then wait for the next opening, which refreshes anyway.
void AnnouncerScreen::refreshOnChange() {
    if (m_loading || !isVisible() || !Announcer_DB_Open)
        return;
    Refresh_Form();
}

void AnnouncerScreen::Refresh_Form() {
    if (!Announcer_DB_Open)
        return;
    if (m_refreshing) {
        m_refreshAgain = true;
        return;
    }
    m_refreshing = true;
    Announcer_DB->readList(onScreen<std::vector<ListedRow>>(this, [this](const auto& outcome) {
        m_refreshing = false;
        if (outcome.error) {
            noteTrouble(*outcome.error);
        } else {
            m_trouble.clear();
            showTrouble();
            showList(*outcome.value);
        }
        if (std::exchange(m_refreshAgain, false))
            Refresh_Form();
    }));
}

void AnnouncerScreen::showList(const std::vector<ListedRow>& rows) {
    QStringList lines;
    std::vector<Line> listed;
    std::vector<QVariant> keys;
    for (const ListedRow& row : rows) {
        if (!hiddenMessages.isEmpty() && hiddenMessages.isHidden(Announcer_DB_Path, row.key))
            continue;
        const QString start = messageText(row.messageStart);
        lines.append(listLine(row.sequence, start, row.more));
        listed.push_back({row.key, createdTime(row.created)});
        keys.push_back(row.key);
    }
    const int arrived = m_arrivals.listed(Announcer_DB_Path, keys, m_clock());
    QListWidget* list = m_ui->Announcement_List;
    const int currentRow = list->currentRow();
    const int scrollValue = list->verticalScrollBar()->value();
    list->setUpdatesEnabled(false);
    {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(lines);
    }
    m_lines = std::move(listed);
    markNewLines();
    restoreListPosition(currentRow, scrollValue);
    list->setUpdatesEnabled(true);
    if (arrived > 0 && desk::arrivalSoundOn())
        playArrivalSound();
}

// The text stays as it is; only its weight tells a new line.
void AnnouncerScreen::markNewLines() {
    QListWidget* list = m_ui->Announcement_List;
    QFont bold = list->font();
    bold.setBold(true);
    for (int line = 0; line < list->count() && static_cast<size_t>(line) < m_lines.size(); ++line) {
        QListWidgetItem* item = list->item(line);
        if (m_arrivals.isNew(m_lines[line].key))
            item->setFont(bold);
        else if (item->font().bold())
            item->setFont(list->font());
    }
}

QString AnnouncerScreen::lineToolTip(int line) const {
    if (line < 0 || static_cast<size_t>(line) >= m_lines.size())
        return {};
    const Line& shown = m_lines[line];
    const QDateTime arrived = shown.created.isValid() ? shown.created : m_arrivals.firstSeen(shown.key);
    return arrived.isValid() ? arrivalText(arrived, m_clock()) : QString();
}

bool AnnouncerScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || watched != m_ui->Announcement_List->viewport())
        return QDialog::eventFilter(watched, event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int line = m_ui->Announcement_List->indexAt(help->pos()).row();
    const QString tip = lineToolTip(line);
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, m_ui->Announcement_List->viewport());
    return true;
}

// The keyboard cursor and the scroll position survive a rebuild, so the
// announcer can step down the list with the arrow keys and a long list does
// not jump back to the top every five seconds. Nothing stays highlighted.
void AnnouncerScreen::restoreListPosition(int currentRow, int scrollValue) {
    QListWidget* list = m_ui->Announcement_List;
    if (currentRow >= 0 && list->count() > 0) {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(std::min(currentRow, list->count() - 1), QItemSelectionModel::NoUpdate);
    }
    list->verticalScrollBar()->setValue(scrollValue);
}

void AnnouncerScreen::onSelectionChanged() {
    QListWidget* list = m_ui->Announcement_List;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (!selected.isEmpty())
        chooseLine(list->row(selected.first()));
}

void AnnouncerScreen::chooseCurrentLine() { chooseLine(m_ui->Announcement_List->currentRow()); }

void AnnouncerScreen::chooseLine(int line) {
    if (line < 0 || static_cast<size_t>(line) >= m_lines.size())
        return;
    // The choice rebuilds the list, which must not happen inside the list's
    // own mouse or key handling: run it once that has finished.
    const QVariant key = m_lines[line].key;
    m_choicePending = true;
    QMetaObject::invokeMethod(
        this,
        [this, key] {
            m_choicePending = false;
            chooseRow(key);
        },
        Qt::QueuedConnection);
}

void AnnouncerScreen::chooseRow(const QVariant& key) {
    if (!Announcer_DB_Open)
        return;
    m_arrivals.chosen();
    markNewLines();
    Announcer_DB->readRow(key, onScreen<std::optional<ChosenRow>>(this, [this](const auto& outcome) {
        if (outcome.error)
            ui::showMessage(troubleMessage(noteTrouble(*outcome.error), chooseAgain));
        else
            showChosen(*outcome.value);
        Refresh_Form();
    }));
}

// A row gone by the time it was read leaves the display as it was.
void AnnouncerScreen::showChosen(const std::optional<ChosenRow>& row) {
    if (!row)
        return;
    const std::optional<qint16> chosen = chosenNumber(row->sequence);
    if (!chosen)
        return;
    const QString message = messageText(row->message);
    m_ui->Current_Announcement->setPlainText(shownText(message, row->messageLength));
    m_currentSequence = *chosen;
    m_shown = row;
    m_dismissArmed = true;
}

void AnnouncerScreen::dismiss() {
    if (!Announcer_DB_Open || Display_Only)
        return;
    if (!std::exchange(m_dismissArmed, false) || !m_shown) {
        Refresh_Form();
        return;
    }
    const QString message = messageText(m_shown->message);
    DismissedMessage dismissal{Announcer_DB_Path,       m_shown->key, m_shown->sequence, message,
                               message.size() >= m_shown->messageLength, !Announcer_DB->canDeleteRows()};
    // The log line is on the disk before the row is touched, so a crash
    // straight after the dismissal still keeps what was read out.
    if (const auto failure = logEvent(readoutlog::dismissed, dismissal)) {
        m_dismissArmed = true;
        ui::showMessage(QStringLiteral("The message has not been dismissed: the read-out log could not be "
                                       "written (%1).")
                            .arg(*failure));
        return;
    }
    // A file that can only be read here keeps its rows: the message is
    // hidden for the rest of the run instead, and the announcer told once.
    if (dismissal.hiddenOnly) {
        hiddenMessages.hide(Announcer_DB_Path, dismissal.key);
        m_history.push(dismissal);
        hideShownRow();
        Refresh_Form();
        if (hiddenMessages.tellOnce())
            ui::showMessage(readOnlyDismissalMessage);
        return;
    }
    Announcer_DB->deleteRow(dismissal.key, onScreen<bool>(this, [this, dismissal](const auto& outcome) {
                                dismissed(dismissal, outcome);
                            }));
}

// Deleted, or gone already: either way the message is no longer pending,
// and Undo can put it back. A busy or unreachable database deletes
// nothing; the message stays on display, ready to be dismissed again, and
// the log says that its dismissal did not happen.
void AnnouncerScreen::dismissed(const DismissedMessage& dismissal, const store::Outcome<bool>& outcome) {
    const bool stillShown = m_shown && m_shown->key == dismissal.key;
    if (outcome.error) {
        logEvent(readoutlog::notDeleted, dismissal);
        const DatabaseTrouble::Kind kind = noteTrouble(*outcome.error);
        m_dismissArmed = m_dismissArmed || stillShown;
        ui::showMessage(troubleMessage(kind, dismissAgain));
        return;
    }
    m_history.push(dismissal);
    if (stillShown)
        hideShownRow();
    Refresh_Form();
}

// A file that can only be read here shows the hidden message again. Any
// other database gets the message back as a new row (unless an identical
// one is there already); a database that does not allow that is named
// plainly, and the dismissal stays in the history and in the log.
void AnnouncerScreen::undoDismissal() {
    if (!Announcer_DB_Open || Display_Only)
        return;
    std::optional<DismissedMessage> dismissal = m_history.take(Announcer_DB_Path);
    if (!dismissal) {
        ui::showMessage(QStringLiteral("There is no dismissal to undo."));
        return;
    }
    if (dismissal->hiddenOnly) {
        hiddenMessages.unhide(Announcer_DB_Path, dismissal->key);
        restored(*dismissal, {dismissal->key, std::nullopt});
        return;
    }
    if (!dismissal->whole) {
        ui::showMessage(QStringLiteral("This message is too long to be put back. Its start is in the read-out "
                                       "log (Ctrl+H)."));
        return;
    }
    Announcer_DB->restoreRow(dismissal->sequence, dismissal->message,
                             onScreen<QVariant>(this, [this, dismissal = *dismissal](const auto& outcome) {
                                 restored(dismissal, outcome);
                             }));
}

void AnnouncerScreen::restored(const DismissedMessage& dismissal, const store::Outcome<QVariant>& outcome) {
    if (outcome.error) {
        m_history.putBack(dismissal);
        const DatabaseTrouble::Kind kind = DatabaseTrouble::kindOf(*outcome.error);
        if (kind != DatabaseTrouble::Kind::None) {
            noteTrouble(*outcome.error);
            ui::showMessage(troubleMessage(kind, undoAgain));
        } else {
            ui::showMessage(QStringLiteral("The dismissal cannot be undone: this announcer database does not let "
                                           "kelvane add the message back (%1). The message is in today's "
                                           "read-out log (Ctrl+H).")
                                .arg(outcome.error->description()));
        }
        return;
    }
    m_arrivals.known(*outcome.value, m_clock());
    Refresh_Form();
    if (const auto failure = logEvent(readoutlog::undone, dismissal))
        ui::showMessage(QStringLiteral("The message is back, but the read-out log could not be written (%1).")
                            .arg(*failure));
}

std::optional<QString> AnnouncerScreen::logEvent(const QString& event, const DismissedMessage& dismissal) {
    return readoutlog::append({m_clock(), event, dismissal.database, readoutlog::rowText(dismissal.key),
                               dismissal.sequence, dismissal.message});
}

void AnnouncerScreen::hideShownRow() {
    m_ui->Current_Announcement->clear();
    m_shown.reset();
}

DatabaseTrouble::Kind AnnouncerScreen::noteTrouble(const store::KelvaneError& error) {
    const DatabaseTrouble::Kind kind = DatabaseTrouble::kindOf(error);
    if (kind == DatabaseTrouble::Kind::None)
        throw error;
    m_trouble.note(kind, QDateTime::currentDateTime());
    showTrouble();
    if (kind == DatabaseTrouble::Kind::Unreachable && isVisible())
        m_retry.start();
    return kind;
}

void AnnouncerScreen::showTrouble() {
    setWindowTitle(m_designedCaption + (Display_Only ? displayOnlyNote : QString()) +
                   m_trouble.captionNote(QDateTime::currentDateTime()));
}

// The chosen message and the list grow and shrink together; the size is
// remembered for the next run.
void AnnouncerScreen::setReadingPoints(double points) {
    for (QWidget* text : {static_cast<QWidget*>(m_ui->Current_Announcement),
                          static_cast<QWidget*>(m_ui->Announcement_List)}) {
        QFont font = text->font();
        font.setPointSizeF(points);
        text->setFont(font);
    }
    markNewLines();
    if (points != desk::readingPoints())
        desk::rememberReadingPoints(points);
}

void AnnouncerScreen::toggleArrivalSound() {
    const bool on = !desk::arrivalSoundOn();
    desk::setArrivalSoundOn(on);
    ui::showMessage(on ? QStringLiteral("A new message now arrives with a short sound.")
                       : QStringLiteral("New messages now arrive without a sound."));
}

void AnnouncerScreen::showKeys() {
    KeysWindow keys(this);
    keys.exec();
}

void AnnouncerScreen::showReadOutToday() {
    ReadOutToday readOuts(
        readoutlog::readOuts(readoutlog::read(readoutlog::fileOf(m_clock().date()))), this);
    readOuts.exec();
}

void AnnouncerScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    closeKeepingDatabase();
}

void AnnouncerScreen::closeKeepingDatabase() {
    m_timer1.stop();
    m_retry.stop();
    done(QDialog::Rejected);
}

void AnnouncerScreen::exitScreen() {
    closeAnnouncerDatabase();
    m_timer1.stop();
    m_retry.stop();
    done(QDialog::Accepted);
}

void AnnouncerScreen::timerTick() {
    if (m_loading)
        return;
    if (!Announcer_DB_Open) {
        closeKeepingDatabase();
        return;
    }
    if (!File_Exists(Announcer_DB_Path)) {
        // The file vanished: let go of it too, so a later opening reads
        // what the path names then.
        closeAnnouncerDatabase();
        closeKeepingDatabase();
        return;
    }
    if (!announcerDatabaseIsFileAt(Announcer_DB_Path)) {
        reopen();
        return;
    }
    Refresh_Form();
}
