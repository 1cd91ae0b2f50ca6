// The browser station's rules and bounds, on a desk over a SQLite file and
// a station on 127.0.0.1: tokens, request heads, slowed-down guessing, the
// answers to plain requests, and what a page's role allows.
#include "announcerfixture.h"
#include "deskdriving.h"

#include "desk/announcerdesk.h"
#include "desk/readoutlog.h"
#include "station/failedattempts.h"
#include "station/requesthead.h"
#include "station/stationserver.h"
#include "station/stationtls.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSslCipher>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

#include <unistd.h>

using namespace station;

namespace {

const QHostAddress loopback(QHostAddress::LocalHost);

// Connects to the station, which runs on this thread: the event loop
// turns while the test waits.
bool connectTo(QTcpSocket& socket, const Address& address) {
    QSignalSpy connected(&socket, &QTcpSocket::connected);
    socket.connectToHost(address.host, address.port);
    return connected.wait(5000);
}

// What the station answers to raw bytes: its whole reply until it closes
// or has been quiet for a moment.
QByteArray answerTo(const Address& address, const QByteArray& request) {
    QTcpSocket socket;
    if (!connectTo(socket, address))
        return {};
    socket.write(request);
    QSignalSpy arrived(&socket, &QTcpSocket::readyRead);
    while (arrived.wait(500) && socket.state() == QAbstractSocket::ConnectedState) {
    }
    return socket.readAll();
}

// A page of the test's own: it says hello with its identity and keeps
// what the station tells it.
struct OwnPage {
    OwnPage(std::unique_ptr<QWebSocket> opened, const QString& token, const QString& identity)
        : socket(std::move(opened)) {
        QObject::connect(
            socket.get(), &QWebSocket::binaryMessageReceived,
            [this](const QByteArray& text) { told << QJsonDocument::fromJson(text).object(); });
        say({{"type", "hello"}, {"token", token}, {"page", identity}});
    }
    void say(const QJsonObject& request) const {
        socket->sendTextMessage(QString::fromUtf8(QJsonDocument(request).toJson()));
    }
    void send(int number, const QString& text) const {
        say({{"type", "send"}, {"number", number}, {"sender", "Referee"}, {"text", text}});
    }
    // The answer to the message numbered number, once it came.
    [[nodiscard]] std::optional<QString> answer(int number) const {
        for (const QJsonObject& message : told) {
            if (message["type"] == "answer" && message["number"] == number)
                return message["refusal"].toString();
        }
        return std::nullopt;
    }
    // The latest message of this type the page was told.
    [[nodiscard]] QJsonObject last(const QString& type) const {
        QJsonObject latest;
        for (const QJsonObject& message : told) {
            if (message["type"] == type)
                latest = message;
        }
        return latest;
    }
    // The texts of the messages the page was last told it sent.
    [[nodiscard]] QStringList sent() const {
        QStringList texts;
        for (const QJsonObject& message : told) {
            if (message["type"] == "sent") {
                texts.clear();
                for (const QJsonValue sent : message["messages"].toArray())
                    texts << sent["text"].toString();
            }
        }
        return texts;
    }
    std::unique_ptr<QWebSocket> socket;
    QList<QJsonObject> told;
};

} // namespace

class TestStation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void tokens_data();
    void tokens();
    void tokensKeptPrivately();
    void requestHeads_data();
    void requestHeads();
    void failedAttemptsSlowDown();
    void parallelGuessesWait();
    void plainRequests_data();
    void plainRequests();
    void connectionsAreCapped_data();
    void connectionsAreCapped();
    void slotsComeBack_data();
    void slotsComeBack();
    void frameFloodIsCut_data();
    void frameFloodIsCut();
    void silentConnectionsClose();
    void sentMessages_data();
    void sentMessages();
    void sentStatesFollowTheRow();
    void sendRatesAndRepeats();
    void pageRequests_data();
    void pageRequests();
    void pageThatDoesNotReadIsDropped();
    void listPagesAreViewsOfTheDesk_data();
    void listPagesAreViewsOfTheDesk();
    void pageInBrowsersLanguage_data();
    void pageInBrowsersLanguage();
    void overHttps();
    void refusedAddressSaysWhatToDo_data();
    void refusedAddressSaysWhatToDo();
    void tlsKeyAndSuites_data();
    void tlsKeyAndSuites();
    void sendPagesKeepTheirOwn();
    void announcePageHandsOutLinks();
    void announcePageReadsTheLog();
    void captionFaces_data();
    void captionFaces();
    void screenFollowsTheVoice_data();
    void screenFollowsTheVoice();

private:
    // The test's TLS configuration, its key copied to a file of the given
    // permissions in dir.
    std::optional<QSslConfiguration>
    tls(const QTemporaryDir& dir, QString& error,
        QFile::Permissions key = QFile::ReadOwner | QFile::WriteOwner, bool foreign = false);
    // A page on the live connection, saying hello with the role's token (or
    // another) unless it has none.
    std::unique_ptr<QWebSocket> page(const QByteArray& token, const QString& origin = {},
                                     const QByteArray& language = "en");
    QTemporaryDir m_home;
    Tokens m_tokens;
    AnnouncerFixture m_fixture;
    desk::DeskSettings m_settings{m_home.filePath("desk.ini")};
    desk::AnnouncerDesk m_desk{m_settings};
    std::unique_ptr<StationServer> m_server;
};

void TestStation::initTestCase() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath("data")));
    m_fixture.addRow(1, QStringLiteral("Event 1 results"));
    openDesk(m_desk, m_fixture.path());
    m_server = std::make_unique<StationServer>(m_desk);
    QVERIFY(!m_server->start({loopback, 0}));
}

std::unique_ptr<QWebSocket> TestStation::page(const QByteArray& token, const QString& origin,
                                              const QByteArray& language) {
    const QString own = QStringLiteral("http://") + addressText(m_server->address());
    auto socket = std::make_unique<QWebSocket>(origin.isEmpty() ? own : origin);
    QSignalSpy connected(socket.get(), &QWebSocket::connected);
    socket->open(QUrl(QStringLiteral("ws://%1/live").arg(addressText(m_server->address()))));
    if (connected.wait(5000) && !token.isNull())
        socket->sendTextMessage(
            QStringLiteral(
                R"({"type":"hello","token":"%1","language":"%2","page":"pageOfTheStationTests"})")
                .arg(QString::fromLatin1(token), QString::fromLatin1(language)));
    return socket;
}

