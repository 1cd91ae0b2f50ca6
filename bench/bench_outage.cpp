// What the announcer sees when the PostgreSQL server goes away for 30
// seconds and comes back: how long the window's thread went without
// handling events meanwhile (the largest gap between two ticks of a 10 ms
// timer), and how long after the server's return a new row is on screen.
// Run it on the private server:
//   tests/support/pgserver.sh run build/default/bench/bench_outage
#include "announcerfeed.h"
#include "eventloopstalls.h"
#include "testengine.h"

#include "announcer/announcerscreen.h"
#include "screentiming.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int outageMs = 30000;

// Waits for ms while the window's thread goes on handling events.
void runEvents(int ms) {
    QEventLoop wait;
    QTimer::singleShot(ms, &wait, &QEventLoop::quit);
    wait.exec();
}

// Stops or starts the private server without holding the window's thread.
bool controlServerAside(const QString& command) {
    QProcess control;
    QEventLoop wait;
    QObject::connect(&control, &QProcess::finished, &wait, &QEventLoop::quit);
    control.start(qEnvironmentVariable("KELVANE_PG_SCRIPT"), {command});
    wait.exec();
    return control.exitStatus() == QProcess::NormalExit && control.exitCode() == 0;
}

bool listed(AnnouncerScreen& screen, const QString& line) {
    const desk::MessageList* list = screen.desk().messages();
    return list->rowCount() > 0 &&
           !list->match(list->index(0), Qt::DisplayRole, line, 1, Qt::MatchExactly).isEmpty();
}

void measureOutage(AnnouncerScreen& screen, const QString& path) {
    waitUntilSettled(screen);
    EventLoopStalls stalls;
    if (!controlServerAside(QStringLiteral("stop"))) {
        std::printf("could not stop the server\n");
        return;
    }
    runEvents(outageMs);
    const qint64 longestStall = stalls.longestMs();
    const bool told = screen.windowTitle().contains(QStringLiteral("has not answered"));
    if (!controlServerAside(QStringLiteral("start"))) {
        std::printf("could not start the server again\n");
        return;
    }
    QElapsedTimer back;
    back.start();
    withTestConnection(path, [](QSqlDatabase& db) {
        QSqlQuery(db).exec(
            QStringLiteral("INSERT INTO \"Announcements\" (\"Sequence\", \"Message\") VALUES (7, 'after the outage')"));
    });
    while (!listed(screen, QStringLiteral("7:after the outage")) && back.elapsed() < 30000)
        runEvents(5);
    std::printf("server away %d s: longest stall of the window %lld ms; caption told: %s\n", outageMs / 1000,
                longestStall, told ? "yes" : "no");
    std::printf("server back: a new row on screen after %lld ms\n", back.elapsed());
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qputenv("KELVANE_TEST_ENGINE", "postgresql");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gala.conn"));
    createServerDatabase(path);
    feed::initDatabase(path);
    feed::addAnnouncement(path, 1, QStringLiteral("before the outage"));
    runOnScreen(path, [&](AnnouncerScreen& screen) { measureOutage(screen, path); });
    return 0;
}
