// The station window: what the announcer's keys and clicks may do to the
// pages connected, and its size on a laptop's and a netbook's screen.
#include "announcerfixture.h"
#include "deskdriving.h"
#include "modalwatcher.h"
#include "screendriving.h"

#include "announcer/announcerscreen.h"
#include "announcer/stationwindow.h"
#include "app/announcersession.h"
#include "app/kelvaneapplication.h"
#include "desk/announcerdesk.h"
#include "station/stationserver.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

namespace {

const QHostAddress loopback(QHostAddress::LocalHost);

// A watch page on the station's live connection.
std::unique_ptr<QWebSocket> watchPage(station::StationServer& server) {
    const QString address = station::addressText(server.address());
    auto socket = std::make_unique<QWebSocket>(QStringLiteral("http://") + address);
    QSignalSpy connected(socket.get(), &QWebSocket::connected);
    socket->open(QUrl(QStringLiteral("ws://%1/live").arg(address)));
    if (connected.wait(5000))
        socket->sendTextMessage(QStringLiteral(R"({"type":"hello","token":"%1"})")
                                    .arg(server.link(station::Role::Watch).fragment()));
    return socket;
}

// Answers a question as the announcer would: the button that does it, or
// Enter, which keeps everything as it is.
void answer(QWidget* question, bool agree) {
    auto* box = qobject_cast<QMessageBox*>(question);
    if (!agree) {
        QTest::keyClick(box, Qt::Key_Return);
        return;
    }
    for (QAbstractButton* button : box->buttons()) {
        if (box->buttonRole(button) == QMessageBox::AcceptRole)
            button->click();
    }
}

} // namespace

class TestStationWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void keysAndQuestions_data();
    void keysAndQuestions();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void captionTellsTheStation();

private:
    QTemporaryDir m_home;
    AnnouncerFixture m_fixture;
    desk::DeskSettings m_settings{m_home.filePath("desk.ini")};
    desk::AnnouncerDesk m_desk{m_settings};
    std::unique_ptr<station::StationServer> m_server;
};

void TestStationWindow::initTestCase() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath("data")));
    m_fixture.addRow(1, QStringLiteral("Event 1 results"));
    openDesk(m_desk, m_fixture.path());
}

void TestStationWindow::init() {
    m_server = std::make_unique<station::StationServer>(m_desk);
    QVERIFY(!m_server->start({loopback, 0}));
}

void TestStationWindow::cleanup() {
    m_server.reset();
}

void TestStationWindow::keysAndQuestions_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("agree");
    QTest::addColumn<bool>("listening");
    QTest::addColumn<bool>("sameLinks");
    QTest::newRow("Enter in the port box") << "enter" << false << true << true;
    QTest::newRow("Stop, kept running") << "stop" << false << true << true;
    QTest::newRow("Stop, stopped") << "stop" << true << false << true;
    QTest::newRow("New links, kept") << "renew" << false << true << true;
    QTest::newRow("New links, replaced") << "renew" << true << true << false;
}

// No button of the window is Enter's: the station stops, and the links
// change, only once the announcer has agreed to drop the pages.
void TestStationWindow::keysAndQuestions() {
    QFETCH(QString, action);
    QFETCH(bool, agree);
    QFETCH(bool, listening);
    QFETCH(bool, sameLinks);
    const std::unique_ptr<QWebSocket> page = watchPage(*m_server);
    QTRY_COMPARE(m_server->pages().size(), size_t(1));
    const QUrl link = m_server->link(station::Role::Watch);
    StationWindow window(*m_server);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const QPushButton* button : window.findChildren<QPushButton*>())
        QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->text()));
    ModalWatcher watcher;
    QString question;
    watcher.answerNext([&](QWidget* modal) {
        question = qobject_cast<QMessageBox*>(modal)->text();
        answer(modal, agree);
    });
    if (action == "enter") {
        // The announcer clicked into a link to copy it.
        auto* field = window.findChild<QLineEdit*>(QStringLiteral("Link_watch"));
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter);
        QVERIFY(question.isEmpty());
    } else {
        window
            .findChild<QPushButton*>(action == "stop" ? QStringLiteral("StartStop")
                                                      : QStringLiteral("NewLinks"))
            ->click();
        QVERIFY2(question.contains(QRegularExpression(QStringLiteral("[:(] ?1[.)]"))),
                 qPrintable(question));
    }
    QCOMPARE(m_server->isListening(), listening);
    QCOMPARE(m_server->link(station::Role::Watch).fragment() == link.fragment(), sameLinks);
    QCOMPARE(window.isVisible(), true);
}

void TestStationWindow::fitsTheScreen_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("laptop, 1366 by 768") << 0 << false;
    QTest::newRow("netbook, 1024 by 600") << 1 << true;
}

// The window never reaches past the screen; on a laptop it shows
// everything at once.
void TestStationWindow::fitsTheScreen() {
    QFETCH(int, screen);
    QFETCH(bool, scrolls);
    m_server->stop();
    StationWindow window(*m_server);
    QScreen* shownOn = QGuiApplication::screens().at(screen);
    window.setScreen(shownOn);
    window.move(shownOn->availableGeometry().topLeft());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!m_server->start({loopback, 0}));
    QVERIFY(window.windowHandle()->type() == Qt::Window);
    QTRY_VERIFY(shownOn->availableGeometry().contains(window.frameGeometry()));
    const auto* content = window.findChild<QScrollArea*>(QStringLiteral("StationContent"));
    QTRY_COMPARE(content->verticalScrollBar()->maximum() > 0, scrolls);
    QCOMPARE(content->horizontalScrollBar()->maximum(), 0);
}

// With the station window closed, the announcer screen's caption still
// says that the station runs and how many pages it serves. The window is
// no dialog kept above the screen, and takes clicks while the screen runs.
void TestStationWindow::captionTellsTheStation() {
    AnnouncerSession session;
    AnnouncerScreen screen(session.desk(), session.station());
    ModalWatcher watcher;
    runScreen(screen, m_fixture.path(), [&] {
        QVERIFY(!screen.windowTitle().contains(QStringLiteral("station")));
        QVERIFY(!screen.station().start({loopback, 0}));
        QVERIFY(screen.windowTitle().endsWith(QStringLiteral("pages connected: 0")));
        const std::unique_ptr<QWebSocket> page = watchPage(screen.station());
        QTRY_VERIFY2(screen.windowTitle().endsWith(QStringLiteral("pages connected: 1")),
                     qPrintable(screen.windowTitle()));
        QTest::keyClick(&screen, Qt::Key_F9);
        auto* window = screen.findChild<StationWindow*>();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowType(), Qt::Window);
        watcher.answerNext([](QWidget* question) { answer(question, true); });
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("StartStop")),
                          Qt::LeftButton);
        QTRY_VERIFY(!screen.station().isListening());
        QVERIFY(!screen.windowTitle().contains(QStringLiteral("station")));
    });
}

int main(int argc, char** argv) {
    // Two screens: a laptop's and a netbook's.
    QTemporaryDir screens;
    QFile config(screens.filePath(QStringLiteral("screens.json")));
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write(R"({"screens": [
        {"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768, "logicalDpi": 96},
        {"name": "netbook", "x": 1366, "y": 0, "width": 1024, "height": 600, "logicalDpi": 96}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    KelvaneApplication app(argc, argv);
    TestStationWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_stationwindow.moc"