void TestStation::tokens_data() {
    QTest::addColumn<QByteArray>("given");
    QTest::addColumn<int>("role");
    Tokens tokens;
    tokens.renew();
    QVERIFY(tokens.tokenOf(Role::Watch) != tokens.tokenOf(Role::Announce));
    QCOMPARE(tokens.tokenOf(Role::Watch).size(), 22);
    const QByteArray watch = tokens.tokenOf(Role::Watch);
    QByteArray lastChanged = watch;
    lastChanged.back() = lastChanged.back() == 'A' ? 'B' : 'A';
    QTest::newRow("watch") << watch << int(Role::Watch);
    QTest::newRow("announce") << tokens.tokenOf(Role::Announce) << int(Role::Announce);
    QTest::newRow("send") << tokens.tokenOf(Role::Send) << int(Role::Send);
    QTest::newRow("screen") << tokens.tokenOf(Role::Screen) << int(Role::Screen);
    QTest::newRow("last character differs") << lastChanged << -1;
    QTest::newRow("one character short") << watch.chopped(1) << -1;
    QTest::newRow("one character more") << watch + 'A' << -1;
    QTest::newRow("empty") << QByteArray() << -1;
    QTest::newRow("another station's") << QByteArray("AAAAAAAAAAAAAAAAAAAAAA") << -1;
    m_tokens = tokens;
}

void TestStation::tokens() {
    QFETCH(QByteArray, given);
    QFETCH(int, role);
    const std::optional<Role> found = m_tokens.roleOf(given);
    QCOMPARE(found ? int(*found) : -1, role);
}

// Links survive a restart in a file only the user may read; a file that
// others may read, or a link in its place, is not believed.
void TestStation::tokensKeptPrivately() {
    const QString path = m_home.filePath("links");
    Tokens saved;
    saved.renew();
    QVERIFY(!saved.save(path));
    QCOMPARE(QFile::permissions(path) &
                 ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
             QFileDevice::Permissions());
    Tokens loaded;
    QVERIFY(loaded.load(path));
    QCOMPARE(loaded.tokenOf(Role::Announce), saved.tokenOf(Role::Announce));
    QVERIFY(QFile::link(path, m_home.filePath("linked")));
    QVERIFY(!loaded.load(m_home.filePath("linked")));
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOther);
    QVERIFY(!loaded.load(path));
    // Links given out before there was a send role keep working.
    QFile older(m_home.filePath("older"));
    QVERIFY(older.open(QIODevice::WriteOnly));
    older.write("watch " + saved.tokenOf(Role::Watch) + '\n');
    older.close();
    older.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(loaded.load(older.fileName()));
    QCOMPARE(loaded.tokenOf(Role::Watch), saved.tokenOf(Role::Watch));
    QCOMPARE(loaded.tokenOf(Role::Send).size(), 22);
}

void TestStation::requestHeads_data() {
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a page") << QByteArray("GET / HTTP/1.1\r\nHost: a\r\n\r\n") << "GET / keep";
    QTest::newRow("HTTP/1.0 closes") << QByteArray("GET /x HTTP/1.0\r\n\r\n") << "GET /x close";
    QTest::newRow("asks to close")
        << QByteArray("HEAD / HTTP/1.1\r\nConnection: close\r\n\r\n") << "HEAD / close";
    QTest::newRow("a body follows")
        << QByteArray("POST / HTTP/1.1\r\nContent-Length: 5\r\n\r\n") << "POST / body";
    QTest::newRow("a chunked body")
        << QByteArray("POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n") << "POST / body";
    QTest::newRow("an empty body")
        << QByteArray("GET / HTTP/1.1\r\nContent-Length: 0\r\n\r\n") << "GET / keep";
    QTest::newRow("bare LF") << QByteArray("GET / HTTP/1.1\nHost: a\r\n\r\n") << "refused";
    QTest::newRow("folded header")
        << QByteArray("GET / HTTP/1.1\r\nA: b\r\n c\r\n\r\n") << "refused";
    QTest::newRow("header without a name")
        << QByteArray("GET / HTTP/1.1\r\n: b\r\n\r\n") << "refused";
    QTest::newRow("another version") << QByteArray("GET / HTTP/2.0\r\n\r\n") << "refused";
    QTest::newRow("no version") << QByteArray("GET /\r\n\r\n") << "refused";
    QTest::newRow("not finished") << QByteArray("GET / HTTP/1.1\r\nHost: a\r\n") << "incomplete";
    QTest::newRow("over 16 KiB unfinished")
        << "GET / HTTP/1.1\r\nA: " + QByteArray(longestHead, 'a') << "too long";
    QTest::newRow("16 KiB exactly")
        << "GET / HTTP/1.1\r\nA: " + QByteArray(longestHead - 23, 'a') + "\r\n\r\n"
        << "GET / keep";
}

void TestStation::requestHeads() {
    QFETCH(QByteArray, head);
    QFETCH(QString, expected);
    const HeadScan scan = scanHead(head);
    QString found = scan.status == HeadScan::Status::Incomplete ? QStringLiteral("incomplete")
                    : scan.status == HeadScan::Status::TooLong  ? QStringLiteral("too long")
                                                                : QStringLiteral("refused");
    if (const auto parsed = scan.status == HeadScan::Status::Complete
                                ? parseHead(QByteArrayView(head).first(scan.length))
                                : std::nullopt)
        found = QString::fromLatin1(parsed->method + ' ' + parsed->target + ' ' +
                                    (parsed->hasBody()      ? "body"
                                     : parsed->keepsAlive() ? "keep"
                                                            : "close"));
    QCOMPARE(found, expected);
}

void TestStation::failedAttemptsSlowDown() {
    using namespace std::chrono_literals;
    FailedAttempts attempts;
    const QHostAddress guesser(QStringLiteral("192.0.2.7"));
    const auto start = FailedAttempts::Clock::now();
    QCOMPARE(attempts.waitFor(guesser, start), 0ms);
    QList<qint64> waits;
    for (int failure = 0; failure < 10; ++failure) {
        attempts.failed(guesser, start);
        waits << attempts.waitFor(guesser, start).count();
    }
    QCOMPARE(waits, QList<qint64>({250, 500, 1000, 2000, 4000, 8000, 16000, 30000, 30000, 30000}));
    QCOMPARE(attempts.waitFor(guesser, start + 10s), 20000ms);
    QCOMPARE(attempts.waitFor(QHostAddress(QStringLiteral("192.0.2.8")), start), 0ms);
    QCOMPARE(attempts.waitFor(guesser, start + FailedAttempts::forgetAfter), 0ms);
    attempts.failed(guesser, start + FailedAttempts::forgetAfter);
    QCOMPARE(attempts.waitFor(guesser, start + FailedAttempts::forgetAfter), 250ms);
}

// Attempts from one address are checked one after another, each after the
// wait the failures before it earned: guesses sent side by side are slowed
// down as much as guesses one after another (no wait, 250, 500, 1,000 ms).
void TestStation::parallelGuessesWait() {
    auto fresh = std::make_unique<StationServer>(m_desk);
    QVERIFY(!fresh->start({loopback, 0}));
    std::swap(m_server, fresh);
    const auto restore = qScopeGuard([&] { std::swap(m_server, fresh); });
    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<QWebSocket>> guesses;
    QList<qint64> closedAfter;
    for (int n = 0; n < 4; ++n) {
        guesses.push_back(page(QByteArray(22, 'A')));
        connect(guesses.back().get(), &QWebSocket::disconnected, this,
                [&] { closedAfter << clock.elapsed(); });
    }
    QTRY_COMPARE_WITH_TIMEOUT(closedAfter.size(), 4, 10000);
    QVERIFY2(closedAfter.back() >= 1750, qPrintable(QString::number(closedAfter.back())));
}

