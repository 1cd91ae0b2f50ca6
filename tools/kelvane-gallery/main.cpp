// kelvane-gallery: shows one of the program's windows with sample content,
// so its look can be checked or photographed (scripts/screenshots.sh).
// Usage: kelvane-gallery WINDOW   (the window's object name)
#include "announcerfeed.h"
#include "demomessages.h"

#include "announcer/announcerscreen.h"
#include "desk/desksettings.h"
#include "announcer/keyswindow.h"
#include "desk/readoutlog.h"
#include "announcer/readouttoday.h"
#include "clubrecords/records.h"
#include "store/announcerschema.h"
#include "store/database.h"
#include "app/announceintro.h"
#include "app/announcersession.h"
#include "app/kelvaneapplication.h"
#include "dialogs/filedialogue.h"
#include "dialogs/fileinfo.h"
#include "dialogs/yesno.h"
#include "swimtime/conversion.h"

#include <QDir>
#include <QTest>
#include <QWebSocket>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <map>

namespace {

// The session the announcer's windows show, for the whole run.
AnnouncerSession& session() {
    static auto* const program = new AnnouncerSession;
    return *program;
}

QString galaDatabase(const QString& folder) { return folder + QStringLiteral("/announcer.mdb"); }

// A sample that could not be made leaves the window emptier than it should be.
void warnIf(const store::Failure& failure) {
    if (failure)
        std::fprintf(stderr, "kelvane-gallery: %s\n", qPrintable(failure.reason()));
}

AnnouncerScreen* showAnnouncerScreen(const QString& folder) {
    const QString path = galaDatabase(folder);
    feed::initDatabase(path);
    for (int n = 0; n < 6; ++n)
        feed::addAnnouncement(path, n + 11, feed::demoMessage(n));
    auto* screen = new AnnouncerScreen(session().desk(), session().station(), &session().planned());
    QTimer::singleShot(0, screen, [screen, path] { screen->showModal(path); });
    return screen;
}

void chooseFirstLine(AnnouncerScreen* screen) {
    auto* list = screen->findChild<QListView*>(QStringLiteral("Announcement_List"));
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
}

// The announcer has chosen the first message; then a new one arrives and
// is drawn in bold.
void showNewArrival(const QString& folder) {
    AnnouncerScreen* screen = showAnnouncerScreen(folder);
    QTimer::singleShot(200, screen, [screen] { chooseFirstLine(screen); });
    QTimer::singleShot(400, screen, [screen, folder] {
        feed::addAnnouncement(galaDatabase(folder), 14, feed::demoMessage(7));
        screen->Refresh_Form();
    });
}

void showLargerText(const QString& folder) {
    session().settings().rememberReadingPoints(16);
    AnnouncerScreen* screen = showAnnouncerScreen(folder);
    QTimer::singleShot(200, screen, [screen] { chooseFirstLine(screen); });
}

// Another station deletes the message on display: it stays, marked.
void showGoneMessage(const QString& folder) {
    AnnouncerScreen* screen = showAnnouncerScreen(folder);
    QTimer::singleShot(200, screen, [screen] { chooseFirstLine(screen); });
    QTimer::singleShot(400, screen, [screen, folder] {
        store::forEachRow(store::openDatabase(galaDatabase(folder), QStringLiteral("announcer database"))
                              ->openRecordset(store::announcer::rowSource),
                          [](store::RecordSet& row) {
                              if (row.value(store::announcer::sequenceField).toInt() == 11)
                                  row.deleteCurrent();
                          });
        screen->Refresh_Form();
    });
}

// A long list, and a new message below what is in view.
void showArrivalOutOfSight(const QString& folder) {
    const QString path = galaDatabase(folder);
    feed::initDatabase(path);
    for (int n = 0; n < 30; ++n)
        feed::addAnnouncement(path, n + 1, feed::demoMessage(n));
    auto* screen = new AnnouncerScreen(session().desk(), session().station(), &session().planned());
    QTimer::singleShot(0, screen, [screen, path] { screen->showModal(path); });
    QTimer::singleShot(400, screen, [screen, path] {
        feed::addAnnouncement(path, 40, feed::demoMessage(31));
        screen->Refresh_Form();
    });
}

// Messages in the scripts a gala may meet, right to left among them.
void showEveryScript(const QString& folder) {
    const QString path = galaDatabase(folder);
    feed::initDatabase(path);
    const QStringList messages = {
        QStringLiteral("\u7b2c3\u7d44 \u7537\u5b50100m\u81ea\u7531\u5f62 \u6c7a\u52dd\r\n\u4e00\u4f4d \u674e\u660e"),
        QStringLiteral("\ud574\ub2f9 \uc120\uc218\ub294 \uc18c\uc9d1 \uad6c\uc5ed\uc73c\ub85c \uc640 \uc8fc\uc138\uc694"),
        QStringLiteral("\u0939\u0940\u091f 2: \u0924\u0948\u0930\u093e\u0915 \u0924\u0948\u092f\u093e\u0930 \u0939\u094b\u0902"),
        QStringLiteral("\u0e23\u0e2d\u0e1a\u0e0a\u0e34\u0e07 100 \u0e40\u0e21\u0e15\u0e23"),
        QStringLiteral("\u05de\u05e7\u05e6\u05d4 3 \u05ea\u05d5\u05e6\u05d0\u05d5\u05ea\r\n\u05de\u05e7\u05d5\u05dd \u05e8\u05d0\u05e9\u05d5\u05df"),
        QStringLiteral("\u0627\u0644\u0633\u0628\u0627\u0642 \u0627\u0644\u062b\u0627\u0644\u062b: \u0627\u0644\u0646\u062a\u0627\u0626\u062c"),
        QStringLiteral("Medal ceremony in 5 minutes \U0001F3C5\U0001F3CA"),
    };
    for (int n = 0; n < messages.size(); ++n)
        feed::addAnnouncement(path, n + 21, messages[n]);
    auto* screen = new AnnouncerScreen(session().desk(), session().station(), &session().planned());
    QTimer::singleShot(0, screen, [screen, path] { screen->showModal(path); });
    QTimer::singleShot(300, screen, [screen] { chooseFirstLine(screen); });
}

void showReadOutToday(const QString& folder) {
    const QString database = folder + QStringLiteral("/announcer.mdb");
    QDateTime time = QDateTime::currentDateTime().addSecs(-1800);
    for (int n = 0; n < 5; ++n) {
        time = time.addSecs(170 + 40 * n);
        warnIf(desk::readoutlog::append({time, desk::readoutlog::dismissed, database,
                                         QString::number(n + 1), n + 11, feed::demoMessage(n),
                                         desk::AnnouncerDesk::deskStation}));
    }
    warnIf(desk::readoutlog::append({time.addSecs(20), desk::readoutlog::undone, database,
                                     QStringLiteral("5"), 15, feed::demoMessage(4),
                                     desk::AnnouncerDesk::deskStation}));
    (new ReadOutToday(
         desk::readoutlog::readOuts(desk::readoutlog::read(desk::readoutlog::fileOf(time.date()))),
         desk::SentSequences{}))
        ->show();
}

void showYesNo() {
    auto* window = new YesNo;
    window->setQuestion(QCoreApplication::translate("LocateDatabase", "Announcer DB is %1")
                            .arg(QDir::homePath() + QStringLiteral("/announcer.mdb")));
    window->show();
}

void showFileInfo() {
    auto* window = new FileInfo;
    window->setWindowTitle(AnnounceIntro::tr("Select Database for Announcer Messages"));
    window->show();
}

void showConversion() {
    auto* window = new Conversion;
    window->setConversion(QStringLiteral("1:05.30"), QStringLiteral("100 yards"), QStringLiteral("1:11.52"),
                          QStringLiteral("100 metres"));
    window->show();
}

// The station window of a desk whose station listens on the loopback,
// with a watch page and an announce page connected.
void showBrowserStation(const QString& folder) {
    AnnouncerScreen* screen = showAnnouncerScreen(folder);
    station::StationServer& server = screen->station();
    warnIf(server.start({QHostAddress(QHostAddress::LocalHost), station::defaultPort}));
    const QString origin = QStringLiteral("http://") + station::addressText(server.address());
    for (const station::Role role : station::allRoles) {
        auto* page = new QWebSocket(origin, QWebSocketProtocol::VersionLatest, screen);
        QObject::connect(
            page, &QWebSocket::connected, page, [page, token = server.link(role).fragment()] {
                page->sendTextMessage(
                    QStringLiteral(
                        "{\"type\":\"hello\",\"token\":\"%1\",\"page\":\"galleryPage00000000\"}")
                        .arg(token));
            });
        page->open(QUrl(QStringLiteral("ws://%1/live").arg(station::addressText(server.address()))));
    }
    QTimer::singleShot(300, screen, [screen] { QTest::keyClick(screen, Qt::Key_F9); });
}

// The planned messages of a gala morning, around the time it is now: two
// on the list, two waiting.
void showPlannedMessages(const QString& folder) {
    AnnouncerScreen* screen = showAnnouncerScreen(folder);
    const QTime now = QTime::currentTime();
    const auto plan = [](const QString& text, QTime notBefore, QTime notAfter, int repeat,
                         bool urgent) {
        desk::planned::Message message;
        message.text = text;
        message.notBefore = notBefore;
        message.notAfter = notAfter;
        message.repeatMinutes = repeat;
        message.urgent = urgent;
        warnIf(session().planned().add(message));
    };
    plan(QStringLiteral("Warm-up ends in five minutes: swimmers out of the pool, please"),
         now.addSecs(-120), now.addSecs(600), 0, false);
    plan(QStringLiteral("Thank you to our sponsor, Harbour Bakery"), now.addSecs(-3600),
         now.addSecs(7200), 30, false);
    plan(QStringLiteral("The caf\u00e9 closes at 16:00"), now.addSecs(1800), {}, 0, false);
    plan(QStringLiteral("Car park: the white van in the ambulance bay must be moved"),
         now.addSecs(2400), now.addSecs(3600), 0, true);
    QTimer::singleShot(300, screen, [screen] { QTest::keyClick(screen, Qt::Key_F8); });
}

} // namespace

