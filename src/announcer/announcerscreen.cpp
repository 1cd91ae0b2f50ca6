#include "announcerscreen.h"

#include "keyswindow.h"
#include "locatedatabase.h"
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
constexpr int refreshIntervalMs = 5000;

// A new message's line is drawn in bold; its text stays as it is.
class NewLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font.setBold(index.data(MessageList::NewRole).toBool());
        option->fontMetrics = QFontMetrics(option->font);
    }
};

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
    QListView* list = m_ui->Announcement_List;
    list->setModel(m_desk.messages());
    list->setItemDelegate(new NewLineDelegate(list));
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    connect(&m_timer1, &QTimer::timeout, this, &AnnouncerScreen::timerTick);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AnnouncerScreen::onSelectionChanged);
    connect(m_desk.messages(), &QAbstractItemModel::modelAboutToBeReset, this,
            &AnnouncerScreen::keepListPosition);
    connect(m_desk.messages(), &QAbstractItemModel::modelReset, this,
            &AnnouncerScreen::restoreListPosition);
    connect(&m_desk, &AnnouncerDesk::shownChanged, this, &AnnouncerScreen::showShown);
    connect(&m_desk, &AnnouncerDesk::captionChanged, this, &AnnouncerScreen::showCaption);
    connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &AnnouncerScreen::lookForUnseenArrivals);
    m_ui->Current_Announcement->installEventFilter(this);
    connect(&m_desk, &AnnouncerDesk::notice, this,
            [this](const QString& text) { ui::postMessage(text, this); });
    connect(&m_desk, &AnnouncerDesk::arrived, this, &AnnouncerScreen::playArrivalSound);
    connect(&m_desk, &AnnouncerDesk::closed, this, &AnnouncerScreen::deskClosed);
    connect(m_ui->Command2, &QPushButton::clicked, this, [this] { m_desk.dismiss(); });
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
    onKeys({Qt::Key_Delete}, [this] { m_desk.dismiss(); });
    onKeys({QKeySequence::Undo}, [this] { m_desk.undo(); });
    onKeys({Qt::Key_F5}, [this] { m_desk.refresh(); });
    onKeys({Qt::Key_F1}, &AnnouncerScreen::showKeys);
    onKeys({Qt::CTRL | Qt::Key_H}, &AnnouncerScreen::showReadOutToday);
    onKeys({Qt::Key_F9}, &AnnouncerScreen::showStation);
    onKeys({Qt::CTRL | Qt::Key_B}, &AnnouncerScreen::toggleArrivalSound);
    onKeys({Qt::ALT | Qt::Key_X}, &AnnouncerScreen::exitScreen);
    onKeys({QKeySequence::ZoomIn, Qt::CTRL | Qt::Key_Equal},
           [this] { setReadingPoints(desk::largerReadingPoints(desk::readingPoints())); });
    onKeys({QKeySequence::ZoomOut},
           [this] { setReadingPoints(desk::smallerReadingPoints(desk::readingPoints())); });
    onKeys({Qt::CTRL | Qt::Key_0}, [this] { setReadingPoints(desk::designedReadingPoints); });
}

void AnnouncerScreen::showModal(const QString& path, Entry entry) {
    m_closeReason.clear();
    m_ui->Command2->setEnabled(!m_desk.displayOnly());
    setReadingPoints(desk::readingPoints());
    // The arrow keys and Delete work at once.
    m_ui->Announcement_List->setFocus();
    m_timer1.start(storedTimerIntervalMs);
    load(path, entry);
    // While the window is open it is a view of the desk; closed, it asks
    // nothing of the database.
    m_desk.attachView();
    exec();
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
    m_timer1.start(refreshIntervalMs);
}

// The keyboard cursor and the scroll position survive a new listing, so
// the announcer can step down the list with the arrow keys and a long list
// does not jump back to the top every five seconds. The cursor stays on
// the message on display, so what it marks is what Delete dismisses;
// without one, on the line it was on. Nothing stays highlighted.
void AnnouncerScreen::keepListPosition() {
    const QModelIndex current = m_ui->Announcement_List->currentIndex();
    m_listRow = current.row();
    m_listKey = current.data(MessageList::KeyRole).value<store::RowKey>();
    m_listScroll = m_ui->Announcement_List->verticalScrollBar()->value();
}

