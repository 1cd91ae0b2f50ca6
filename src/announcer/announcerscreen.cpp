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
#include <QProcess>
#include <QScopeGuard>
#include <QScrollBar>
#include <QShortcut>
#include <QStyledItemDelegate>

namespace {

constexpr int storedTimerIntervalMs = 360;
constexpr int refreshIntervalMs = 5000;

const QString displayOnlyNote = QStringLiteral(" \u2013 display only");

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
    connect(m_desk.messages(), &QAbstractItemModel::modelAboutToBeReset, this, &AnnouncerScreen::keepListPosition);
    connect(m_desk.messages(), &QAbstractItemModel::modelReset, this, &AnnouncerScreen::restoreListPosition);
    connect(&m_desk, &AnnouncerDesk::shownChanged, this, &AnnouncerScreen::showShown);
    connect(&m_desk, &AnnouncerDesk::troubleChanged, this, &AnnouncerScreen::showTrouble);
    connect(&m_desk, &AnnouncerDesk::notice, this, [this](const QString& text) { ui::postMessage(text, this); });
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
    const auto onKeys = [this](const QList<QKeySequence>& keys, auto action, QWidget* where = nullptr) {
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
    onKeys({QKeySequence::ZoomOut}, [this] { setReadingPoints(desk::smallerReadingPoints(desk::readingPoints())); });
    onKeys({Qt::CTRL | Qt::Key_0}, [this] { setReadingPoints(desk::designedReadingPoints); });
}

void AnnouncerScreen::showModal(const QString& path, Entry entry) {
    m_closeReason.clear();
    m_ui->Command2->setEnabled(!m_desk.displayOnly());
    setReadingPoints(desk::readingPoints());
    m_ui->Command1->setFocus();
    m_timer1.start(storedTimerIntervalMs);
    load(path, entry);
    exec();
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
// does not jump back to the top every five seconds. Nothing stays
// highlighted.
void AnnouncerScreen::keepListPosition() {
    m_listRow = m_ui->Announcement_List->currentIndex().row();
    m_listScroll = m_ui->Announcement_List->verticalScrollBar()->value();
}

void AnnouncerScreen::restoreListPosition() {
    QListView* list = m_ui->Announcement_List;
    const int count = m_desk.messages()->rowCount();
    if (m_listRow >= 0 && count > 0) {
        const QSignalBlocker quiet(list->selectionModel());
        list->selectionModel()->setCurrentIndex(m_desk.messages()->index(std::min(m_listRow, count - 1)),
                                                QItemSelectionModel::NoUpdate);
    }
    list->verticalScrollBar()->setValue(m_listScroll);
}

void AnnouncerScreen::showShown() { m_ui->Current_Announcement->setPlainText(m_desk.shownText()); }

void AnnouncerScreen::showTrouble() {
    setWindowTitle(m_designedCaption + (m_desk.displayOnly() ? displayOnlyNote : QString()) + m_desk.troubleNote());
}

void AnnouncerScreen::onSelectionChanged() {
    const QModelIndexList selected = m_ui->Announcement_List->selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        chooseLine(selected.first().row());
}

void AnnouncerScreen::chooseCurrentLine() { chooseLine(m_ui->Announcement_List->currentIndex().row()); }

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
// remembered for the next run.
void AnnouncerScreen::setReadingPoints(double points) {
    for (QWidget* text : {static_cast<QWidget*>(m_ui->Current_Announcement),
                          static_cast<QWidget*>(m_ui->Announcement_List)}) {
        QFont font = text->font();
        font.setPointSizeF(points);
        text->setFont(font);
    }
    if (points != desk::readingPoints())
        desk::rememberReadingPoints(points);
}

// The system's bell, or the sound file the settings name when it can be
// played.
void AnnouncerScreen::playArrivalSound() {
    if (!isVisible() || !desk::arrivalSoundOn())
        return;
    const QString file = desk::arrivalSoundFile();
    if (file.isEmpty() || !QProcess::startDetached(QStringLiteral("aplay"), desk::arrivalSoundArguments(file)))
        QApplication::beep();
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
    ReadOutToday readOuts(readoutlog::readOuts(readoutlog::read(readoutlog::fileOf(m_desk.now().date()))), this);
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
