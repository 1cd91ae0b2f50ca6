// The browser station under load, on loopback: 50 pages (WebSocket
// clients in a process of their own) watch a desk while a writer commits
// a message every quarter second. Prints
//   - commit -> all 50 pages have it: median, p95, worst (each message
//     carries the time its commit began, so the commit itself is counted);
//   - the desk's thread's longest event-loop stall throughout (a 1 ms
//     timer's longest gap past its interval);
//   - the desk process's CPU while 50 pages are connected and idle;
//   - resident memory per connected page;
//   - a page that never reads: whether it is dropped, and how far the
//     desk's resident memory grew meanwhile.
// Usage: bench_station [PAGES [COMMITS]]
//        bench_station --send [MESSAGES]
// The second measures a message sent from a send page until a watch page
// lists it (both pages in a process of their own), one after another:
// median, p95 and worst over MESSAGES (100).
#include "announcerfeed.h"

#include "desk/announcerdesk.h"
#include "station/stationserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebSocket>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include <sys/resource.h>

namespace {

qint64 nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return 0;
}

double cpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(share * static_cast<double>(values.size() - 1))];
}

// Lets the event loop run (without spinning) until condition holds.
void waitFor(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

// A commit by the writer, which stands for the meet-management program: a
// thread of its own that the desk's thread never waits for.
void commitAside(const std::function<void()>& commit) {
    std::atomic<bool> done = false;
    std::thread writer([&] {
        commit();
        done = true;
    });
    waitFor([&] { return done.load(); }, 60000);
    writer.join();
}

// The pages' process: count pages connect with the token; each notes,
// for every line stamped "t=NANOSECONDS", how long after that it arrived.
// "stall" on standard input adds one page that never reads; "report"
// prints every latency in milliseconds and ends.
int runPages(const QString& host, const QString& token, int count) {
    const QString origin = QStringLiteral("http://") + host;
    std::vector<std::unique_ptr<QWebSocket>> pages;
    std::vector<QSet<QString>> seen(static_cast<size_t>(count));
    std::vector<double> latencies;
    int welcomed = 0;
    static const QRegularExpression stamp(QStringLiteral("t=(\\d+)"));
    const auto open = [&](int index) {
        auto page = std::make_unique<QWebSocket>(origin);
        QWebSocket* socket = page.get();
        QObject::connect(socket, &QWebSocket::connected, socket, [socket, token] {
            socket->sendTextMessage(QStringLiteral(R"({"type":"hello","token":"%1"})").arg(token));
        });
        QObject::connect(
            socket, &QWebSocket::binaryMessageReceived, socket,
            [&, socket, index](const QByteArray& text) {
                const qint64 now = nowNs();
                const QJsonObject message = QJsonDocument::fromJson(text).object();
                const QString type = message.value(QStringLiteral("type")).toString();
                if (type == QLatin1String("welcome") && ++welcomed == count)
                    std::printf("connected\n"), std::fflush(stdout);
                if (type == QLatin1String("ping"))
                    socket->sendTextMessage(QStringLiteral(R"({"type":"pong"})"));
                if (type != QLatin1String("list") || index < 0)
                    return;
                for (const QJsonValue line : message.value(QStringLiteral("lines")).toArray()) {
                    const QString text = line.toObject().value(QStringLiteral("line")).toString();
                    const QRegularExpressionMatch found = stamp.match(text);
                    if (found.hasMatch() &&
                        !seen[static_cast<size_t>(index)].contains(found.captured(1))) {
                        seen[static_cast<size_t>(index)].insert(found.captured(1));
                        latencies.push_back(
                            static_cast<double>(now - found.captured(1).toLongLong()) / 1e6);
                    }
                }
            });
        socket->open(QUrl(QStringLiteral("ws://%1/live").arg(host)));
        pages.push_back(std::move(page));
    };
    for (int index = 0; index < count; ++index)
        open(index);
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char command[64] = {};
        if (!std::fgets(command, sizeof command, stdin) ||
            QByteArray(command).startsWith("report")) {
            for (const double latency : latencies)
                std::printf("%.3f\n", latency);
            std::fflush(stdout);
            QCoreApplication::exit(0);
            return;
        }
        open(-1);
        QWebSocket* stuck = pages.back().get();
        QObject::connect(stuck, &QWebSocket::binaryMessageReceived, stuck,
                         [stuck] { stuck->setReadBufferSize(1); });
    });
    return QCoreApplication::exec();
}

