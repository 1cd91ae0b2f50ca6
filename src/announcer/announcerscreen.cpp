#include "announcerscreen.h"

#include "keyswindow.h"
#include "locatedatabase.h"
#include "plannedwindow.h"
#include "readouttoday.h"
#include "stationwindow.h"

#include "desk/desksettings.h"
#include "desk/readoutlog.h"
#include "ui/fonts.h"
#include "ui/messagebox.h"
#include "ui_announcerscreen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QScrollBar>
#include <QShortcut>
#include <QStyledItemDelegate>

namespace {

constexpr int storedTimerIntervalMs = 360;

// A new message's line is drawn in bold. An urgent one says so in front
// and is drawn in red on pink, so that it is told by its word as well as
// its colour.
class NewLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font.setBold(index.data(desk::MessageList::NewRole).toBool());
        option->fontMetrics = QFontMetrics(option->font);
        if (index.data(desk::MessageList::UrgentRole).toBool()) {
            option->text = AnnouncerScreen::tr("URGENT") + QStringLiteral("  ") + option->text;
            option->palette.setColor(QPalette::Text, QColor(0x9c, 0x1c, 0x14));
            option->backgroundBrush = QColor(0xfd, 0xe2, 0xde);
        }
    }
};

} // namespace

AnnouncerScreen::AnnouncerScreen(desk::AnnouncerDesk& desk, station::StationServer& station,
                                 desk::PlannedSheet* planned, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AnnouncerScreen>())
    , m_desk(desk)
    , m_station(station)
    , m_planned(planned) {
    m_ui->setupUi(this);
    ui::applyDesignedFonts(this);
    m_designedCaption = windowTitle();
    // The corner between the message box's two scroll bars belongs to the
    // box, not to the yellow window around it.
    auto* corner = new QWidget;
    corner->setAutoFillBackground(true);
    corner->setBackgroundRole(QPalette::Base);
    m_ui->Current_Announcement->setCornerWidget(corner);
    QListView* list = m_ui->Announcement_List;
    // Before the list's own connections, so that the list never sees its
    // cursor on a line that goes.
    connect(m_desk.messages(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
            &AnnouncerScreen::handOnCursor);
    list->setModel(m_desk.messages());
    list->setItemDelegate(new NewLineDelegate(list));
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    connect(&m_timer1, &QTimer::timeout, this, &AnnouncerScreen::timerTick);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AnnouncerScreen::onSelectionChanged);
    connect(&m_desk, &desk::AnnouncerDesk::listChanged, this, &AnnouncerScreen::showList);
    connect(&m_display, &desk::DeskDisplay::shownChanged, this, &AnnouncerScreen::showShown);
    connect(&m_desk, &desk::AnnouncerDesk::conditionChanged, this, &AnnouncerScreen::showCaption);
    connect(&m_station, &station::StationServer::listeningChanged, this,
            &AnnouncerScreen::showCaption);
    connect(&m_station, &station::StationServer::pagesChanged, this, &AnnouncerScreen::showCaption);
    connect(&m_station.caption(), &station::CaptionScreen::changed, this,
            &AnnouncerScreen::showCaption);
    connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &AnnouncerScreen::listScrolled);
    m_ui->Current_Announcement->installEventFilter(this);
    const auto post = [this](const QString& text) { ui::postMessage(text, this); };
    connect(&m_desk, &desk::AnnouncerDesk::notice, this, post);
    connect(&m_display, &desk::DeskDisplay::notice, this, post);
    connect(&m_desk, &desk::AnnouncerDesk::arrived, this, &AnnouncerScreen::noticeArrivals);
    connect(&m_desk, &desk::AnnouncerDesk::closed, this, &AnnouncerScreen::deskClosed);
    connect(&m_desk.settings(), &desk::DeskSettings::changed, this,
            &AnnouncerScreen::showReadingPoints);
    connect(m_ui->Command2, &QPushButton::clicked, this, [this] { m_display.dismiss(); });
    connect(m_ui->Command1, &QPushButton::clicked, this, &AnnouncerScreen::exitScreen);
    addShortcuts();
}

AnnouncerScreen::~AnnouncerScreen() = default;

