#include "announcerscreen.h"

#include "announcerdatabase.h"
#include "fileprobe.h"
#include "hiddenmessages.h"
#include "locatedatabase.h"
#include "messagelines.h"
#include "textsplit.h"

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

// Opens "Sorted Announcements" into Announcement_Recordset and closes it
// again however the walk ends.
class SortedAnnouncements {
public:
    SortedAnnouncements() { Announcement_Recordset = Announcer_DB->openRecordset(sortedAnnouncements); }
    ~SortedAnnouncements() {
        if (Announcement_Recordset) {
            Announcement_Recordset->close();
            Announcement_Recordset.reset();
        }
    }
    store::RecordSet& rows() { return *Announcement_Recordset; }
    SortedAnnouncements(const SortedAnnouncements&) = delete;
    SortedAnnouncements& operator=(const SortedAnnouncements&) = delete;
};

// Calls visit for every row, from the first to the end, unless there is none.
template <class Visit>
void forEachRow(store::RecordSet& rows, Visit visit) {
    if (rows.recordCount() <= 0)
        return;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext())
        visit(rows);
}

// Like forEachRow, but passes over the messages dismissed from a file that
// can only be read here.
template <class Visit>
void forEachShownRow(store::RecordSet& rows, Visit visit) {
    forEachRow(rows, [&](store::RecordSet& row) {
        if (hiddenMessages.isEmpty() ||
            !hiddenMessages.isHidden(Announcer_DB->path(), row.value(sequenceField),
                                     row.value(messageField).toString()))
            visit(row);
    });
}

} // namespace

AnnouncerScreen::AnnouncerScreen(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AnnouncerScreen>()) {
    m_ui->setupUi(this);
    ui::applyDesignedFonts(this);
    // The corner between the message box's two scroll bars belongs to the
    // box, not to the yellow window around it.
    auto* corner = new QWidget;
    corner->setAutoFillBackground(true);
    corner->setBackgroundRole(QPalette::Base);
    m_ui->Current_Announcement->setCornerWidget(corner);
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    connect(&m_timer1, &QTimer::timeout, this, &AnnouncerScreen::timerTick);
    connect(m_ui->Announcement_List, &QListWidget::itemSelectionChanged, this,
            &AnnouncerScreen::onSelectionChanged);
    connect(m_ui->Command2, &QPushButton::clicked, this, &AnnouncerScreen::dismiss);
    connect(m_ui->Command1, &QPushButton::clicked, this, &AnnouncerScreen::exitScreen);
}

AnnouncerScreen::~AnnouncerScreen() = default;

void AnnouncerScreen::showModal() {
    m_ui->Announcement_List->clear();
    m_lineSequences.clear();
    m_ui->Current_Announcement->clear();
    m_dismissArmed = false;
    m_ui->Command1->setFocus();
    m_timer1.start(storedTimerIntervalMs);
    load();
    exec();
    m_timer1.stop();
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
        openAnnouncerDatabase();
    }
    watchDatabase();
    Refresh_Form();
    m_timer1.start(refreshIntervalMs);
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
    QStringList lines;
    std::vector<QVariant> sequences;
    {
        SortedAnnouncements announcements;
        forEachShownRow(announcements.rows(), [&](store::RecordSet& row) {
            const QVariant sequence = row.value(sequenceField);
            lines.append(listLine(sequence, messageText(row.value(messageField))));
            sequences.push_back(sequence);
        });
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
    m_lineSequences = std::move(sequences);
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
    if (row < 0 || static_cast<size_t>(row) >= m_lineSequences.size())
        return;
    // The choice rebuilds the list, which must not happen inside the list's
    // own mouse or key handling: run it once that has finished.
    const QVariant sequence = m_lineSequences[row];
    QMetaObject::invokeMethod(
        this, [this, sequence] { chooseSequence(sequence); }, Qt::QueuedConnection);
}

void AnnouncerScreen::chooseSequence(const QVariant& sequence) {
    if (!Announcer_DB_Open)
        return;
    const std::optional<qint16> chosen = chosenNumber(sequence);
    if (chosen) {
        SortedAnnouncements announcements;
        forEachShownRow(announcements.rows(), [&](store::RecordSet& row) {
            if (!sameSequence(row.value(sequenceField), *chosen))
                return;
            m_ui->Current_Announcement->setPlainText(
                displayText(messageText(row.value(messageField))));
            m_currentSequence = *chosen;
            m_dismissArmed = true;
        });
    }
    Refresh_Form();
}

void AnnouncerScreen::dismiss() {
    if (!Announcer_DB_Open)
        return;
    const bool armed = std::exchange(m_dismissArmed, false);
    // A file that can only be read here keeps its rows: they are hidden
    // for the rest of the run instead, and the announcer is told so once.
    const bool canDelete = Announcer_DB->canDeleteRows();
    bool hidden = false;
    if (armed) {
        SortedAnnouncements announcements;
        forEachShownRow(announcements.rows(), [&](store::RecordSet& row) {
            const QVariant sequence = row.value(sequenceField);
            if (!sameSequence(sequence, m_currentSequence))
                return;
            if (canDelete) {
                row.deleteCurrent();
            } else {
                hiddenMessages.hide(Announcer_DB->path(), sequence, row.value(messageField).toString());
                hidden = true;
            }
            m_ui->Current_Announcement->clear();
        });
    }
    Refresh_Form();
    if (hidden && hiddenMessages.tellOnce())
        ui::showMessage(readOnlyDismissalMessage);
}

void AnnouncerScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    m_timer1.stop();
    done(QDialog::Rejected);
}

void AnnouncerScreen::exitScreen() {
    closeAnnouncerDatabase();
    m_timer1.stop();
    done(QDialog::Accepted);
}

void AnnouncerScreen::timerTick() {
    if (m_loading)
        return;
    if (!Announcer_DB_Open) {
        m_timer1.stop();
        done(QDialog::Rejected);
        return;
    }
    if (!File_Exists(Announcer_DB_Path) || !announcerDatabaseIsFileAt(Announcer_DB_Path)) {
        // The file vanished, or another file now stands at its path: let go
        // of the old one too, so the screen never goes on showing messages
        // nobody writes any more, and a later opening reads what the path
        // names.
        closeAnnouncerDatabase();
        m_timer1.stop();
        done(QDialog::Rejected);
        return;
    }
    Refresh_Form();
}
