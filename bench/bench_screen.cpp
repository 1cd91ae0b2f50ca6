// The announcer screen as the announcer meets it, on a large Jet (.mdb)
// file or on a SQLite database holding one message of a megabyte:
//
//   bench_screen FILE      (a copy of FILE is used)
//   bench_screen --huge    (20 short messages and one of 1,000,000
//                           characters on one line, made here)
//
// The longest time the window's thread went without handling events (the
// largest gap between two ticks of a 10 ms timer), as median and longest
// over 20 rounds of: nothing at all (what the machine itself adds), a tick
// of Timer1 while the file is unchanged, a refresh after another program
// wrote the file, and a choice of a message (the first round chooses the
// first line, the megabyte message with --huge). Then how long a refresh
// takes until its list is on screen, with the file unchanged and just
// written; the CPU the open screen uses while nobody touches it; and its
// resident memory across all of it.
#include "announcerfixture.h"
#include "eventloopstalls.h"
#include "processmemory.h"

#include "announcer/announcerscreen.h"
#include "screentiming.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QListView>
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

// What another program's write does to the file: a Jet file's time stamp
// moves on (which is all its reader looks at); a SQLite database gets a row.
using Write = std::function<void()>;

void run(AnnouncerScreen& screen, const QString& path, const Write& write) {
    waitUntilSettled(screen);
    auto* list = screen.findChild<QListView*>(QStringLiteral("Announcement_List"));
    const auto count = [list] { return list->model()->rowCount(); };
    std::printf("%d messages listed\n", count());
    Memory memory;
    memory.sample();
    phase("nothing (the machine's own stalls)", memory, [&](int) { runEvents(300); });
    phase("tick, file unchanged for a while", memory, [&](int) {
        screen.desk().check();
        waitUntilSettled(screen);
        runEvents(100);
    });
    phase("refresh after the file was written", memory, [&](int) {
        write();
        runEvents(150);
        waitUntilSettled(screen);
        screen.desk().check();
        waitUntilSettled(screen);
        runEvents(100);
    });
    phase("choice of a message", memory, [&](int i) {
        list->setCurrentIndex(list->model()->index((i * 7) % std::max(1, count()), 0));
        runEvents(50);
        waitUntilSettled(screen);
        runEvents(100);
    });
    setWritten(path, QDateTime::currentDateTime().addSecs(-60));
    refreshes("refresh, file unchanged", screen, [] {});
    // The refresh the write itself brings about is let through first.
    refreshes("refresh, file just written", screen, [&] {
        write();
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

// The database for --huge: short messages before and after one long line.
void addHugeMessage(const AnnouncerFixture& fixture) {
    for (int sequence = 1; sequence <= 20; ++sequence) {
        if (sequence == 10)
            fixture.addRow(0, QString(1'000'000, QLatin1Char('w')));
        fixture.addRow(sequence, QStringLiteral("Event %1 results").arg(sequence));
    }
}

int openScreen(const QString& path, const Write& write) {
    runOnScreen(path, [&](AnnouncerScreen& screen) { run(screen, path, write); });
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_screen FILE | bench_screen --huge\n");
        return 2;
    }
    if (qstrcmp(argv[1], "--huge") == 0) {
        const AnnouncerFixture fixture;
        addHugeMessage(fixture);
        int written = 100;
        return openScreen(fixture.path(), [&] { fixture.addRow(++written, QStringLiteral("Lost property")); });
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
    return openScreen(path, [&] { setWritten(path, QDateTime::currentDateTime()); });
}
