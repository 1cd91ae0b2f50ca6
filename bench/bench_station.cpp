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
//        bench_station --reconnect [CYCLES]
// The second measures a message sent from a send page until a watch page
// lists it (both pages in a process of their own), one after another
// and a little apart, as no page would send faster than the station lets
// it: median, p95 and worst over MESSAGES (100).
// The third has 50 pages watch while another process opens a page and
// closes it again CYCLES times (2,000), one after another, and commits go
// out: the station's open connections and the desk's resident memory
// before and after, and commit -> every page while the pages come and go
// beside a quiet spell of as many commits.
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
#include <map>
#include <thread>

#include <malloc.h>
#include <sys/resource.h>

namespace {

qint64 nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The heap's bytes in use, which unlike resident memory do not count what
// the allocator keeps for later.
long heapKiB() {
    return static_cast<long>(mallinfo2().uordblks / 1024);
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
// for every line stamped "LABEL N t=NANOSECONDS", how long after that it
// arrived. "stall" on standard input adds one page that never reads;
// "report" prints every latency in milliseconds with its label, and ends.
int runPages(const QString& host, const QString& token, int count) {
    const QString origin = QStringLiteral("http://") + host;
    std::vector<std::unique_ptr<QWebSocket>> pages;
    std::vector<QSet<QString>> seen(static_cast<size_t>(count));
    std::vector<std::pair<double, QString>> latencies;
    int welcomed = 0;
    static const QRegularExpression stamp(QStringLiteral("(\\w+) \\d+ t=(\\d+)"));
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
                        !seen[static_cast<size_t>(index)].contains(found.captured(2))) {
                        seen[static_cast<size_t>(index)].insert(found.captured(2));
                        latencies.emplace_back(
                            static_cast<double>(now - found.captured(2).toLongLong()) / 1e6,
                            found.captured(1));
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
            for (const auto& [latency, label] : latencies)
                std::printf("%.3f %s\n", latency, qPrintable(label));
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
                            {QStringLiteral("number"), sent},
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
            socket.sendTextMessage(
                QStringLiteral(R"({"type":"hello","token":"%1","page":"benchSendPage0000"})")
                    .arg(token));
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
                    QTimer::singleShot(120, sendNext);
                    return;
                }
            }
        });
    return QCoreApplication::exec();
}

// The process for --reconnect: a page opens with the token, is welcomed
// and closes, cycles times one after another, 5 ms apart; then it says how
// long that took.
int runCycler(const QString& host, const QString& token, int cycles) {
    const QString origin = QStringLiteral("http://") + host;
    QElapsedTimer clock;
    clock.start();
    int done = 0;
    std::function<void()> cycle = [&] {
        auto* page = new QWebSocket(origin);
        QObject::connect(page, &QWebSocket::connected, page, [page, token] {
            page->sendTextMessage(QStringLiteral(R"({"type":"hello","token":"%1"})").arg(token));
        });
        QObject::connect(page, &QWebSocket::binaryMessageReceived, page, [page] { page->close(); });
        QObject::connect(page, &QWebSocket::disconnected, page, [&, page] {
            page->deleteLater();
            if (++done < cycles) {
                QTimer::singleShot(5, cycle);
                return;
            }
            std::printf("%d %lld\n", done, static_cast<long long>(clock.elapsed()));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
        page->open(QUrl(QStringLiteral("ws://%1/live").arg(host)));
    };
    cycle();
    return QCoreApplication::exec();
}

// Starts the pages' process with count watch pages, and waits until every
// one is connected.
void startPages(QProcess& pages, const station::StationServer& server, int count) {
    pages.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    pages.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--pages"), station::addressText(server.address()),
                 server.link(station::Role::Watch).fragment(), QString::number(count)});
    waitFor([&] { return pages.canReadLine(); }, 30000);
    pages.readLine();
}

// A message "LABEL SEQUENCE t=NANOSECONDS", the time its commit began.
void commitStamped(const QString& database, const QString& label, int sequence) {
    commitAside([&] {
        feed::addAnnouncement(database, sequence,
                              QStringLiteral("%1 %2 t=%3").arg(label).arg(sequence).arg(nowNs()));
    });
}

// Ends the pages' process: the latencies it measured, by their label.
std::map<QString, std::vector<double>> reportedLatencies(QProcess& pages) {
    pages.write("report\n");
    pages.waitForFinished(30000);
    std::map<QString, std::vector<double>> latencies;
    for (const QByteArray& line : pages.readAllStandardOutput().split('\n')) {
        if (const QList<QByteArray> fields = line.split(' '); fields.size() == 2)
            latencies[QString::fromLatin1(fields[1])].push_back(fields[0].toDouble());
    }
    return latencies;
}

void printLatencies(const char* what, const std::vector<double>& latencies) {
    if (!latencies.empty())
        std::printf("%s: median %.1f ms, p95 %.1f ms, worst %.1f ms (%zu)\n", what,
                    percentile(latencies, 0.5), percentile(latencies, 0.95),
                    percentile(latencies, 1.0), latencies.size());
}

