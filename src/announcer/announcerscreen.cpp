#include "announcerscreen.h"

#include "fileprobe.h"
#include "hiddenmessages.h"
#include "locatedatabase.h"
#include "messagelines.h"

#include "ui/fonts.h"
#include "ui/messagebox.h"
#include "ui_announcerscreen.h"

#include <QCloseEvent>
#include <QPointer>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStringList>

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
}

AnnouncerScreen::~AnnouncerScreen() = default;

bool AnnouncerScreen::isSettled() const {
    return !m_refreshAgain && !m_choicePending && (!Announcer_DB || Announcer_DB->pending() == 0);
}

void AnnouncerScreen::showModal() {
    m_ui->Announcement_List->clear();
    m_lineKeys.clear();
    m_ui->Current_Announcement->clear();
    m_dismissArmed = false;
    m_shown.reset();
    m_trouble.clear();
    showTrouble();
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
    std::vector<QVariant> keys;
    for (const ListedRow& row : rows) {
        if (!hiddenMessages.isEmpty() && hiddenMessages.isHidden(Announcer_DB_Path, row.key))
            continue;
        const QString start = messageText(row.messageStart);
        lines.append(listLine(row.sequence, start, row.more));
        keys.push_back(row.key);
    }
    QListWidget* list = m_ui->Announcement_List;
    const int currentRow = list->currentRow();
    const int scrollValue = list->verticalScrollBar()->value();
    list->setUpdatesEnabled(false);
    {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(lines);
    }
    m_lineKeys = std::move(keys);
    restoreListPosition(currentRow, scrollValue);
    list->setUpdatesEnabled(true);
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
    if (selected.isEmpty())
        return;
    const int row = list->row(selected.first());
    if (row < 0 || static_cast<size_t>(row) >= m_lineKeys.size())
        return;
    // The choice rebuilds the list, which must not happen inside the list's
    // own mouse or key handling: run it once that has finished.
    const QVariant key = m_lineKeys[row];
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
    if (!Announcer_DB_Open)
        return;
    if (!std::exchange(m_dismissArmed, false) || !m_shown) {
        Refresh_Form();
        return;
    }
    // A file that can only be read here keeps its rows: the message is
    // hidden for the rest of the run instead, and the announcer told once.
    if (!Announcer_DB->canDeleteRows()) {
        hiddenMessages.hide(Announcer_DB_Path, m_shown->key);
        hideShownRow();
        Refresh_Form();
        if (hiddenMessages.tellOnce())
            ui::showMessage(readOnlyDismissalMessage);
        return;
    }
    const QVariant key = m_shown->key;
    Announcer_DB->deleteRow(key, onScreen<bool>(this, [this, key](const auto& outcome) { dismissed(key, outcome); }));
}

// Deleted, or gone already: either way the message is no longer pending.
// A busy or unreachable database deletes nothing; the message stays on
// display, ready to be dismissed again.
void AnnouncerScreen::dismissed(const QVariant& key, const store::Outcome<bool>& outcome) {
    const bool stillShown = m_shown && m_shown->key == key;
    if (outcome.error) {
        const DatabaseTrouble::Kind kind = noteTrouble(*outcome.error);
        m_dismissArmed = m_dismissArmed || stillShown;
        ui::showMessage(troubleMessage(kind, dismissAgain));
        return;
    }
    if (stillShown)
        hideShownRow();
    Refresh_Form();
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
    setWindowTitle(m_designedCaption + m_trouble.captionNote(QDateTime::currentDateTime()));
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