// The pages' process for --send: a send page sends each message once the
// watch page listed the one before, and prints how long each took.
int runSender(const QString& host, const QString& sendToken, const QString& watchToken,
              int messages) {
    const QString origin = QStringLiteral("http://") + host;
    QWebSocket sender(origin);
    QWebSocket watcher(origin);
    int welcomed = 0;
    int sent = 0;
    int measured = 0;
    qint64 sentAt = 0;
    std::vector<double> latencies;
    const auto sendNext = [&] {
        if (sent == messages) {
            for (const double latency : latencies)
                std::printf("%.3f\n", latency);
            std::fflush(stdout);
            QCoreApplication::exit(0);
            return;
        }
        ++sent;
        sentAt = nowNs();
        sender.sendTextMessage(
            QJsonDocument(
                QJsonObject{{QStringLiteral("type"), QStringLiteral("send")},
                            {QStringLiteral("sender"), QStringLiteral("Referee")},
                            {QStringLiteral("text"), QStringLiteral("Bench %1").arg(sent)}})
                .toJson(QJsonDocument::Compact));
    };
    const auto answerPings = [](QWebSocket& socket, const QJsonObject& message) {
        if (message.value(QStringLiteral("type")).toString() == QLatin1String("ping"))
            socket.sendTextMessage(QStringLiteral(R"({"type":"pong"})"));
    };
    const auto openPage = [&host](QWebSocket& socket, const QString& token) {
        QObject::connect(&socket, &QWebSocket::connected, &socket, [&socket, token] {
            socket.sendTextMessage(QStringLiteral(R"({"type":"hello","token":"%1"})").arg(token));
        });
        socket.open(QUrl(QStringLiteral("ws://%1/live").arg(host)));
    };
    openPage(sender, sendToken);
    openPage(watcher, watchToken);
    QObject::connect(
        &sender, &QWebSocket::binaryMessageReceived, &sender, [&](const QByteArray& text) {
            const QJsonObject message = QJsonDocument::fromJson(text).object();
            answerPings(sender, message);
            if (message.value(QStringLiteral("type")).toString() == QLatin1String("welcome") &&
                ++welcomed == 2)
                sendNext();
        });
    QObject::connect(
        &watcher, &QWebSocket::binaryMessageReceived, &watcher, [&](const QByteArray& text) {
            const qint64 now = nowNs();
            const QJsonObject message = QJsonDocument::fromJson(text).object();
            answerPings(watcher, message);
            const QString type = message.value(QStringLiteral("type")).toString();
            if (type == QLatin1String("welcome") && ++welcomed == 2)
                sendNext();
            if (type != QLatin1String("list") || measured == sent)
                return;
            const QString wanted = QStringLiteral(":From Referee: Bench %1").arg(sent);
            for (const QJsonValue line : message.value(QStringLiteral("lines")).toArray()) {
                if (line.toObject().value(QStringLiteral("line")).toString() == wanted) {
                    latencies.push_back(static_cast<double>(now - sentAt) / 1e6);
                    measured = sent;
                    QTimer::singleShot(20, sendNext);
                    return;
                }
            }
        });
    return QCoreApplication::exec();
}