// Window-wide keys give way to the message box's own editing keys (Delete,
// Ctrl+Z) while it has the focus.
void AnnouncerScreen::addShortcuts() {
    const auto onKeys = [this](const QList<QKeySequence>& keys, auto action,
                               QWidget* where = nullptr) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, where ? where : this);
            shortcut->setContext(where ? Qt::WidgetShortcut : Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, this, action);
        }
    };
    onKeys({Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}, &AnnouncerScreen::chooseCurrentLine,
           m_ui->Announcement_List);
    onKeys({Qt::Key_Delete}, [this] { m_display.dismiss(); });
    onKeys({QKeySequence::Undo}, [this] { m_display.undo(); });
    onKeys({Qt::Key_F5}, [this] { m_desk.refresh(); });
    onKeys({Qt::Key_F1}, &AnnouncerScreen::showKeys);
    onKeys({Qt::CTRL | Qt::Key_H}, &AnnouncerScreen::showReadOutToday);
    onKeys({Qt::Key_F9}, &AnnouncerScreen::showStation);
    onKeys({Qt::Key_F7}, [this] { m_station.caption().toggleVoiceHeldBack(); });
    onKeys({Qt::Key_F6}, [this] { m_station.caption().setBlank(!m_station.caption().isBlank()); });
    onKeys({Qt::Key_F8}, &AnnouncerScreen::showPlanned);
    onKeys({Qt::CTRL | Qt::Key_B}, &AnnouncerScreen::toggleArrivalSound);
    onKeys({accessKeys().screenExit}, &AnnouncerScreen::exitScreen);
    desk::DeskSettings& settings = m_desk.settings();
    onKeys({QKeySequence::ZoomIn, Qt::CTRL | Qt::Key_Equal}, [&settings] {
        settings.rememberReadingPoints(desk::largerReadingPoints(settings.readingPoints()));
    });
    onKeys({QKeySequence::ZoomOut}, [&settings] {
        settings.rememberReadingPoints(desk::smallerReadingPoints(settings.readingPoints()));
    });
    onKeys({Qt::CTRL | Qt::Key_0},
           [&settings] { settings.rememberReadingPoints(desk::designedReadingPoints); });
}

void AnnouncerScreen::showModal(const QString& path, Entry entry) {
    m_closeReason.clear();
    m_ui->Command2->setEnabled(!m_desk.displayOnly());
    showReadingPoints();
    // The arrow keys and Delete work at once.
    m_ui->Announcement_List->setFocus();
    m_timer1.start(storedTimerIntervalMs);
    load(path, entry);
    // While the window is open it is a view of the desk, which looks at its
    // file; closed, it asks nothing of the database.
    m_desk.attachView();
    m_desk.setLooking(true);
    exec();
    m_desk.setLooking(false);
    m_desk.detachView();
    m_timer1.stop();
    if (!m_closeReason.isEmpty())
        ui::showMessage(m_closeReason);
}

void AnnouncerScreen::load(const QString& path, Entry entry) {
    // Ticks that arrive while the locate step's windows are open must not
    // close the screen under them; the load sets the timer itself.
    m_loading = true;
    const auto loaded = qScopeGuard([this] { m_loading = false; });
    QString located = path;
    if (entry != Entry::Checked && !m_desk.isFileAt(path)) {
        // A file an earlier opening left open is let go first: a locate
        // step that ends with no file must leave nothing to list or dismiss.
        m_desk.close();
        const std::optional<QString> found = locateAnnouncerDatabase(path, m_timer1);
        if (!found)
            return;
        located = *found;
    }
    m_desk.open(located);
    m_timer1.stop();
}

// The list's rows change in place, so its cursor stays with the line it
// was on; the cursor stays on the message on display, so what it marks is
// what Delete dismisses. A line that goes hands the cursor on to the line
// that takes its place (the one after it, else the one before), quietly:
// the list neither scrolls to it nor chooses it, as it would do by itself.
void AnnouncerScreen::handOnCursor(const QModelIndex& /*parent*/, int first, int last) {
    const int row = m_ui->Announcement_List->currentIndex().row();
    if (row < first || row > last)
        return;
    putCursorOn(last + 1 < m_desk.messages()->rowCount() ? last + 1 : first - 1);
}

// Lines that came or went above the line at the top of a scrolled list
// leave it there, so a long list does not creep under the announcer's
// eyes; a list at its start stays at its start, new lines at the top in
// view. The cursor goes to the message on display once it is listed (a
// message Undo put back is shown before the listing that has it); else the
// arrow keys and Enter start from the first line.
void AnnouncerScreen::showList() {
    QListView* list = m_ui->Announcement_List;
    const QPersistentModelIndex top = m_topLine;
    if (top.isValid())
        list->scrollTo(top, QAbstractItemView::PositionAtTop);
    const int shown = m_desk.messages()->rowOf(m_display.shownKey());
    if (shown >= 0)
        putCursorOn(shown);
    else if (!list->currentIndex().isValid())
        putCursorOn(0);
    lookForUnseenArrivals();
}