int main(int argc, char** argv) {
    KelvaneApplication app(argc, argv);
    QTemporaryDir folder;
    // The desk's settings and log of a picture stay with it.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder.filePath(QStringLiteral("data"))));
    const std::map<QString, std::function<void()>> windows = {
        {QStringLiteral("Announce_Intro"), [] { (new AnnounceIntro(session()))->show(); }},
        {QStringLiteral("Announcer_Screen_New"), [&] { showAnnouncerScreen(folder.path()); }},
        {QStringLiteral("Announcer_Screen_New_Arrival"), [&] { showNewArrival(folder.path()); }},
        {QStringLiteral("Announcer_Screen_New_Larger"), [&] { showLargerText(folder.path()); }},
        {QStringLiteral("Announcer_Screen_New_Gone"), [&] { showGoneMessage(folder.path()); }},
        {QStringLiteral("Announcer_Screen_New_Below"), [&] { showArrivalOutOfSight(folder.path()); }},
        {QStringLiteral("Announcer_Screen_New_Scripts"), [&] { showEveryScript(folder.path()); }},
        {QStringLiteral("Keys"), [] { (new KeysWindow)->show(); }},
        {QStringLiteral("ReadOutToday"), [&] { showReadOutToday(folder.path()); }},
        {QStringLiteral("BrowserStation"), [&] { showBrowserStation(folder.path()); }},
        {QStringLiteral("PlannedMessages"), [&] { showPlannedMessages(folder.path()); }},
        {QStringLiteral("YesNo"), showYesNo},
        {QStringLiteral("FileInfo"), showFileInfo},
        {QStringLiteral("FileDialogue"), [] { (new FileDialogue)->show(); }},
        {QStringLiteral("Conversion"), showConversion},
        {QStringLiteral("Records"), [] { (new Records)->show(); }},
    };
    const auto window = windows.find(argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString());
    if (window == windows.end()) {
        std::fputs("usage: kelvane-gallery WINDOW\nwindows:", stderr);
        for (const auto& [name, show] : windows)
            std::fprintf(stderr, " %s", qPrintable(name));
        std::fputs("\n", stderr);
        return 2;
    }
    window->second();
    return app.exec();
}
