// Times how long a message takes from the meet-management program to the
// announcer's list, while the announcer screen is open, in two ways:
// - from the commit: a thread of this process, on a connection of its own,
//   adds a row, and the clock runs from the moment its commit returns
//   until the row's line is in Announcement_List;
// - from the writer's start: kelvane-feed, in a process of its own, adds
//   a row, and the clock starts when the process starts, so its start-up
//   and connection are counted too (an upper bound); the writer's own run
//   time is printed beside it.
// Prints median and 95th percentile over 100 messages each. Then a writer
// commits 100 rows a second for ten seconds, and it prints how often the
// screen listed meanwhile: a steady writer must not cost a listing per
// commit. On a server (run through tests/support/pgserver.sh with the
// argument "postgresql") it also times Refresh_Form over 10,000 rows.
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

QSqlQuery announcementInsert(QSqlDatabase& db) {
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO \"Announcements\" (\"Sequence\", \"Message\") VALUES (?, ?)"));
    return insert;
}

// Runs the event loop until line is listed; returns the clock's reading
// then, in milliseconds, or the give-up time when it never is.
double waitUntilListed(AnnouncerScreen& screen, const QString& line, const QElapsedTimer& clock) {
    const QAbstractItemModel& list = *screen.findChild<QListView*>(QStringLiteral("Announcement_List"))->model();
    QEventLoop wait;
    bool listed = false;
    double listedMs = giveUpMs;
    const auto check = [&] {
        if (!listed && listHolds(list, line)) {
            listed = true;
            listedMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            wait.quit();
        }
    };
    QObject::connect(&screen.desk(), &desk::AnnouncerDesk::listChanged, &wait, check);
    QTimer::singleShot(giveUpMs, &wait, &QEventLoop::quit);
    check();
    if (!listed)
        wait.exec();
    return listedMs;
}

// Adds message n from a thread with a connection of its own; returns the
// milliseconds from its commit until its line is listed.
double fromCommit(AnnouncerScreen& screen, const QString& path, int n) {
    const QString text = QStringLiteral("commit probe %1").arg(n);
    std::atomic<qint64> committedNs = -1;
    QElapsedTimer clock;
    clock.start();
    std::thread writer([&] {
        withTestConnection(path, [&](QSqlDatabase& db) {
            QSqlQuery insert = announcementInsert(db);
            insert.addBindValue(n + 1);
            insert.addBindValue(text);
            insert.exec();
            committedNs = clock.nsecsElapsed();
        });
    });
    const double listedMs = waitUntilListed(screen, QStringLiteral("%1:%2").arg(n + 1).arg(text), clock);
    writer.join();
    return listedMs - static_cast<double>(committedNs) / 1e6;
}

// Adds message n through kelvane-feed; returns (milliseconds from the
// writer's start until its line is listed, the writer's run time).
std::pair<double, double> fromWriterStart(AnnouncerScreen& screen, const QString& path, int n) {
    const QString text = QStringLiteral("latency probe %1").arg(n);
    QProcess writer;
    double writerMs = -1;
    QElapsedTimer clock;
    QObject::connect(&writer, &QProcess::finished, [&] { writerMs = static_cast<double>(clock.nsecsElapsed()) / 1e6; });
    clock.start();
    writer.start(QStringLiteral(KELVANE_FEED_PATH), {QStringLiteral("add"), path, QString::number(n + 1), text});
    const double listedMs = waitUntilListed(screen, QStringLiteral("%1:%2").arg(n + 1).arg(text), clock);
    writer.waitForFinished(giveUpMs);
    return {listedMs, writerMs};
}

void pause() {
    QEventLoop pause;
    QTimer::singleShot(spacingMs, &pause, &QEventLoop::quit);
    pause.exec();
}

void printSpread(const char* what, const std::vector<double>& values) {
    std::printf("%s over %zu messages: median %.1f ms, 95th percentile %.1f ms, worst %.1f ms\n", what,
                values.size(), percentile(values, 0.5), percentile(values, 0.95), percentile(values, 1.0));
}

void measureLatency(AnnouncerScreen& screen, const QString& path) {
    waitUntilSettled(screen);
    std::vector<double> commits;
    for (int n = 0; n < messages; ++n) {
        commits.push_back(fromCommit(screen, path, n));
        pause();
    }
    printSpread("from the commit", commits);
    std::vector<double> starts;
    std::vector<double> writers;
    for (int n = messages; n < 2 * messages; ++n) {
        const auto [latency, writer] = fromWriterStart(screen, path, n);
        starts.push_back(latency);
        writers.push_back(writer);
        pause();
    }
    printSpread("from the writer process's start", starts);
    printSpread("the writer process alone (start to exit)", writers);
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
            QSqlQuery insert = announcementInsert(db);
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