// Every answer carries the security headers; nothing but the empty shell
// is served, and a request the station does not take is refused whole.
void TestStation::plainRequests_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("status");
    const QByteArray upgrade =
        "GET /live HTTP/1.1\r\nHost: h\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
        "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n";
    QTest::newRow("the page") << QByteArray("GET / HTTP/1.1\r\nHost: h\r\n\r\n")
                              << QByteArray("200");
    QTest::newRow("its script") << QByteArray("GET /station.js HTTP/1.1\r\n\r\n")
                                << QByteArray("200");
    QTest::newRow("anything else")
        << QByteArray("GET /etc/passwd HTTP/1.1\r\n\r\n") << QByteArray("404");
    QTest::newRow("a body") << QByteArray("POST / HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc")
                            << QByteArray("413");
    QTest::newRow("another method") << QByteArray("DELETE / HTTP/1.1\r\n\r\n") << QByteArray("405");
    QTest::newRow("no HTTP") << QByteArray("\x16\x03\x01\x02\x01 x\r\n\r\n") << QByteArray("400");
    QTest::newRow("head over 16 KiB")
        << "GET / HTTP/1.1\r\nA: " + QByteArray(20000, 'a') << QByteArray("431");
    QTest::newRow("live from another site") << upgrade + "Origin: http://gala.example\r\n\r\n"
                                            << QByteArray("403");
    QTest::newRow("live from another port") << upgrade + "Origin: http://127.0.0.1:1\r\n\r\n"
                                            << QByteArray("403");
    QTest::newRow("live without an origin") << upgrade + "\r\n" << QByteArray("403");
}

void TestStation::plainRequests() {
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, status);
    const QByteArray answer = answerTo(m_server->address(), request);
    QVERIFY2(answer.startsWith("HTTP/1.1 " + status + ' '), answer.left(200).constData());
    for (const char* header :
         {"\r\nContent-Security-Policy: default-src 'none'; script-src 'self';",
          "frame-ancestors 'none'\r\n", "\r\nX-Content-Type-Options: nosniff\r\n",
          "\r\nReferrer-Policy: no-referrer\r\n"})
        QVERIFY2(answer.contains(header), header);
    QVERIFY(!answer.contains("Event 1 results"));
}

// One address holds at most 16 connections, the station 256 in all; one
// more is closed as it comes, while others still get in.
void TestStation::connectionsAreCapped_data() {
    QTest::addColumn<int>("addresses");
    QTest::newRow("one address") << 1;
    QTest::newRow("every slot") << mostConnections / mostFromOneAddress;
}

void TestStation::connectionsAreCapped() {
    QFETCH(int, addresses);
    const auto connectFrom = [this](QTcpSocket& socket, int address) {
        socket.bind(QHostAddress(QStringLiteral("127.0.0.%1").arg(address + 1)));
        return connectTo(socket, m_server->address());
    };
    std::vector<std::unique_ptr<QTcpSocket>> held;
    for (int n = 0; n < addresses * mostFromOneAddress; ++n) {
        held.push_back(std::make_unique<QTcpSocket>());
        QVERIFY(connectFrom(*held.back(), n % addresses));
    }
    QTcpSocket extra;
    QVERIFY(connectFrom(extra, 0));
    QTRY_COMPARE(extra.state(), QAbstractSocket::UnconnectedState);
    QTcpSocket elsewhere;
    QVERIFY(connectFrom(elsewhere, addresses));
    QSignalSpy answered(&elsewhere, &QTcpSocket::readyRead);
    elsewhere.write("GET / HTTP/1.1\r\n\r\n");
    QCOMPARE(answered.wait(2000), addresses == 1);
    QTRY_COMPARE(m_server->openConnections(), int(held.size()) + (addresses == 1 ? 1 : 0));
    held.clear();
    QTRY_VERIFY(answerTo(m_server->address(), "GET / HTTP/1.1\r\n\r\n").startsWith("HTTP/1.1 200"));
}

// Whatever becomes of a connection (a plain request, a handshake left
// half-way, a page that closes, one refused), its slot comes back the
// moment it ends: hundreds later a page still gets in, and nothing of
// them is left behind.
void TestStation::slotsComeBack_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("cycles");
    QTest::newRow("plain requests") << "plain" << 300;
    QTest::newRow("handshakes left half-way") << "half" << 300;
    QTest::newRow("handshakes refused") << "rejected" << 300;
    QTest::newRow("handshakes without a hello") << "bare" << 300;
    QTest::newRow("pages that close") << "page" << 300;
    QTest::newRow("pages refused") << "refused" << 3;
}

void TestStation::slotsComeBack() {
    QFETCH(QString, kind);
    QFETCH(int, cycles);
    const QString live = QStringLiteral("ws://%1/live").arg(addressText(m_server->address()));
    const QHash<QString, QByteArray> requests = {
        {"plain", "GET / HTTP/1.1\r\nConnection: close\r\n\r\n"},
        {"half", "GET /live HTTP/1.1\r\nUpgrade: websocket\r\n"},
        {"rejected",
         "GET /live HTTP/1.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nOrigin: http://" +
             addressText(m_server->address()).toLatin1() + "\r\n\r\n"}};
    const auto cycle = [&]() -> bool {
        if (const QByteArray request = requests.value(kind); !request.isEmpty()) {
            QTcpSocket socket;
            QSignalSpy closed(&socket, &QTcpSocket::disconnected);
            const bool connected = connectTo(socket, m_server->address());
            socket.write(request);
            socket.flush();
            return connected && (kind == QLatin1String("half") || closed.wait(5000));
        }
        const bool refused = kind == QLatin1String("refused");
        const std::unique_ptr<QWebSocket> socket =
            kind == QLatin1String("bare")
                ? std::make_unique<QWebSocket>(QStringLiteral("http://") +
                                               addressText(m_server->address()))
                : page(refused ? QByteArray(22, 'A')
                               : m_server->link(Role::Watch).fragment().toLatin1());
        QSignalSpy welcomed(socket.get(), &QWebSocket::binaryMessageReceived);
        QSignalSpy closed(socket.get(), &QWebSocket::disconnected);
        if (kind == QLatin1String("bare")) {
            QSignalSpy connected(socket.get(), &QWebSocket::connected);
            socket->open(QUrl(live));
            return connected.wait(5000);
        }
        if (refused)
            return closed.wait(5000) && socket->closeCode() == 4001;
        return welcomed.wait(5000);
    };
    for (int n = 0; n < cycles; ++n)
        QVERIFY2(cycle(), qPrintable(QStringLiteral("cycle %1").arg(n)));
    QTRY_COMPARE(m_server->openConnections(), 0);
    QTRY_VERIFY(m_server->findChildren<QObject*>().isEmpty());
    const std::unique_ptr<QWebSocket> watching =
        page(m_server->link(Role::Watch).fragment().toLatin1());
    QTRY_COMPARE(m_server->pages().size(), size_t(1));
    // Stop and Start close everything and count afresh; a page is told why.
    const Address address = m_server->address();
    m_server->stop();
    QTRY_COMPARE(m_server->openConnections(), 0);
    QTRY_COMPARE(watching->closeCode(), QWebSocketProtocol::CloseCodeGoingAway);
    QVERIFY(!m_server->start(address));
    QCOMPARE(cycle(), true);
}

