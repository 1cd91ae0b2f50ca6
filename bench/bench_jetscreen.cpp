// The announcer screen on a copy of a large Jet (.mdb) file, as the
// announcer meets it:
//
//   bench_jetscreen FILE
//
// A probe timer fires every millisecond; the longest gap between two of its
// firings is the longest time the window could not react. Printed for a
// stretch where the screen does nothing (what the machine itself adds),
// for ticks of Timer1 while the file is unchanged, for refreshes after another
// program changed the file (its time stamp moved on), and for choices of a
// message; then the CPU the open screen uses while nobody touches it, and
// its resident memory across all those refreshes.
#include "announcer/announcerdatabase.h"
#include "announcer/announcerscreen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

constexpr int probeMs = 1;
constexpr int rounds = 20;
constexpr int idleSeconds = 30;

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The longest time the event loop went without serving the probe.
class StallProbe {
public:
    StallProbe() {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_clock.nsecsElapsed() / 1e6);
            m_clock.restart();
        });
    }
    void start() {
        m_longest = 0;
        m_clock.start();
        m_timer.start(probeMs);
    }
    double stop() {
        m_timer.stop();
        return m_longest;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_longest = 0;
};

// A line of /proc/self/status in KiB: VmRSS (resident now), VmHWM (most ever).
long statusKiB(const QByteArray& key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').first().toLong();
    }
    return -1;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Memory {
    long first = -1, least = -1, most = -1;
    void sample() {
        const long now = statusKiB("VmRSS");
        if (first < 0)
            first = least = most = now;
        least = std::min(least, now);
        most = std::max(most, now);
    }
};

// Runs step rounds times with the probe on; prints the median and the
// longest of the rounds' longest stalls (a busy machine adds its own).
void phase(const char* name, StallProbe& probe, Memory& memory,
           const std::function<void(int)>& step) {
    std::vector<double> stalls;
    for (int i = 0; i < rounds; ++i) {
        probe.start();
        step(i);
        stalls.push_back(probe.stop());
        memory.sample();
    }
    std::sort(stalls.begin(), stalls.end());
    std::printf("%-36s stall median %7.1f ms, longest %7.1f ms\n", name, stalls[stalls.size() / 2],
                stalls.back());
}

void run(AnnouncerScreen& screen, const QString& path) {
    auto* list = screen.findChild<QListWidget*>(QStringLiteral("Announcement_List"));
    std::printf("%d messages listed\n", list->count());
    StallProbe probe;
    Memory memory;
    memory.sample();
    phase("nothing (the machine's own stalls)", probe, memory, [&](int) { wait(300); });
    phase("tick, file unchanged", probe, memory, [&](int) {
        screen.timerTick();
        wait(300);
    });
    phase("refresh after the file changed", probe, memory, [&](int) {
        utimensat(AT_FDCWD, QFile::encodeName(path).constData(), nullptr, 0);
        wait(300);
        screen.timerTick();
        wait(300);
    });
    phase("choice of a message", probe, memory, [&](int i) {
        list->setCurrentRow((i * 7) % std::max(1, list->count()));
        wait(300);
    });
    const double cpuBefore = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    wait(idleSeconds * 1000);
    memory.sample();
    std::printf("idle CPU over %d s: %.2f %% of a core\n", idleSeconds,
                100.0 * (cpuSeconds() - cpuBefore) / (clock.nsecsElapsed() / 1e9));
    std::printf(
        "resident memory after refreshes: opened %ld KiB, least %ld, most %ld; peak %ld KiB\n",
        memory.first, memory.least, memory.most, statusKiB("VmHWM"));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_jetscreen FILE.mdb\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("meet.mdb"));
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), path)) {
        std::fprintf(stderr, "cannot copy %s\n", argv[1]);
        return 1;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    // A meet file that nobody has written for a while.
    const timespec minuteAgo[2] = {{std::time(nullptr) - 60, 0}, {std::time(nullptr) - 60, 0}};
    utimensat(AT_FDCWD, QFile::encodeName(path).constData(), minuteAgo, 0);
    AnnouncerScreen screen;
    Announcer_DB_Path = path;
    Screen_Entry_Mode = 2;
    QTimer::singleShot(0, &screen, [&] {
        run(screen, path);
        screen.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    });
    screen.showModal();
    return 0;
}
