// Times the file select window changing into a folder of 20,000 files
// (typed path, then OK: the folder, file and drive lists all follow)
// against a bare QDir::entryList of the same folder in the same run, and a
// typed pattern in that folder against filtering by QDir name filters.
// Prints both times and their ratio; the window's listing is sorted as file
// dialogs sort, so it is also set against an unsorted listing.
#include "dialogs/fileinfo.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int fileCount = 20000;

void makeFolder(const QString& path) {
    QDir().mkpath(path);
    for (int i = 0; i < fileCount; ++i) {
        QFile file(QStringLiteral("%1/heat %2 lane %3.%4")
                       .arg(path)
                       .arg(i / 8)
                       .arg(i % 8)
                       .arg(i % 10 == 0 ? QStringLiteral("mdb") : QStringLiteral("txt")));
        file.open(QIODevice::WriteOnly);
    }
}

// Best of several runs, in milliseconds: the least disturbed measurement.
// prepare runs before each timed run, untimed.
double bestOf(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer clock;
        clock.start();
        work();
        best = std::min(best, clock.nsecsElapsed() / 1e6);
    }
    return best;
}

void typeAndOk(FileInfo& window, const QString& text) {
    window.findChild<QLineEdit*>(QStringLiteral("TextBox"))->setText(text);
    window.findChild<QPushButton*>(QStringLiteral("DlgButton_0"))->click();
}

int listed(FileInfo& window) {
    return window.findChild<QListWidget*>(QStringLiteral("FileListBox"))->count();
}

void report(const char* what, double window, double bare, int count) {
    std::printf("%-28s %8d %11.2f %11.2f %7.2f\n", what, count, window, bare, window / bare);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir tree;
    const QString big = tree.filePath(QStringLiteral("big"));
    const QString small = tree.filePath(QStringLiteral("small"));
    makeFolder(big);
    QDir().mkpath(small);
    FileInfo window(small);
    const auto nothing = [] {};
    const QString every = QStringLiteral("*.*");

    std::printf("%-28s %8s %11s %11s %7s\n", "case", "listed", "window_ms", "bare_ms", "ratio");
    const double change = bestOf(
        7, [&] { typeAndOk(window, small + QStringLiteral("/") + every); },
        [&] { typeAndOk(window, big + QStringLiteral("/") + every); });
    const int changeCount = listed(window);
    const auto bareList = [&](QDir::SortFlags sort) {
        return bestOf(7, nothing, [&] {
            volatile qsizetype n = QDir(big).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, sort).size();
            (void)n;
        });
    };
    report("change into folder", change, bareList(QDir::Name), changeCount);
    report("  against unsorted listing", change, bareList(QDir::NoSort), changeCount);

    const QString pattern = QStringLiteral("heat 1* lane 3.*");
    const double typed = bestOf(
        7, [&] { typeAndOk(window, every); }, [&] { typeAndOk(window, pattern); });
    const int patternCount = listed(window);
    const double bareFilter = bestOf(7, nothing, [&] {
        QDir dir(big, pattern, QDir::Name, QDir::Files);
        volatile qsizetype n = dir.entryList().size();
        (void)n;
    });
    report("typed pattern in folder", typed, bareFilter, patternCount);
    return 0;
}