// A client that sends frames far faster than any page would, pings
// included, is cut off whether or not it has said hello; the pongs it
// never reads do not pile up at the station meanwhile.
void TestStation::frameFloodIsCut_data() {
    QTest::addColumn<bool>("admitted");
    QTest::newRow("before its hello") << false;
    QTest::newRow("an admitted page") << true;
}

void TestStation::frameFloodIsCut() {
    QFETCH(bool, admitted);
    const std::unique_ptr<QWebSocket> flooder =
        page(admitted ? m_server->link(Role::Watch).fragment().toLatin1() : QByteArray());
    if (admitted)
        QTRY_COMPARE(m_server->pages().size(), size_t(1));
    flooder->setReadBufferSize(1);
    QSignalSpy closed(flooder.get(), &QWebSocket::disconnected);
    for (int n = 0; n < 5000 && flooder->state() == QAbstractSocket::ConnectedState; ++n)
        flooder->ping(QByteArray(125, 'p'));
    QVERIFY(closed.wait(3000));
}

// A request begun and never finished, and a page that stops answering,
// are closed once the idle time has passed.
void TestStation::silentConnectionsClose() {
    m_server->setIdleMilliseconds(300);
    QTcpSocket halfOpen;
    QVERIFY(connectTo(halfOpen, m_server->address()));
    halfOpen.write("GET / HTTP/1.1\r\nHost: slow");
    const std::unique_ptr<QWebSocket> silent =
        page(m_server->link(Role::Watch).fragment().toLatin1());
    QTRY_COMPARE(m_server->pages().size(), size_t(1));
    silent->disconnect();
    // Not answering the pings.
    silent->setReadBufferSize(1);
    QTRY_COMPARE_WITH_TIMEOUT(halfOpen.state(), QAbstractSocket::UnconnectedState, 3000);
    QTRY_COMPARE_WITH_TIMEOUT(m_server->pages().size(), size_t(0), 3000);
    m_server->setIdleMilliseconds(60 * 1000);
}

// Whatever a page sends, its link decides: an action a watch link does
// not allow changes nothing and closes the connection, as does a wrong
// token, anything but the protocol's messages, and a message over 64 KiB.
// Every check of a sent message is the station's: what the page checked
// counts for nothing.
void TestStation::sentMessages_data() {
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("lines") << " Referee "
                           << "a\r\nb\rc\nd"
                           << "a\nb\nc\nd"
                           << "";
    QTest::newRow("longest") << "Referee" << QString(1000, 'x') << QString(1000, 'x') << "";
    QTest::newRow("CR LF counts once")
        << "Referee" << QString(500, 'x') + "\r\n" + QString(499, 'x')
        << QString(500, 'x') + "\n" + QString(499, 'x') << "";
    QTest::newRow("too long") << "Referee" << QString(1001, 'x') << ""
                              << "longer than 1,000";
    QTest::newRow("empty") << "Referee"
                           << ""
                           << ""
                           << "empty";
    QTest::newRow("only spaces and lines") << "Referee"
                                           << " \r\n "
                                           << ""
                                           << "empty";
    QTest::newRow("tab") << "Referee"
                         << "a\tb"
                         << ""
                         << "control characters";
    QTest::newRow("escape") << "Referee"
                            << "a\x1b[2Jb"
                            << ""
                            << "control characters";
    QTest::newRow("no sender") << "  "
                               << "a"
                               << ""
                               << "who is sending";
    QTest::newRow("sender on two lines") << "Ref\neree"
                                         << "a"
                                         << ""
                                         << "one line";
    QTest::newRow("sender too long") << QString(61, 'r') << "a"
                                     << ""
                                     << "one line";
    // What is stored is exactly what was checked: no half of a pair, which
    // the database would take with the character after it; no line break
    // in the name of another kind; nothing that turns the name around.
    const QChar high(0xd800);
    const QChar low(0xdc00);
    QTest::newRow("a pair is one character")
        << "Referee" << QString("Gold ") + high + low << QString("Gold ") + high + low << "";
    QTest::newRow("half a pair in the text") << "Referee" << QString("a") + high + "b"
                                             << ""
                                             << "not valid text";
    QTest::newRow("half a pair in the name") << QString("Ref") + low << "a"
                                             << ""
                                             << "not valid text";
    QTest::newRow("line and paragraph separators") << "Referee"
                                                   << "a\u2028b\u2029c"
                                                   << "a\nb\nc"
                                                   << "";
    QTest::newRow("line separator in the name") << "Referee\u2028From Meet director"
                                                << "a"
                                                << ""
                                                << "one line";
    QTest::newRow("direction override in the name") << "\u202eeerefeR"
                                                    << "a"
                                                    << ""
                                                    << "writing direction";
    QTest::newRow("direction isolate in the name") << "Ref\u2067eree"
                                                   << "a"
                                                   << ""
                                                   << "writing direction";
    QTest::newRow("direction controls in the text") << "Referee"
                                                    << "a\u202ab\u202cc\u2066d\u2069"
                                                    << "abcd"
                                                    << "";
    QTest::newRow("right to left") << "\u05e9\u05d5\u05e4\u05d8"
                                   << "\u05e9\u05dc\u05d5\u05dd\u200f 4"
                                   << "\u05e9\u05dc\u05d5\u05dd\u200f 4"
                                   << "";
}

void TestStation::sentMessages() {
    QFETCH(QString, sender);
    QFETCH(QString, text);
    QFETCH(QString, added);
    QFETCH(QString, refusal);
    const CheckedMessage checked = checkMessage(sender, text);
    const QString given = QString::fromUtf8(checked.refusal);
    QVERIFY2(refusal.isEmpty() ? !checked.refusal : given.contains(refusal), qPrintable(given));
    if (refusal.isEmpty()) {
        QCOMPARE(checked.text, added);
        QCOMPARE(checked.sender, sender.trimmed());
    }
}