void AnnouncerScreen::restoreListPosition() {
    const MessageList* messages = m_desk.messages();
    int row = messages->rowOf(m_desk.shownKey());
    if (row < 0)
        row = messages->rowOf(m_listKey);
    if (row < 0)
        row = std::min(std::max(m_listRow, 0), messages->rowCount() - 1);
    m_ui->Announcement_List->verticalScrollBar()->setValue(m_listScroll);
    putCursorOn(row);
    lookForUnseenArrivals();
}

void AnnouncerScreen::putCursorOn(int row) {
    if (row < 0)
        return;
    QItemSelectionModel* selection = m_ui->Announcement_List->selectionModel();
    const QSignalBlocker quiet(selection);
    selection->setCurrentIndex(m_desk.messages()->index(row), QItemSelectionModel::NoUpdate);
}

void AnnouncerScreen::showShown() {
    m_ui->Current_Announcement->setPlainText(m_desk.shownText());
    putCursorOn(m_desk.messages()->rowOf(m_desk.shownKey()));
}

void AnnouncerScreen::showCaption() {
    setWindowTitle(m_designedCaption +
                   (m_desk.displayOnly() ? tr(" \u2013 display only") : QString()) +
                   m_desk.captionNote() + m_unseenNote);
}

// A new message that arrives out of sight is counted in the caption
// until it has been in view (or is chosen); its line stays bold until it
// is itself shown.
void AnnouncerScreen::lookForUnseenArrivals() {
    if (!isVisible())
        return;
    const QListView* list = m_ui->Announcement_List;
    const MessageList* messages = m_desk.messages();
    const int first = list->indexAt(QPoint(0, 0)).row();
    const int lastVisible = list->indexAt(QPoint(0, list->viewport()->height() - 1)).row();
    const int last = lastVisible < 0 ? messages->rowCount() - 1 : lastVisible;
    QSet<store::RowKey> inView;
    int above = 0;
    int below = 0;
    for (int row = 0; row < messages->rowCount(); ++row) {
        const QModelIndex line = messages->index(row);
        if (!line.data(MessageList::NewRole).toBool())
            continue;
        const auto key = line.data(MessageList::KeyRole).value<store::RowKey>();
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
    if (note != m_unseenNote) {
        m_unseenNote = note;
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
    const MessageList::Line* chosen = m_desk.messages()->line(line);
    if (!chosen)
        return;
    // The choice lists the messages again, which must not happen inside
    // the list's own mouse or key handling: it runs once that has finished.
    m_choicePending = true;
    QMetaObject::invokeMethod(
        this,
        [this, key = chosen->key] {
            m_choicePending = false;
            m_desk.choose(key);
        },
        Qt::QueuedConnection);
}

// The chosen message and the list grow and shrink together; the size is
// remembered for the next run. Enlarged text wraps at word boundaries, so
// the whole message can be read without scrolling sideways; at the
// designed size the box is as designed.
void AnnouncerScreen::setReadingPoints(double points) {
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
    if (points != desk::readingPoints())
        desk::rememberReadingPoints(points);
}

// The system's bell, or the sound file the settings name when it can be
// played.
void AnnouncerScreen::playArrivalSound() {
    if (!isVisible() || !desk::arrivalSoundOn())
        return;
    const QString file = desk::arrivalSoundFile();
    if (file.isEmpty() ||
        !QProcess::startDetached(QStringLiteral("aplay"), desk::arrivalSoundArguments(file)))
        QApplication::beep();
}

void AnnouncerScreen::toggleArrivalSound() {
    const bool on = !desk::arrivalSoundOn();
    desk::setArrivalSoundOn(on);
    ui::showMessage(on ? tr("A new message now arrives with a short sound.")
                       : tr("New messages now arrive without a sound."));
}

void AnnouncerScreen::showKeys() {
    KeysWindow keys(this);
    keys.exec();
}

void AnnouncerScreen::showReadOutToday() {
    ReadOutToday readOuts(
        readoutlog::readOuts(readoutlog::read(readoutlog::fileOf(m_desk.now().date()))), this);
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
    if (m_loading)
        return;
    if (!m_desk.isOpen()) {
        closeKeepingDatabase();
        return;
    }
    m_desk.check();
}
