// kelvane serve as a service runs it: no display, a page on the announce
// link that chooses and dismisses, the database file gone for a while and
// back, and SIGTERM; and the window program when its station cannot start.
#include "announcerfixture.h"

#include "desk/readoutlog.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

#include <csignal>

namespace {

// The program's own folders in home; no display unless the test has one.
QProcessEnvironment environmentIn(const QTemporaryDir& home, bool display) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!display) {
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
    }
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    return environment;
}

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// The page's view: the last message of each type the station sent.
struct Page {
    explicit Page(const QString& origin)
        : socket(origin) {}
    QWebSocket socket;
    QHash<QString, QJsonObject> last;
    [[nodiscard]] QStringList listed() const {
        QStringList keys;
        for (const QJsonValue line : last.value("list")["lines"].toArray())
            keys << line["key"].toString();
        return keys;
    }
};

} // namespace

class TestServe : public QObject {
    Q_OBJECT

private slots:
    void servesWithoutADisplayAndStopsOnSigterm();
    void windowOpensWhenItsStationCannot();
};

void TestServe::servesWithoutADisplayAndStopsOnSigterm() {
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("Event 1 results"));
    fixture.addRow(2, QStringLiteral("Marshalling: event 4"));
    QProcess served;
    served.setProcessEnvironment(environmentIn(home, false));
    const QString where = QStringLiteral("127.0.0.1:%1").arg(freePort());
    served.start(builtProgram("KELVANE_BIN"), {"serve", "--station", where, fixture.path()});
    QHash<QString, QUrl> links;
    while (!links.contains("screen") && (served.canReadLine() || served.waitForReadyRead(10000))) {
        const QList<QByteArray> words = served.readLine().trimmed().split(' ');
        links.insert(QString::fromUtf8(words.value(0)), QUrl(QString::fromUtf8(words.value(1))));
    }
    QVERIFY2(links.contains("announce") && links.contains("screen"),
             served.readAllStandardError().constData());
    QFile maps(QStringLiteral("/proc/%1/maps").arg(served.processId()));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    QVERIFY2(!maps.readAll().contains("platforms/"), "a platform plugin was loaded");

    Page page("http://" + where);
    QObject::connect(&page.socket, &QWebSocket::binaryMessageReceived, [&](const QByteArray& text) {
        const QJsonObject message = QJsonDocument::fromJson(text).object();
        page.last.insert(message["type"].toString(), message);
    });
    page.socket.open(QUrl("ws://" + where + "/live"));
    QTRY_COMPARE(page.socket.state(), QAbstractSocket::ConnectedState);
    const auto say = [&](const QJsonObject& message) {
        page.socket.sendTextMessage(QJsonDocument(message).toJson());
    };
    say({{"type", "hello"},
         {"token", links["announce"].fragment()},
         {"language", "en"},
         {"page", "pageOfTheServeTest"}});
    QTRY_COMPARE(page.listed().size(), 2);
    const QString first = page.listed().first();
    say({{"type", "choose"}, {"key", first}});
    QTRY_COMPARE(page.last["shown"]["key"].toString(), first);
    say({{"type", "dismiss"}, {"key", first}});
    QTRY_COMPARE(page.listed().size(), 1);
    QCOMPARE(fixture.rowCount(), 1);

    // The file goes and comes back: the page sees an empty desk and the
    // reason, then the list again.
    const QString away = fixture.path() + ".away";
    QVERIFY(QFile::rename(fixture.path(), away));
    QTRY_VERIFY_WITH_TIMEOUT(!page.last["list"]["open"].toBool(), 8000);
    QVERIFY(page.last["trouble"]["text"].toString().contains("no longer there"));
    QVERIFY(QFile::rename(away, fixture.path()));
    QTRY_COMPARE_WITH_TIMEOUT(page.listed().size(), 1, 8000);

    // A dismissal on its way when the service is stopped is finished: its
    // row is gone only once the log has it.
    const QString second = page.listed().first();
    say({{"type", "choose"}, {"key", second}});
    QTRY_COMPARE(page.last["shown"]["key"].toString(), second);
    say({{"type", "dismiss"}, {"key", second}});
    QSignalSpy closed(&page.socket, &QWebSocket::disconnected);
    QTest::qWait(5);
    ::kill(static_cast<pid_t>(served.processId()), SIGTERM);
    QVERIFY(served.waitForFinished(2000));
    QCOMPARE(served.exitStatus(), QProcess::NormalExit);
    QCOMPARE(served.exitCode(), 0);
    QTRY_COMPARE(closed.size(), 1);
    QCOMPARE(page.socket.closeCode(), QWebSocketProtocol::CloseCodeGoingAway);
    QVERIFY(served.readAllStandardError().contains("kelvane: stopped\n"));
    const auto readOuts = desk::readoutlog::readOuts(
        desk::readoutlog::read(desk::readoutlog::fileOf(QDate::currentDate())));
    QCOMPARE(static_cast<int>(readOuts.size()), 2 - fixture.rowCount());
    QCOMPARE(readOuts.back().message, QStringLiteral("Event 1 results"));
}

// The port is taken: the desk opens all the same, and says why.
void TestServe::windowOpensWhenItsStationCannot() {
    QTemporaryDir home;
    QTcpServer taken;
    QVERIFY(taken.listen(QHostAddress::LocalHost, 0));
    QProcess window;
    window.setProcessEnvironment(environmentIn(home, true));
    window.start(builtProgram("KELVANE_BIN"),
                 {"--station", QStringLiteral("127.0.0.1:%1").arg(taken.serverPort())});
    QVERIFY(!window.waitForFinished(2000));
    QVERIFY(window.readAllStandardError().contains("cannot listen on 127.0.0.1:"));
    window.kill();
    window.waitForFinished();
}

QTEST_GUILESS_MAIN(TestServe)
#include "tst_serve.moc"