// A sent message is recognised by its row: read out when the desk
// dismisses it, put back under Undo's new row, unread when its row left
// the list otherwise. A gone row's key may come back for a new message.
void TestStation::sentStatesFollowTheRow() {
    const auto key = [](int id) { return store::RowKey(QVariant(id)); };
    const auto states = [](const SentMessages& sent) {
        QStringList names;
        for (const SentMessage& message : sent.messages())
            names << stateName(message.state) + QLatin1Char(' ') + message.key.text();
        return names;
    };
    SentMessages sent;
    SentMessage message;
    message.key = key(5);
    QVERIFY(sent.add(message));
    QVERIFY(!sent.add(message));
    QVERIFY(!sent.listed({}));
    QVERIFY(!sent.listed({key(5)}));
    QVERIFY(sent.dismissed(key(5), QDateTime::currentDateTime()));
    QVERIFY(sent.restored(key(5), key(7)));
    QCOMPARE(states(sent), QStringList({"back 7"}));
    QVERIFY(!sent.listed({}));
    QVERIFY(!sent.listed({key(7)}));
    QVERIFY(sent.listed({}));
    QCOMPARE(states(sent), QStringList({"unread 7"}));
    QVERIFY(sent.add(message));
    message.key = key(7);
    QVERIFY(sent.add(message));
    QCOMPARE(states(sent), QStringList({"unread ", "listed 5", "listed 7"}));
    // The same text from another page joins the row, but is that page's own.
    message.page = QStringLiteral("another");
    QVERIFY(sent.add(message));
    QVERIFY(sent.dismissed(key(7), QDateTime::currentDateTime()));
    QCOMPARE(states(sent), QStringList({"unread ", "listed 5", "read 7", "read 7"}));
}

// Each page has its own rate, the link a higher one for all its pages. A
// page's message is known by its number while on its way to the database
// (unless its answer was dropped) and for ten minutes once added.
void TestStation::sendRatesAndRepeats() {
    using namespace std::chrono_literals;
    SentMessages sent;
    const auto start = SentMessages::Clock::now();
    for (int n = 0; n < mostSentPerMinute; ++n)
        QVERIFY(!sent.hold("a", start + 1s));
    const auto held = sent.hold("a", start + 2s);
    QVERIFY(held && !held->onLink);
    QCOMPARE(held->seconds, 59);
    for (int n = mostSentPerMinute; n < mostSentPerMinuteOnLink; ++n)
        QVERIFY(!sent.hold(QString::number(n % 3), start + 30s));
    QVERIFY(sent.hold("d", start + 30s)->onLink);
    QVERIFY(!sent.hold("a", start + 61s));
    using Fate = SentMessages::Fate;
    sent.sending("a", 1, start);
    sent.sending("a", 2, start);
    QCOMPARE(sent.fateOf("a", 1, start + 59s), Fate::Sending);
    QCOMPARE(sent.fateOf("b", 1, start), Fate::New);
    QCOMPARE(sent.fateOf("a", 2, start + SentMessages::longestSending), Fate::New);
    sent.settled("a", 1, true, start + 1s);
    QCOMPARE(sent.fateOf("a", 1, start + 10min), Fate::Added);
    sent.settled("a", 2, false, start + 11min);
    QCOMPARE(sent.fateOf("a", 1, start + 11min), Fate::New);
}

// Each send page has an identity of its own: it is told only of its own
// messages and has its own rate. A message it sends again, on the same
// connection or a new one after losing the answer, is answered as the
// first was, even while that is still on its way, and never added twice.
void TestStation::sendPagesKeepTheirOwn() {
    QVERIFY(!m_server->renewLinks());
    const QString token = m_server->link(Role::Send).fragment();
    const QString identity = QStringLiteral("pageAAAAAAAAAAAAAAAAAA");
    const OwnPage a(page({}), token, identity);
    const OwnPage b(page({}), token, QStringLiteral("pageBBBBBBBBBBBBBBBBBB"));
    QTRY_COMPARE(m_server->pages().size(), size_t(2));
    const int rows = m_fixture.rowCount();
    a.send(1, "Lane 4 to the start");
    QTRY_COMPARE(a.answer(1), QString());
    QTRY_COMPARE(a.sent(), QStringList({"Lane 4 to the start"}));
    QVERIFY(b.sent().isEmpty());
    const OwnPage again(page({}), token, identity);
    QTRY_COMPARE(m_server->pages().size(), size_t(3));
    again.send(1, "Lane 4 to the start");
    QTRY_COMPARE(again.answer(1), QString());
    a.send(2, "Medal ceremony");
    a.send(2, "Medal ceremony");
    QTRY_COMPARE(again.answer(2), QString());
    settle(m_desk);
    QCOMPARE(m_fixture.rowCount(), rows + 2);
    for (int number = 3; number <= mostSentPerMinute + 1; ++number)
        a.send(number, QStringLiteral("Call %1").arg(number));
    QTRY_VERIFY(a.answer(mostSentPerMinute + 1));
    QVERIFY2(a.answer(mostSentPerMinute + 1)->contains("from this page"),
             qPrintable(*a.answer(mostSentPerMinute + 1)));
    b.send(1, "Lost property");
    QTRY_COMPARE(b.answer(1), QString());
    QTRY_COMPARE(a.sent().size(), int(SentMessages::mostShown));
    QCOMPARE(b.sent(), QStringList({"Lost property"}));
}

void TestStation::pageRequests_data() {
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("request");
    QTest::addColumn<int>("closeCode");
    const QString key = m_desk.messages()->line(0)->key.text();
    QTest::newRow("watch chooses") << int(Role::Watch) << R"({"type":"choose","key":"%1"})" << 4003;
    QTest::newRow("watch dismisses")
        << int(Role::Watch) << R"({"type":"dismiss","key":"%1"})" << 4003;
    QTest::newRow("watch undoes") << int(Role::Watch) << R"({"type":"undo"})" << 4003;
    const QString sends = R"({"type":"send","sender":"Referee","text":"x"})";
    QTest::newRow("watch sends") << int(Role::Watch) << sends << 4003;
    QTest::newRow("watch reads the log") << int(Role::Watch) << R"({"type":"readOuts"})" << 4003;
    QTest::newRow("watch asks for the links") << int(Role::Watch) << R"({"type":"links"})" << 4003;
    QTest::newRow("watch makes new links") << int(Role::Watch) << R"({"type":"newLinks"})" << 4003;
    QTest::newRow("send makes new links") << int(Role::Send) << R"({"type":"newLinks"})" << 4003;
    const QString plans = R"({"type":"plan","edit":"add","text":"x","notBefore":"09:00"})";
    QTest::newRow("watch plans") << int(Role::Watch) << plans << 4003;
    QTest::newRow("send plans") << int(Role::Send) << plans << 4003;
    QTest::newRow("announce sends") << int(Role::Announce) << sends << 4003;
    QTest::newRow("send dismisses")
        << int(Role::Send) << R"({"type":"dismiss","key":"%1"})" << 4003;
    QTest::newRow("screen chooses")
        << int(Role::Screen) << R"({"type":"choose","key":"%1"})" << 4003;
    QTest::newRow("screen unblanks itself")
        << int(Role::Screen) << R"({"type":"blank","on":false})" << 4003;
    QTest::newRow("watch holds back")
        << int(Role::Watch) << R"({"type":"holdBack","key":"%1","on":true})" << 4003;
    QTest::newRow("send blanks the screen")
        << int(Role::Send) << R"({"type":"blank","on":true})" << 4003;
    QTest::newRow("says hello twice")
        << int(Role::Announce) << R"({"type":"hello","token":""})" << 4002;
    QTest::newRow("not JSON") << int(Role::Announce) << "<script>" << 4002;
    QTest::newRow("unknown request") << int(Role::Announce) << R"({"type":"delete all"})" << 4002;
    QTest::newRow("over 64 KiB") << int(Role::Announce)
                                 << QString(longestMessage + 1, QLatin1Char(' '))
                                 << int(QWebSocketProtocol::CloseCodeTooMuchData);
    QTest::newRow("wrong token") << -1 << QString() << 4001;
}