// 50 pages watch while pages come and go: what the station holds
// afterwards, and commit -> every page meanwhile beside a quiet spell.
int benchReconnect(station::StationServer& server, const QString& database, int cycles) {
    constexpr int watching = 50;
    QProcess pages;
    startPages(pages, server, watching);
    int sequence = 100;
    QElapsedTimer spell;
    spell.start();
    double cpuBefore = cpuSeconds();
    for (int n = 0; n < 40; ++n, ++sequence) {
        commitStamped(database, QStringLiteral("Quiet"), sequence);
        waitFor([] { return false; }, 250);
    }
    const double quietCpu =
        (cpuSeconds() - cpuBefore) / (static_cast<double>(spell.elapsed()) / 1000.0);
    waitFor([] { return false; }, 1000);
    const int connectionsBefore = server.openConnections();
    const long residentBefore = residentKiB();
    const long heapBefore = heapKiB();
    QProcess cycler;
    cycler.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    cycler.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--cycler"), station::addressText(server.address()),
                  server.link(station::Role::Watch).fragment(), QString::number(cycles)});
    long residentPeak = residentBefore;
    int connectionsPeak = 0;
    spell.restart();
    cpuBefore = cpuSeconds();
    while (cycler.state() != QProcess::NotRunning) {
        commitStamped(database, QStringLiteral("Busy"), sequence++);
        waitFor([] { return false; }, 250);
        residentPeak = std::max(residentPeak, residentKiB());
        connectionsPeak = std::max(connectionsPeak, server.openConnections());
    }
    const double busyCpu =
        (cpuSeconds() - cpuBefore) / (static_cast<double>(spell.elapsed()) / 1000.0);
    const QList<QByteArray> cycled = cycler.readAllStandardOutput().trimmed().split(' ');
    waitFor([&] { return server.openConnections() == connectionsBefore; }, 5000);
    waitFor([] { return false; }, 1000);
    std::map<QString, std::vector<double>> latencies = reportedLatencies(pages);
    std::printf("%s page connect/close cycles in %s ms, beside %d watching pages\n",
                cycled.value(0).constData(), cycled.value(1).constData(), watching);
    std::printf("open connections: %d before, at most %d meanwhile, %d after\n", connectionsBefore,
                connectionsPeak, server.openConnections());
    std::printf("desk's resident memory: %ld KiB before, at most %ld KiB meanwhile, %ld KiB "
                "after; its heap in use: %ld KiB before, %ld KiB after\n",
                residentBefore, residentPeak, residentKiB(), heapBefore, heapKiB());
    std::printf("desk process CPU: %.1f %% of a core quiet, %.1f %% while pages come and go\n",
                quietCpu * 100, busyCpu * 100);
    printLatencies("commit -> every page, quiet", latencies[QStringLiteral("Quiet")]);
    printLatencies("commit -> every page, while pages come and go",
                   latencies[QStringLiteral("Busy")]);
    return 0;
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
    if (arguments.value(1) == QLatin1String("--cycler"))
        return runCycler(arguments.value(2), arguments.value(3), arguments.value(4).toInt());
    const bool sending = arguments.value(1) == QLatin1String("--send");
    const bool reconnecting = arguments.value(1) == QLatin1String("--reconnect");
    const int pageCount =
        arguments.size() > 1 && !sending && !reconnecting ? arguments[1].toInt() : 50;
    const int commits = arguments.size() > 2 ? arguments[2].toInt() : 40;

    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    const QString database = home.filePath(QStringLiteral("announcer.sqlite"));
    feed::initDatabase(database);
    for (int n = 1; n <= 20; ++n)
        feed::addAnnouncement(database, n,
                              QStringLiteral("Event %1 results\r\n1st Amy Hartley 1:04.32").arg(n));
    desk::DeskSettings settings(home.filePath(QStringLiteral("desk.ini")));
    desk::AnnouncerDesk desk(settings);
    desk.open(database);
    waitFor([&] { return desk.messages()->rowCount() == 20; }, 10000);
    station::StationServer server(desk);
    if (const store::Failure failure = server.start({QHostAddress(QHostAddress::LocalHost), 0})) {
        std::fprintf(stderr, "%s\n", qPrintable(failure.reason()));
        return 1;
    }
    // Every page of the benchmark comes from this computer's own address.
    server.setMostFromOneAddress(station::mostConnections);
    if (sending)
        return benchSend(server, arguments.size() > 2 ? arguments[2].toInt() : 100);
    if (reconnecting)
        return benchReconnect(server, database, arguments.size() > 2 ? arguments[2].toInt() : 2000);

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
    startPages(pages, server, pageCount);
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
        commitStamped(database, QStringLiteral("Call"), 100 + n);
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

    const std::vector<double> latencies = reportedLatencies(pages)[QStringLiteral("Call")];
    std::printf("pages %d, commits %d, latencies %zu (of %d)\n", pageCount, commits,
                latencies.size(), pageCount * commits);
    printLatencies("commit -> every page", latencies);
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
