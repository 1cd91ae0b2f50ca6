#include "announceintro.h"

#include "announcersession.h"
#include "settingsfile.h"

#include "announcer/announcerscreen.h"
#include "announcer/keyswindow.h"
#include "desk/fileprobe.h"
#include "dialogs/fileinfo.h"
#include "store/connectionfile.h"
#include "ui/fonts.h"
#include "ui/messagebox.h"
#include "ui_announceintro.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QShortcut>
#include <QWindow>

AnnounceIntro::AnnounceIntro(AnnouncerSession& session, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AnnounceIntro>())
    , m_session(session) {
    m_ui->setupUi(this);
    // The program's main window: window managers place a dialog over its
    // parent or centre it, but a main window where new windows go.
    setWindowFlags(Qt::Window);
    ui::applyDesignedFonts(this);
    connect(m_ui->Command1, &QPushButton::clicked, this, &AnnounceIntro::browse);
    connect(m_ui->Command3, &QPushButton::clicked, this, &AnnounceIntro::enter);
    connect(m_ui->Command4, &QPushButton::clicked, this, &AnnounceIntro::exitProgram);
    // The whole job works without a mouse: Return in the path box is Enter,
    // and Alt with a button's initial presses it (its caption unchanged; the
    // initial of the caption in the person's language).
    connect(m_ui->DbName, &QLineEdit::returnPressed, this, &AnnounceIntro::enter);
    const AccessKeys keys = accessKeys();
    for (const auto& [key, button] :
         {std::pair{keys.browse, m_ui->Command1}, std::pair{keys.enter, m_ui->Command3},
          std::pair{keys.exit, m_ui->Command4}}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    }
    load();
}

AnnounceIntro::~AnnounceIntro() = default;

void AnnounceIntro::load() {
    m_ui->DbName->setText(defaultDatabasePath());
    const QString settings = settingsFilePath();
    if (!desk::File_Exists(settings))
        return;
    const QString remembered = readSettingsField(settings);
    if (!remembered.isEmpty())
        m_ui->DbName->setText(remembered);
}

void AnnounceIntro::browse() {
    const auto chosen = chooseFile(tr("Select Database for Announcer Messages"), true);
    if (!chosen) {
        ui::showMessage(tr("No Database selected"));
        return;
    }
    m_ui->DbName->setText(*chosen);
}

void AnnounceIntro::enter() {
    const QString path = m_ui->DbName->text();
    if (!desk::File_Exists(path)) {
        ui::showMessage(tr("Cannot locate database for announcer messages"));
        return;
    }
    rememberPath(path);
    warnIfUnencrypted(path);
    // Shown again, the window would be placed anew by the window manager;
    // it comes back where the user left it.
    const QPoint placed = geometry().topLeft();
    hide();
    if (!m_screen)
        m_screen = std::make_unique<AnnouncerScreen>(m_session.desk(), m_session.station(),
                                                     &m_session.planned());
    m_screen->showModal(path, AnnouncerScreen::Entry::Checked);
    if (QWindow* handle = windowHandle())
        handle->setPosition(placed);
    show();
}

// The path is remembered before the screen opens, so it is kept even when
// the screen then fails to open the database. A path the one-line format
// cannot hold, or a file that cannot be written, is reported and the
// previous settings stay as they were; the screen opens all the same.
void AnnounceIntro::rememberPath(const QString& path) {
    const QString settings = settingsFilePath();
    if (const store::Failure unstorable = unstorablePathReason(path)) {
        ui::showMessage(tr("The database path cannot be remembered in %1 because %2. "
                           "Rename the file or folder to have it remembered next time.")
                            .arg(settings, unstorable.reason()));
        return;
    }
    if (const store::Failure failure = writeSettings(settings, path))
        ui::showMessage(tr("The database path could not be remembered in %1: %2")
                            .arg(settings, failure.reason()));
}

// A closed gala network may turn encryption off on purpose, so the
// announcer is told once a run for each connection file, not at every Enter.
void AnnounceIntro::warnIfUnencrypted(const QString& path) {
    const QString mode = store::unencryptedSslMode(path);
    if (mode.isEmpty() || m_toldUnencrypted.contains(path))
        return;
    m_toldUnencrypted.append(path);
    const QString state =
        mode == QLatin1String("disable") ? tr("is not encrypted") : tr("may not be encrypted");
    ui::showMessage(
        tr("The connection to the database server named in %1 %2 (sslmode=%3): anyone on "
           "the network can read the messages or pose as the server. Unless the network "
           "is closed to others, remove sslmode from the file.")
            .arg(path, state, mode));
}

void AnnounceIntro::exitProgram() {
    QCoreApplication::exit(0);
}

void AnnounceIntro::showEvent(QShowEvent* event) {
    // QDialog's own handler would centre the window itself; skip it.
    QWidget::showEvent(event); // NOLINT(bugprone-parent-virtual-call)
}

void AnnounceIntro::closeEvent(QCloseEvent* event) {
    event->accept();
    exitProgram();
}