void TestStation::pageRequests() {
    QFETCH(int, role);
    QFETCH(QString, request);
    QFETCH(int, closeCode);
    const QByteArray token = role < 0 ? QByteArray("AAAAAAAAAAAAAAAAAAAAAA")
                                      : m_server->link(Role(role)).fragment().toLatin1();
    const QUrl link = m_server->link(Role::Announce);
    const std::unique_ptr<QWebSocket> socket = page(token);
    QSignalSpy closed(socket.get(), &QWebSocket::disconnected);
    if (role >= 0) {
        QTRY_COMPARE(m_server->pages().size(), size_t(1));
        socket->sendTextMessage(
            request.replace(QLatin1String("%1"), m_desk.messages()->line(0)->key.text()));
    }
    QVERIFY(closed.wait(role < 0 ? 10000 : 5000));
    QCOMPARE(int(socket->closeCode()), closeCode);
    settle(m_desk);
    QCOMPARE(m_fixture.rowCount(), 1);
    QVERIFY(m_desk.windowDisplay().shownText().isEmpty());
    QVERIFY(!m_server->caption().isBlank() && m_server->caption().heldBack().empty());
    QCOMPARE(m_server->link(Role::Announce), link);
}

// The page speaks the first language the browser wants that kelvane has,
// English where English comes first; the station's notices to the page
// follow the language the page was served in.
void TestStation::pageInBrowsersLanguage_data() {
    QTest::addColumn<QByteArray>("acceptLanguage");
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("notice");
    QTest::newRow("none") << QByteArray() << QByteArray("<html lang=\"en\">")
                          << QStringLiteral("That message is no longer listed.");
    QTest::newRow("Swiss German first")
        << QByteArray("de-CH, en;q=0.8") << QByteArray("<html lang=\"de\">")
        << QStringLiteral("Diese Nachricht steht nicht mehr in der Liste.");
    QTest::newRow("weights decide")
        << QByteArray("fr;q=0.3, nl;q=0.9, *;q=0.5") << QByteArray(">Berichten<")
        << QStringLiteral("Dit bericht staat niet meer in de lijst.");
    QTest::newRow("English before Spanish")
        << QByteArray("en-GB,es;q=0.9") << QByteArray(">Messages<")
        << QStringLiteral("That message is no longer listed.");
    QTest::newRow("refused and unknown")
        << QByteArray("es;q=0, x-<script>, tlh") << QByteArray("data-texts=\"{}\"")
        << QStringLiteral("That message is no longer listed.");
}

void TestStation::pageInBrowsersLanguage() {
    QFETCH(QByteArray, acceptLanguage);
    QFETCH(QByteArray, page);
    QFETCH(QString, notice);
    const QByteArray answer = answerTo(
        m_server->address(),
        "GET / HTTP/1.1\r\nConnection: close\r\nAccept-Language: " + acceptLanguage + "\r\n\r\n");
    QVERIFY2(answer.contains(page), answer.constData());
    // A text that is also a name in the page ("send") leaves the name alone.
    QVERIFY(answer.contains("<button id=\"send\""));
    const qsizetype lang = answer.indexOf("<html lang=\"") + 12;
    const QByteArray language = answer.mid(lang, answer.indexOf('"', lang) - lang);
    const std::unique_ptr<QWebSocket> socket =
        this->page(m_server->link(Role::Announce).fragment().toLatin1(), {}, language);
    QTRY_COMPARE(m_server->pages().size(), size_t(1));
    QSignalSpy received(socket.get(), &QWebSocket::binaryMessageReceived);
    socket->sendTextMessage(QStringLiteral(R"({"type":"choose","key":"gone"})"));
    QTRY_VERIFY(std::any_of(received.cbegin(), received.cend(), [&](const QList<QVariant>& m) {
        return m.front().toByteArray().contains(notice.toUtf8());
    }));
    socket->close();
    QTRY_VERIFY(m_server->pages().empty());
}

// A page whose browser stops reading is dropped once more than a
// mebibyte waits for it, however much the list changes.
void TestStation::pageThatDoesNotReadIsDropped() {
    const std::unique_ptr<QWebSocket> stuck =
        page(m_server->link(Role::Watch).fragment().toLatin1());
    QTRY_COMPARE(m_server->pages().size(), size_t(1));
    stuck->setReadBufferSize(1);
    stuck->disconnect();
    const QString filler(3000, QLatin1Char('x'));
    for (int n = 0; n < 400 && !m_server->pages().empty(); ++n) {
        m_fixture.addRow(2, filler + QString::number(n));
        refresh(m_desk);
        QTest::qWait(5);
    }
    QTRY_VERIFY(m_server->pages().empty());
}

void TestStation::listPagesAreViewsOfTheDesk_data() {
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("view");
    QTest::newRow("watch") << int(Role::Watch) << true;
    QTest::newRow("announce") << int(Role::Announce) << true;
    QTest::newRow("send, which shows no list") << int(Role::Send) << false;
    QTest::newRow("screen, which shows no list") << int(Role::Screen) << false;
}

// While a page shows the desk's list, the desk keeps it current without
// its window; once the page has gone, it no longer does.
void TestStation::listPagesAreViewsOfTheDesk() {
    QFETCH(int, role);
    QFETCH(bool, view);
    const std::unique_ptr<QWebSocket> socket =
        page(m_server->link(Role(role)).fragment().toLatin1());
    QTRY_COMPARE(m_server->pages().size(), size_t(1));
    QCOMPARE(m_desk.hasViews(), view);
    socket->close();
    QTRY_VERIFY(m_server->pages().empty());
    QVERIFY(!m_desk.hasViews());
}