void AnnouncerScreen::listScrolled(int value) {
    m_topLine = value > 0 ? m_ui->Announcement_List->indexAt(QPoint(0, 0)) : QModelIndex();
    lookForUnseenArrivals();
}

void AnnouncerScreen::putCursorOn(int row) {
    if (row < 0 || row >= m_desk.messages()->rowCount())
        return;
    QItemSelectionModel* selection = m_ui->Announcement_List->selectionModel();
    const QSignalBlocker quiet(selection);
    selection->setCurrentIndex(m_desk.messages()->index(row), QItemSelectionModel::NoUpdate);
}

void AnnouncerScreen::showShown() {
    m_ui->Current_Announcement->setPlainText(m_display.shownText());
    putCursorOn(m_desk.messages()->rowOf(m_display.shownKey()));
}

void AnnouncerScreen::showCaption() {
    setWindowTitle(m_designedCaption + m_urgentNote +
                   (m_desk.displayOnly() ? tr(" \u2013 display only") : QString()) +
                   conditionNote() + m_unseenNote + stationNote());
}

QString AnnouncerScreen::conditionNote() const {
    QString note;
    for (const QString& part : desk::conditionNotes(m_desk.condition()))
        note += QStringLiteral(" \u2014 ") + part;
    return note;
}

// The station runs on with its window closed, and the caption says so,
// and what the caption screen does not show.
QString AnnouncerScreen::stationNote() const {
    if (!m_station.isListening())
        return {};
    const int pages = static_cast<int>(m_station.pages().size());
    QString note = tr(" \u2014 browser station on, pages connected: %n", nullptr, pages);
    const station::CaptionScreen& caption = m_station.caption();
    if (caption.isBlank())
        note += tr(" \u2014 caption screen blanked");
    else if (caption.isHeldBack(caption.voiceKey()))
        note += tr(" \u2014 held back from the caption screen");
    return note;
}

// A new message that arrives out of sight is counted in the caption
// until it has been in view (or is chosen); its line stays bold until it
// is itself shown.
void AnnouncerScreen::lookForUnseenArrivals() {
    if (!isVisible())
        return;
    const QListView* list = m_ui->Announcement_List;
    const desk::MessageList* messages = m_desk.messages();
    // The list lays out rows it was given at its next turn; asking where
    // one is lays them out now, so that what is in view is known.
    list->visualRect(messages->index(0));
    const int first = list->indexAt(QPoint(0, 0)).row();
    const int lastVisible = list->indexAt(QPoint(0, list->viewport()->height() - 1)).row();
    const int last = lastVisible < 0 ? messages->rowCount() - 1 : lastVisible;
    QSet<store::RowKey> inView;
    int above = 0;
    int below = 0;
    int urgent = 0;
    for (int row = 0; row < messages->rowCount(); ++row) {
        const QModelIndex line = messages->index(row);
        if (!line.data(desk::MessageList::NewRole).toBool())
            continue;
        urgent += line.data(desk::MessageList::UrgentRole).toBool() ? 1 : 0;
        const auto key = line.data(desk::MessageList::KeyRole).value<store::RowKey>();
        if (m_inView.contains(key) || (first >= 0 && row >= first && row <= last))
            inView.insert(key);
        else if (row < first)
            ++above;
        else
            ++below;
    }
    m_inView = std::move(inView);
    QString note;
    if (below > 0)
        note += tr(" \u2014 %n new below", nullptr, below);
    if (above > 0)
        note += tr(" \u2014 %n new above", nullptr, above);
    const QString urgentNote =
        urgent > 0 ? tr(" \u2014 URGENT, not yet shown: %n", nullptr, urgent) : QString();
    if (note != m_unseenNote || urgentNote != m_urgentNote) {
        m_unseenNote = note;
        m_urgentNote = urgentNote;
        showCaption();
    }
}

void AnnouncerScreen::onSelectionChanged() {
    const QModelIndexList selected = m_ui->Announcement_List->selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        chooseLine(selected.first().row());
}

void AnnouncerScreen::chooseCurrentLine() {
    chooseLine(m_ui->Announcement_List->currentIndex().row());
}

void AnnouncerScreen::chooseLine(int line) {
    const desk::MessageList::Line* chosen = m_desk.messages()->line(line);
    if (!chosen)
        return;
    // The choice lists the messages again, which must not happen inside
    // the list's own mouse or key handling: it runs once that has finished.
    m_choicePending = true;
    QMetaObject::invokeMethod(
        this,
        [this, key = chosen->key] {
            m_choicePending = false;
            // Nothing stays highlighted, so the same line can be chosen again.
            m_ui->Announcement_List->selectionModel()->clearSelection();
            m_display.choose(key);
        },
        Qt::QueuedConnection);
}

