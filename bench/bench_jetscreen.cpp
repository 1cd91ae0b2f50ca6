// The announcer screen on a copy of a large Jet (.mdb) file, as the
// announcer meets it:
//
//   bench_jetscreen FILE
//
// The longest time the window's thread went without handling events (the
// largest gap between two ticks of a 10 ms timer), as median and longest
// over 20 rounds of: nothing at all (what the machine itself adds), a tick
// of Timer1 while the file is unchanged, a refresh after another program
// wrote the file (its time stamp moved on), and a choice of a message.
// Then how long a refresh takes until its list is on screen, with the file
// unchanged and just written; the CPU the open screen uses while nobody
// touches it; and its resident memory across all of it.
#include "eventloopstalls.h"
#include "processmemory.h"

#include "announcer/announcerdatabase.h"
#include "announcer/announcerscreen.h"
#include "screentiming.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <sys/resource.h>

namespace {

constexpr int rounds = 20;
constexpr int idleSeconds = 30;

void runEvents(int ms) {
    QEventLoop wait;
    QTimer::singleShot(ms, &wait, &QEventLoop::quit);
    wait.exec();
}

void setWritten(const QString& path, const QDateTime& when) {
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.setFileTime(when, QFileDevice::FileModificationTime);
}

rusage usage() {
    rusage now{};
    getrusage(RUSAGE_SELF, &now);
    return now;
}

double cpuSeconds(const rusage& at) {
    return double(at.ru_utime.tv_sec + at.ru_stime.tv_sec) +
           double(at.ru_utime.tv_usec + at.ru_stime.tv_usec) / 1e6;
}

struct Memory {
    qint64 first = -1;
    qint64 least = -1;
    qint64 most = -1;
    void sample() {
        const qint64 now = residentKiB();
        if (first < 0)
            first = least = most = now;
        least = std::min(least, now);
        most = std::max(most, now);
    }
};

template <class T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void phase(const char* name, Memory& memory, const std::function<void(int)>& step) {
    std::vector<qint64> stalls;
    for (int i = 0; i < rounds; ++i) {
        const EventLoopStalls probe;
        step(i);
        stalls.push_back(probe.longestMs());
        memory.sample();
    }
    std::printf("%-36s stall median %4lld ms, longest %4lld ms\n", name,
                static_cast<long long>(median(stalls)),
                static_cast<long long>(*std::max_element(stalls.begin(), stalls.end())));
}

void refreshes(const char* name, AnnouncerScreen& screen, const std::function<void()>& prepare) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        prepare();
        times.push_back(refreshMs(screen));
    }
    std::printf("%-36s on screen after %.1f ms (median)\n", name, median(times));
}

void run(AnnouncerScreen& screen, const QString& path) {
    waitUntilSettled(screen);
    auto* list = screen.findChild<QListWidget*>(QStringLiteral("Announcement_List"));
    std::printf("%d messages listed\n", list->count());
    Memory memory;
    memory.sample();
    phase("nothing (the machine's own stalls)", memory, [&](int) { runEvents(300); });
    phase("tick, file unchanged for a while", memory, [&](int) {
        screen.timerTick();
        waitUntilSettled(screen);
        runEvents(100);
    });
    phase("refresh after the file was written", memory, [&](int) {
        setWritten(path, QDateTime::currentDateTime());
        runEvents(150);
        waitUntilSettled(screen);
        screen.timerTick();
        waitUntilSettled(screen);
        runEvents(100);
    });
    phase("choice of a message", memory, [&](int i) {
        list->setCurrentRow((i * 7) % std::max(1, list->count()));
        runEvents(50);
        waitUntilSettled(screen);
        runEvents(100);
    });
    setWritten(path, QDateTime::currentDateTime().addSecs(-60));
    refreshes("refresh, file unchanged", screen, [] {});
    // The refresh the write itself brings about is let through first.
    refreshes("refresh, file just written", screen, [&] {
        setWritten(path, QDateTime::currentDateTime());
        runEvents(150);
        waitUntilSettled(screen);
    });
    const rusage before = usage();
    QElapsedTimer clock;
    clock.start();
    runEvents(idleSeconds * 1000);
    memory.sample();
    const rusage after = usage();
    std::printf("idle CPU over %d s: %.2f %% of a core\n", idleSeconds,
                100.0 * (cpuSeconds(after) - cpuSeconds(before)) / (clock.nsecsElapsed() / 1e9));
    std::printf("resident memory: opened %lld KiB, least %lld, most %lld; peak %ld KiB\n",
                static_cast<long long>(memory.first), static_cast<long long>(memory.least),
                static_cast<long long>(memory.most), after.ru_maxrss);
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
    setWritten(path, QDateTime::currentDateTime().addSecs(-60));
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