// With the announcer's certificate and key the station speaks HTTPS only:
// a page on wss gets the desk; a plain request gets nothing.
std::optional<QSslConfiguration> TestStation::tls(const QTemporaryDir& dir, QString& error,
                                                  QFile::Permissions key, bool foreign) {
    const QString fixtures = QStringLiteral(KELVANE_FIXTURES "/station/");
    const QString keyFile = dir.filePath("key.pem");
    QFile::remove(keyFile);
    QFile::copy(fixtures + "key.pem", keyFile);
    QFile::setPermissions(keyFile, key);
    if (foreign)
        ::chown(QFile::encodeName(keyFile).constData(), 65534, 65534);
    return tlsConfiguration(fixtures + "certificate.pem", keyFile, error);
}

void TestStation::refusedAddressSaysWhatToDo_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("advice");
    QTest::newRow("a port in use") << "in use"
                                   << "Choose another port, or close that program.";
    QTest::newRow("not this computer's address") << "192.0.2.1"
                                                 << "Choose one of this computer's addresses.";
}

// A station that cannot listen says what to do about it.
void TestStation::refusedAddressSaysWhatToDo() {
    QFETCH(QString, address);
    QFETCH(QString, advice);
    StationServer second(m_desk);
    const Address where =
        address == "in use" ? m_server->address() : Address{QHostAddress(address), 0};
    const store::Failure refusal = second.start(where);
    QVERIFY(refusal);
    QVERIFY2(
        refusal.reason().startsWith("The browser station cannot listen on " + addressText(where)),
        qPrintable(refusal.reason()));
    QVERIFY2(refusal.reason().endsWith(advice), qPrintable(refusal.reason()));
}

void TestStation::overHttps() {
    const QString fixtures = QStringLiteral(KELVANE_FIXTURES "/station/");
    QString error;
    const auto tls = this->tls(m_home, error);
    QVERIFY2(tls, qPrintable(error));
    QVERIFY(!tlsConfiguration(fixtures + "key.pem", fixtures + "certificate.pem", error));
    StationServer secure(m_desk);
    QVERIFY(!secure.start({loopback, 0}, tls));
    QCOMPARE(secure.link(Role::Watch).scheme(), QStringLiteral("https"));
    QWebSocket socket(QStringLiteral("https://") + addressText(secure.address()));
    // The test's certificate is its own.
    QSslConfiguration trusting = socket.sslConfiguration();
    trusting.setPeerVerifyMode(QSslSocket::VerifyNone);
    socket.setSslConfiguration(trusting);
    QSignalSpy connected(&socket, &QWebSocket::connected);
    QSignalSpy received(&socket, &QWebSocket::binaryMessageReceived);
    socket.open(QUrl(QStringLiteral("wss://%1/live").arg(addressText(secure.address()))));
    QVERIFY(connected.wait(5000));
    socket.sendTextMessage(QStringLiteral(R"({"type":"hello","token":"%1"})")
                               .arg(secure.link(Role::Watch).fragment()));
    QVERIFY(received.wait(5000));
    QVERIFY(received[0][0].toByteArray().contains(R"("role":"watch")"));
    QVERIFY(!answerTo(secure.address(), "GET / HTTP/1.1\r\n\r\n").startsWith("HTTP/"));
}

// The key must be the announcer's own file that no one else may read, as
// the links file is; TLS 1.2 is spoken only with ECDHE and AEAD suites.
void TestStation::tlsKeyAndSuites_data() {
    QTest::addColumn<QFile::Permissions>("key");
    QTest::addColumn<bool>("foreign");
    QTest::addColumn<QString>("suite");
    QTest::addColumn<QString>("refusal");
    const QFile::Permissions own = QFile::ReadOwner | QFile::WriteOwner;
    QTest::newRow("a private key") << own << false << QString() << QString();
    QTest::newRow("others may read the key")
        << (own | QFile::ReadOther) << false << QString() << "may read it";
    QTest::newRow("its group may read the key")
        << (own | QFile::ReadGroup) << false << QString() << "may read it";
    QTest::newRow("another user's key") << own << true << QString() << "another user";
    QTest::newRow("TLS 1.2, ECDHE and GCM")
        << own << false << "ECDHE-ECDSA-AES128-GCM-SHA256" << QString();
    QTest::newRow("TLS 1.2, ChaCha20")
        << own << false << "ECDHE-ECDSA-CHACHA20-POLY1305" << QString();
    QTest::newRow("TLS 1.2, CBC") << own << false << "ECDHE-ECDSA-AES128-SHA"
                                  << "handshake";
    QTest::newRow("TLS 1.2, CBC with SHA-256") << own << false << "ECDHE-ECDSA-AES128-SHA256"
                                               << "handshake";
}

void TestStation::tlsKeyAndSuites() {
    QFETCH(QFile::Permissions, key);
    QFETCH(bool, foreign);
    QFETCH(QString, suite);
    QFETCH(QString, refusal);
    if (foreign && ::geteuid() != 0)
        QSKIP("only root can give a file to another user");
    QTemporaryDir dir;
    QString error;
    const auto tls = this->tls(dir, error, key, foreign);
    if (!tls) {
        QVERIFY2(!refusal.isEmpty() && error.contains(refusal), qPrintable(error));
        QVERIFY(error.contains(dir.filePath("key.pem")));
        return;
    }
    QVERIFY2(refusal != "may read it" && refusal != "another user", "the key was used");
    StationServer secure(m_desk);
    QVERIFY(!secure.start({loopback, 0}, tls));
    QSslSocket client;
    QSslConfiguration offered = client.sslConfiguration();
    offered.setPeerVerifyMode(QSslSocket::VerifyNone);
    if (!suite.isEmpty()) {
        offered.setProtocol(QSsl::TlsV1_2);
        offered.setCiphers({QSslCipher(suite)});
        QVERIFY(!offered.ciphers().front().isNull());
    }
    client.setSslConfiguration(offered);
    QSignalSpy encrypted(&client, &QSslSocket::encrypted);
    QSignalSpy failed(&client, &QSslSocket::errorOccurred);
    client.connectToHostEncrypted(loopback.toString(), secure.address().port);
    QTRY_VERIFY(!encrypted.isEmpty() || !failed.isEmpty());
    QCOMPARE(encrypted.isEmpty(), !refusal.isEmpty());
}