// The chosen message and the list grow and shrink together; the keys
// change the size in the settings, which remember it for the next run and
// have it shown. Enlarged text
// wraps at word boundaries, so the whole message can be read without
// scrolling sideways; at the designed size the box is as designed.
void AnnouncerScreen::showReadingPoints() {
    const double points = m_desk.settings().readingPoints();
    for (QWidget* text : {static_cast<QWidget*>(m_ui->Current_Announcement),
                          static_cast<QWidget*>(m_ui->Announcement_List)}) {
        QFont font = text->font();
        font.setPointSizeF(points);
        text->setFont(font);
    }
    QPlainTextEdit* message = m_ui->Current_Announcement;
    message->setWordWrapMode(QTextOption::WordWrap);
    message->setLineWrapMode(points > desk::designedReadingPoints ? QPlainTextEdit::WidgetWidth
                                                                  : QPlainTextEdit::NoWrap);
}

// An urgent message is noticed even with the sound off: the window asks
// for attention (its entry in the task bar flashes) and the caption counts
// urgent messages not yet shown.
void AnnouncerScreen::noticeArrivals(int count, int urgent) {
    if (!isVisible() || count == 0)
        return;
    if (urgent > 0)
        QApplication::alert(this);
    if (m_desk.settings().arrivalSoundOn())
        playArrivalSound();
}

// The system's bell, or the sound file the settings name when it can be
// played.
void AnnouncerScreen::playArrivalSound() {
    const QString file = m_desk.settings().arrivalSoundFile();
    if (file.isEmpty() ||
        !QProcess::startDetached(QStringLiteral("aplay"), desk::arrivalSoundArguments(file)))
        QApplication::beep();
}

void AnnouncerScreen::toggleArrivalSound() {
    const bool on = !m_desk.settings().arrivalSoundOn();
    m_desk.settings().setArrivalSoundOn(on);
    ui::showMessage(on ? tr("A new message now arrives with a short sound.")
                       : tr("New messages now arrive without a sound."));
}

void AnnouncerScreen::showKeys() {
    KeysWindow keys(this);
    keys.exec();
}

void AnnouncerScreen::showReadOutToday() {
    ReadOutToday readOuts(desk::readoutlog::readOuts(desk::readoutlog::read(
                              desk::readoutlog::fileOf(m_desk.now().date()))),
                          m_desk.settings().sentSequences(), this);
    readOuts.exec();
}

// The station window stays open beside the screen while the announcer works.
void AnnouncerScreen::showStation() {
    if (!m_stationWindow)
        m_stationWindow = new StationWindow(m_station, this);
    m_stationWindow->show();
    m_stationWindow->raise();
    m_stationWindow->activateWindow();
}

// The planned messages too stay open beside the screen.
void AnnouncerScreen::showPlanned() {
    if (!m_planned)
        return;
    if (!m_plannedWindow)
        m_plannedWindow = new PlannedWindow(*m_planned, this);
    m_plannedWindow->show();
    m_plannedWindow->raise();
    m_plannedWindow->activateWindow();
}

// The announcer edits in the message box once it holds a change or a
// selection of theirs; until then Delete and Ctrl+Z there act on the desk.
bool AnnouncerScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->Current_Announcement && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool deskKey = key->matches(QKeySequence::Undo) ||
                             (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier);
        const QPlainTextEdit* message = m_ui->Current_Announcement;
        const bool editing =
            message->document()->isModified() || message->textCursor().hasSelection();
        if (deskKey && !editing) {
            event->ignore();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AnnouncerScreen::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    lookForUnseenArrivals();
}

void AnnouncerScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    closeKeepingDatabase();
}

void AnnouncerScreen::closeKeepingDatabase() {
    m_timer1.stop();
    done(QDialog::Rejected);
}

void AnnouncerScreen::exitScreen() {
    m_desk.close();
    m_timer1.stop();
    done(QDialog::Accepted);
}

// The desk let go of its database (the file vanished or is no database
// now): the screen closes, and says why once it has.
void AnnouncerScreen::deskClosed(const QString& reason) {
    m_closeReason = reason;
    if (isVisible())
        closeKeepingDatabase();
}

void AnnouncerScreen::timerTick() {
    if (!m_loading && !m_desk.isOpen())
        closeKeepingDatabase();
}
