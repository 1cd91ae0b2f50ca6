// kelvane-feed: leaves messages for the announcer the way a meet-management
// program does, in an announcer database that kelvane reads.
#include "announcerfeed.h"
#include "demomessages.h"
#include "programinfo.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>

#include <cstdio>

namespace {

constexpr int usageStatus = 2;
constexpr int failureStatus = 1;

constexpr const char* usage =
    "usage: kelvane-feed init FILE\n"
    "       kelvane-feed add FILE SEQUENCE [TEXT]   (TEXT from standard input if absent)\n"
    "       kelvane-feed list FILE\n"
    "       kelvane-feed demo FILE [INTERVAL_MS [COUNT]]\n"
    "       kelvane-feed --help | --version\n";

bool parseNumber(const QString& text, qint64& value) {
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok;
}

QString readStandardInput() {
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        throw feed::FeedError("cannot read standard input");
    return QString::fromUtf8(in.readAll());
}

void printList(const QString& path) {
    QTextStream out(stdout);
    for (const feed::Announcement& row : feed::listAnnouncements(path)) {
        QString text = row.message;
        text.replace(QLatin1String("\r\n"), QLatin1String("\\r\\n"));
        out << row.id << '\t' << row.sequence << '\t' << text << '\n';
    }
}

int runDemo(const QString& path, qint64 intervalMs, qint64 count) {
    if (!QFileInfo::exists(path))
        feed::initDatabase(path);
    // The writer keeps its own count, so a number is never handed out twice
    // even when the announcer dismisses the newest message meanwhile.
    qint64 sequence = feed::nextSequence(path);
    for (qint64 n = 0; count <= 0 || n < count; ++n) {
        feed::addAnnouncement(path, sequence, feed::demoMessage(static_cast<int>(n)));
        sequence = sequence >= 32767 ? 1 : sequence + 1;
        if (count <= 0 || n + 1 < count)
            QThread::msleep(static_cast<unsigned long>(intervalMs));
    }
    return 0;
}

int run(const QStringList& args) {
    const QString command = args.value(0);
    const QString path = args.value(1);
    qint64 number = 0;
    if (command == QLatin1String("init") && args.size() == 2) {
        feed::initDatabase(path);
        return 0;
    }
    if (command == QLatin1String("add") && (args.size() == 3 || args.size() == 4)) {
        if (!parseNumber(args[2], number)) {
            std::fputs("kelvane-feed: SEQUENCE must be a whole number\n", stderr);
            return usageStatus;
        }
        feed::addAnnouncement(path, number, args.size() == 4 ? args[3] : readStandardInput());
        return 0;
    }
    if (command == QLatin1String("list") && args.size() == 2) {
        printList(path);
        return 0;
    }
    if (command == QLatin1String("demo") && args.size() >= 2 && args.size() <= 4) {
        qint64 interval = 3000;
        qint64 count = 0;
        if ((args.size() >= 3 && (!parseNumber(args[2], interval) || interval < 0)) ||
            (args.size() == 4 && !parseNumber(args[3], count))) {
            std::fputs("kelvane-feed: INTERVAL_MS and COUNT must be whole numbers\n", stderr);
            return usageStatus;
        }
        return runDemo(path, interval, count);
    }
    std::fputs(usage, stderr);
    return usageStatus;
}

} // namespace

int main(int argc, char** argv) {
    if (const auto status = cli::answerInfoRequest(argc, argv, "kelvane-feed", usage))
        return *status;
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    try {
        return run(args);
    } catch (const feed::FeedError& error) {
        std::fprintf(stderr, "kelvane-feed: %s\n", error.what());
        return failureStatus;
    }
}