// The links an announce page hands out are the station's, each with its QR
// code; New links from it drops every other page but keeps it, on its own
// new link.
void TestStation::announcePageHandsOutLinks() {
    const OwnPage announce(page({}), m_server->link(Role::Announce).fragment(), {});
    const std::unique_ptr<QWebSocket> watch =
        page(m_server->link(Role::Watch).fragment().toLatin1());
    QTRY_COMPARE(m_server->pages().size(), size_t(2));
    announce.say({{"type", "links"}});
    QTRY_COMPARE(announce.last("links")["pages"].toInt(-1), 1);
    const QJsonArray links = announce.last("links")["links"].toArray();
    QCOMPARE(links.size(), 4);
    QCOMPARE(links[2]["url"].toString(), m_server->link(Role::Send).toString());
    const int size = links[2]["size"].toInt();
    QVERIFY(size >= 21);
    QCOMPARE(links[2]["dark"].toString().size(), size * size);
    QSignalSpy watchClosed(watch.get(), &QWebSocket::disconnected);
    announce.say({{"type", "newLinks"}});
    QVERIFY(watchClosed.wait(5000));
    QCOMPARE(int(watch->closeCode()), int(CloseReason::LinkNotValid));
    QTRY_COMPARE(announce.last("links")["pages"].toInt(-1), 0);
    QCOMPARE(announce.last("links")["links"][1]["url"].toString(),
             m_server->link(Role::Announce).toString());
    QVERIFY(m_server->link(Role::Announce).toString() != links[1]["url"].toString());
    QCOMPARE(announce.socket->state(), QAbstractSocket::ConnectedState);
}

// Read out today on an announce page: newest first, whole texts, but never
// more at once than a page can take: at most 200, and the texts cut where
// their bytes would pass 256 KiB, the older ones counted.
void TestStation::announcePageReadsTheLog() {
    const auto logged = [](const QString& message) {
        QVERIFY(
            !desk::readoutlog::append({QDateTime::currentDateTime(), desk::readoutlog::dismissed,
                                       QStringLiteral("gala.sqlite"), QStringLiteral("1"), 7,
                                       message, desk::AnnouncerDesk::deskStation}));
    };
    const OwnPage announce(page({}), m_server->link(Role::Announce).fragment(), {});
    QTRY_COMPARE(m_server->pages().size(), size_t(1));
    for (int n = 0; n < protocol::mostReadOuts + 50; ++n)
        logged(QStringLiteral("Message %1").arg(n));
    announce.say({{"type", "readOuts"}});
    QTRY_VERIFY(!announce.last("readOuts").isEmpty());
    QCOMPARE(announce.last("readOuts")["entries"].toArray().size(), protocol::mostReadOuts);
    QVERIFY(announce.last("readOuts")["older"].toInt() >= 50);
    logged(QString(protocol::readOutsBytes, QLatin1Char('x')));
    logged(QStringLiteral("Newest\r\nits second line"));
    QSignalSpy told(announce.socket.get(), &QWebSocket::binaryMessageReceived);
    // Asked twice at once, both are answered from the log as it is now.
    announce.say({{"type", "readOuts"}});
    announce.say({{"type", "readOuts"}});
    QTRY_COMPARE(told.count(), 2);
    QVERIFY(told.last().front().toByteArray().size() <
            protocol::readOutsBytes + qsizetype{8} * 1024);
    const QJsonArray entries = announce.last("readOuts")["entries"].toArray();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0]["text"].toString(), QStringLiteral("Newest\nits second line"));
    QCOMPARE(entries[0]["line"].toString(), QStringLiteral("7:Newest"));
    QCOMPARE(entries[0]["left"].toInt(), 0);
    QVERIFY(entries[1]["left"].toInt() > 0);
    QVERIFY(announce.last("readOuts")["older"].toInt() >= protocol::mostReadOuts + 50);
}

// Steps: "A" the voice shows message A, "-" it was dismissed, "hold A",
// "blank", "wait" (the linger runs out); the face after them.
void TestStation::captionFaces_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("face");
    QTest::newRow("chosen") << QStringList{"A"} << "A";
    QTest::newRow("held back, then chosen") << QStringList{"hold A", "A"} << "idle";
    QTest::newRow("dismissed lingers") << QStringList{"A", "-"} << "A";
    QTest::newRow("lingered") << QStringList{"A", "-", "wait"} << "idle";
    QTest::newRow("held back while it lingers") << QStringList{"A", "-", "hold A"} << "idle";
    QTest::newRow("held back dismissed: no linger") << QStringList{"hold A", "A", "-"} << "idle";
    QTest::newRow("the next choice ends the linger") << QStringList{"A", "-", "B"} << "B";
    QTest::newRow("a held-back choice ends it too")
        << QStringList{"hold B", "A", "-", "B"} << "idle";
    QTest::newRow("blanked") << QStringList{"A", "blank"} << "blank";
}

void TestStation::captionFaces() {
    QFETCH(QStringList, steps);
    QFETCH(QString, face);
    CaptionScreen screen;
    screen.setLinger(std::chrono::milliseconds(1));
    for (const QString& step : steps) {
        if (step == "-")
            screen.voiceShows({});
        else if (step.startsWith("hold "))
            screen.holdBack(step.mid(5), true);
        else if (step == "blank")
            screen.setBlank(true);
        else if (step == "wait")
            QTRY_VERIFY(!screen.isLingering());
        else
            screen.voiceShows({step, "text of " + step});
    }
    const QString shown = screen.face() == CaptionScreen::Face::Blank  ? "blank"
                          : screen.face() == CaptionScreen::Face::Idle ? "idle"
                                                                       : screen.message().key;
    QCOMPARE(shown, face);
}

void TestStation::screenFollowsTheVoice_data() {
    QTest::addColumn<bool>("windowless");
    QTest::newRow("without a window, the announce page that chose") << true;
    QTest::newRow("the desk's window speaks") << false;
}

// The screen page is told what the caption screen shows, and nothing of
// the list; an announce page is told what is held back.
void TestStation::screenFollowsTheVoice() {
    QFETCH(bool, windowless);
    m_server->setWindowless(windowless);
    m_server->caption().setLinger(std::chrono::milliseconds(1));
    const OwnPage screen(page({}), m_server->link(Role::Screen).fragment(), {});
    const OwnPage announce(page({}), m_server->link(Role::Announce).fragment(), {});
    QTRY_COMPARE(screen.last("caption")["face"].toString(), QString("idle"));
    QTRY_VERIFY(!announce.last("welcome").isEmpty());
    const store::RowKey key = m_desk.messages()->line(0)->key;
    announce.say({{"type", "choose"}, {"key", key.text()}});
    QTRY_COMPARE(announce.last("shown")["key"].toString(), key.text());
    if (!windowless)
        m_desk.windowDisplay().choose(key);
    QTRY_COMPARE(screen.last("caption")["text"], announce.last("shown")["text"]);
    announce.say({{"type", "holdBack"}, {"key", key.text()}, {"on", true}});
    QTRY_COMPARE(screen.last("caption")["face"].toString(), QString("idle"));
    QTRY_COMPARE(announce.last("screen")["held"].toArray(), QJsonArray{key.text()});
    QVERIFY(std::none_of(screen.told.cbegin(), screen.told.cend(), [](const QJsonObject& told) {
        return told["type"] == "list" || told["type"] == "desk";
    }));
    m_server->caption().holdBack(key.text(), false);
}

QTEST_GUILESS_MAIN(TestStation)
#include "tst_station.moc"
