// Times how long a message takes from the meet-management program to the
// announcer's list: kelvane-feed, in a process of its own, adds a row while
// the announcer screen is open, and the clock stops when the row's line is
// in Announcement_List. The clock starts when the writer process starts,
// so its start-up and connection are counted too (an upper bound).
// Prints median and 95th percentile over 100 messages, and the writer's
// own run time for comparison. Then a writer commits 100 rows a second
// for ten seconds, and it prints how often the screen listed meanwhile: a
// steady writer must not cost a listing per commit. On a server (run
// through tests/support/pgserver.sh with the argument "postgresql") it
// also times Refresh_Form over 10,000 rows.
#include "announcerfeed.h"
#include "demomessages.h"
#include "testengine.h"

#include "announcer/announcerscreen.h"
#include "app/announcersession.h"
#include "screentiming.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListView>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

constexpr int messages = 100;
constexpr int spacingMs = 100;
constexpr int giveUpMs = 10000;
constexpr int steadyRowsPerSecond = 100;
constexpr int steadySeconds = 10;

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<size_t>(std::lround(share * static_cast<double>(values.size() - 1)));
    return values[index];
}

bool listHolds(const QAbstractItemModel& list, const QString& line) {
    return list.rowCount() > 0 && !list.match(list.index(0, 0), Qt::DisplayRole, line, 1, Qt::MatchExactly).isEmpty();
}

// Adds message n through kelvane-feed and waits until its line is listed.
// Returns (latency, writer run time) in milliseconds.
std::pair<double, double> oneMessage(const QString& path, const QAbstractItemModel& list, int n) {
    const QString text = QStringLiteral("latency probe %1").arg(n);
    const QString line = QStringLiteral("%1:%2").arg(n + 1).arg(text);
    QEventLoop wait;
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &wait, &QEventLoop::quit);
    const auto check = [&] {
        if (listHolds(list, line))
            wait.quit();
    };
    QObject::connect(&list, &QAbstractItemModel::modelReset, &wait, check);
    QProcess writer;
    double writerMs = -1;
    QElapsedTimer clock;
    QObject::connect(&writer, &QProcess::finished, &wait, [&] { writerMs = clock.nsecsElapsed() / 1e6; });
    clock.start();
    writer.start(QStringLiteral(KELVANE_FEED_PATH), {QStringLiteral("add"), path, QString::number(n + 1), text});
    giveUp.start(giveUpMs);
    wait.exec();
    const double latency = listHolds(list, line) ? clock.nsecsElapsed() / 1e6 : giveUpMs;
    writer.waitForFinished(giveUpMs);
    return {latency, writerMs};
}

void measureLatency(AnnouncerScreen& screen, const QString& path) {
    const QAbstractItemModel* list = screen.findChild<QListView*>(QStringLiteral("Announcement_List"))->model();
    std::vector<double> latencies;
    std::vector<double> writers;
    for (int n = 0; n < messages; ++n) {
        const auto [latency, writer] = oneMessage(path, *list, n);
        latencies.push_back(latency);
        writers.push_back(writer);
        QEventLoop pause;
        QTimer::singleShot(spacingMs, &pause, &QEventLoop::quit);
        pause.exec();
    }
    std::printf("latency over %d messages: median %.1f ms, 95th percentile %.1f ms, worst %.1f ms\n", messages,
                percentile(latencies, 0.5), percentile(latencies, 0.95), percentile(latencies, 1.0));
    std::printf("writer process alone (start to exit): median %.1f ms, 95th percentile %.1f ms\n",
                percentile(writers, 0.5), percentile(writers, 0.95));
}

// The writer commits each row on its own, on a connection of its own and a
// thread of its own, at a steady pace; the screen's listings are counted
// from the first commit until the list holds the last row.
void measureSteadyWriter(AnnouncerScreen& screen, const QString& path) {
    waitUntilSettled(screen);
    int listings = 0;
    const QMetaObject::Connection counting =
        QObject::connect(&screen.desk(), &desk::AnnouncerDesk::listChanged, [&] { ++listings; });
    constexpr int rows = steadyRowsPerSecond * steadySeconds;
    std::atomic<bool> written = false;
    QElapsedTimer clock;
    clock.start();
    std::thread writer([&] {
        withTestConnection(path, [&](QSqlDatabase& db) {
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral(
                "INSERT INTO \"Announcements\" (\"Sequence\", \"Message\") VALUES (?, ?)"));
            auto due = std::chrono::steady_clock::now();
            for (int n = 0; n < rows; ++n) {
                insert.addBindValue(30000);
                insert.addBindValue(QStringLiteral("steady %1").arg(n));
                insert.exec();
                due += std::chrono::milliseconds(1000 / steadyRowsPerSecond);
                std::this_thread::sleep_until(due);
            }
        });
        written = true;
    });
    const QAbstractItemModel* list =
        screen.findChild<QListView*>(QStringLiteral("Announcement_List"))->model();
    const QString last = QStringLiteral("30000:steady %1").arg(rows - 1);
    while (!written || !listHolds(*list, last))
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    writer.join();
    QObject::disconnect(counting);
    std::printf("a writer committing %d rows a second for %.1f s: %d listings (%.1f a second)\n",
                steadyRowsPerSecond, seconds, listings, listings / seconds);
}

void fillServer(const QString& path, int rows) {
    withTestConnection(path, [&](QSqlDatabase& db) {
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO \"Announcements\" (\"Sequence\", \"Message\") VALUES (?, ?)"));
        for (int i = 0; i < rows; ++i) {
            insert.addBindValue(i % 32767 + 1);
            insert.addBindValue(feed::demoMessage(i));
            insert.exec();
        }
        db.commit();
    });
}

void measureServerRefresh(const QString& path) {
    fillServer(path, 10000);
    AnnouncerSession session;
    AnnouncerScreen screen(session.desk(), session.station());
    screen.desk().open(path);
    double best = 1e300;
    for (int i = 0; i < 5; ++i)
        best = std::min(best, refreshMs(screen));
    screen.desk().close();
    std::printf("Refresh_Form over 10000 rows on the server: %.2f ms (best of 5)\n", best);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool server = argc > 1 && qstrcmp(argv[1], "postgresql") == 0;
    if (server)
        qputenv("KELVANE_TEST_ENGINE", "postgresql");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("announcer.mdb"));
    if (server)
        createServerDatabase(path);
    feed::initDatabase(path);
    std::printf("%s\n", server ? "PostgreSQL on loopback" : "SQLite file");

    runOnScreen(path, [&](AnnouncerScreen& screen) {
        measureLatency(screen, path);
        measureSteadyWriter(screen, path);
    });

    if (server) {
        QTemporaryDir refreshDir;
        const QString refreshPath = refreshDir.filePath(QStringLiteral("big.conn"));
        createServerDatabase(refreshPath);
        feed::initDatabase(refreshPath);
        measureServerRefresh(refreshPath);
    }
    return 0;
}