// Send -> listed on a watch page, for messages one after another.
int benchSend(station::StationServer& server, int messages) {
    server.setSentPerMinute(messages);
    QProcess pages;
    pages.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    pages.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--sender"), station::addressText(server.address()),
                 server.link(station::Role::Send).fragment(),
                 server.link(station::Role::Watch).fragment(), QString::number(messages)});
    waitFor([&] { return pages.state() == QProcess::NotRunning; }, 120000);
    std::vector<double> latencies;
    for (const QByteArray& line : pages.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            latencies.push_back(line.toDouble());
    }
    if (latencies.empty()) {
        std::fprintf(stderr, "no message arrived\n");
        return 1;
    }
    std::printf("Send -> listed on a watch page, %zu messages: median %.1f ms, p95 %.1f ms, worst "
                "%.1f ms\n",
                latencies.size(), percentile(latencies, 0.5), percentile(latencies, 0.95),
                percentile(latencies, 1.0));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("--pages"))
        return runPages(arguments.value(2), arguments.value(3), arguments.value(4).toInt());
    if (arguments.value(1) == QLatin1String("--sender"))
        return runSender(arguments.value(2), arguments.value(3), arguments.value(4),
                         arguments.value(5).toInt());
    const bool sending = arguments.value(1) == QLatin1String("--send");
    const int pageCount = arguments.size() > 1 && !sending ? arguments[1].toInt() : 50;
    const int commits = arguments.size() > 2 ? arguments[2].toInt() : 40;

    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    const QString database = home.filePath(QStringLiteral("announcer.sqlite"));
    feed::initDatabase(database);
    for (int n = 1; n <= 20; ++n)
        feed::addAnnouncement(database, n,
                              QStringLiteral("Event %1 results\r\n1st Amy Hartley 1:04.32").arg(n));
    AnnouncerDesk desk;
    desk.open(database);
    waitFor([&] { return desk.messages()->rowCount() == 20; }, 10000);
    station::StationServer server(desk);
    if (const store::Failure failure = server.start({QHostAddress(QHostAddress::LocalHost), 0})) {
        std::fprintf(stderr, "%s\n", qPrintable(failure.reason()));
        return 1;
    }
    if (sending)
        return benchSend(server, arguments.size() > 2 ? arguments[2].toInt() : 100);

    // The desk's thread: the longest gap between ticks of a 1 ms timer.
    qint64 longestStallNs = 0;
    qint64 lastTick = nowNs();
    QTimer stallMeter;
    stallMeter.setTimerType(Qt::PreciseTimer);
    QObject::connect(&stallMeter, &QTimer::timeout, [&] {
        const qint64 now = nowNs();
        longestStallNs = std::max(longestStallNs, now - lastTick - 1000000);
        lastTick = now;
    });
    stallMeter.start(1);

    const long residentBefore = residentKiB();
    QProcess pages;
    pages.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    pages.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--pages"), station::addressText(server.address()),
                 server.link(station::Role::Watch).fragment(), QString::number(pageCount)});
    waitFor([&] { return pages.canReadLine(); }, 30000);
    pages.readLine();
    waitFor([] { return false; }, 2000);
    const long residentConnected = residentKiB();

    // The meter's own ticks would count as the desk's work here.
    stallMeter.stop();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer idle;
    idle.start();
    QEventLoop idleLoop;
    QTimer::singleShot(30000, &idleLoop, &QEventLoop::quit);
    idleLoop.exec();
    const double idleCpu =
        (cpuSeconds() - cpuBefore) / (static_cast<double>(idle.elapsed()) / 1000.0);
    lastTick = nowNs();
    stallMeter.start(1);

    for (int n = 0; n < commits; ++n) {
        commitAside([&] {
            feed::addAnnouncement(database, 100 + n,
                                  QStringLiteral("Call %1 t=%2").arg(n).arg(nowNs()));
        });
        waitFor([] { return false; }, 250);
    }
    waitFor([] { return false; }, 1000);
    const double commitStallMs = static_cast<double>(std::exchange(longestStallNs, 0)) / 1e6;

    // A page that never reads, while long lines keep changing the list.
    pages.write("stall\n");
    waitFor([&] { return server.pages().size() == static_cast<size_t>(pageCount) + 1; }, 5000);
    const long residentStalled = residentKiB();
    long residentPeak = residentStalled;
    const QString filler(3000, QLatin1Char('x'));
    int changes = 0;
    for (; changes < 200 && server.pages().size() > static_cast<size_t>(pageCount); ++changes) {
        commitAside([&] { feed::addAnnouncement(database, 1000 + changes, filler); });
        waitFor([] { return false; }, 20);
        residentPeak = std::max(residentPeak, residentKiB());
    }
    const bool dropped = server.pages().size() == static_cast<size_t>(pageCount);
    const double stallMs = static_cast<double>(longestStallNs) / 1e6;

    pages.write("report\n");
    pages.waitForFinished(30000);
    std::vector<double> latencies;
    for (const QByteArray& line : pages.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            latencies.push_back(line.toDouble());
    }
    std::printf("pages %d, commits %d, latencies %zu (of %d)\n", pageCount, commits,
                latencies.size(), pageCount * commits);
    if (!latencies.empty())
        std::printf("commit -> every page: median %.1f ms, p95 %.1f ms, worst %.1f ms\n",
                    percentile(latencies, 0.5), percentile(latencies, 0.95),
                    percentile(latencies, 1.0));
    std::printf("desk thread's longest event-loop stall: %.1f ms connecting and committing, %.1f "
                "ms while 3 KB "
                "lines pile up for a page that never reads\n",
                commitStallMs, stallMs);
    std::printf("desk process CPU, %d pages idle: %.2f %% of a core\n", pageCount, idleCpu * 100);
    std::printf(
        "resident memory per connected page: %.1f KiB (%ld KiB before, %ld KiB with %d pages)\n",
        static_cast<double>(residentConnected - residentBefore) / pageCount, residentBefore,
        residentConnected, pageCount);
    std::printf("a page that never reads: %s after %d list changes; desk's resident memory grew "
                "%ld KiB meanwhile\n",
                dropped ? "dropped" : "NOT dropped", changes, residentPeak - residentStalled);
    return 0;
}
