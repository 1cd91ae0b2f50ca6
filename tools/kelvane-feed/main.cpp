// kelvane-feed: leaves messages for the announcer the way a meet-management
// program does, in an announcer database that kelvane reads.
#include "announcerfeed.h"
#include "demomessages.h"
#include "toolmain.h"

#include "store/announcerschema.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>

#include <cstdio>

namespace {

using tools::usageStatus;

constexpr const char* usage = QT_TRANSLATE_NOOP(
    "Usage", "usage: kelvane-feed init FILE\n"
             "       kelvane-feed add FILE SEQUENCE [TEXT]   (TEXT from standard input if absent)\n"
             "       kelvane-feed list FILE\n"
             "       kelvane-feed demo FILE [INTERVAL_MS [COUNT [LOG]]]\n"
             "       kelvane-feed --help | --version\n");

bool parseNumber(const QString& text, qint64& value) {
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok;
}

QString readStandardInput() {
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        throw feed::FeedError(tools::Texts::tr("cannot read standard input").toStdString());
    return QString::fromUtf8(in.readAll());
}

void printList(const QString& path) {
    QTextStream out(stdout);
    for (const feed::Announcement& row : feed::listAnnouncements(path))
        out << feed::describe(row) << '\n';
}

// A record of every committed row, one line each, written as soon as the
// row is in the file: whoever checks the database afterwards knows exactly
// what was written, even if the writer is stopped half way.
class WriteLog {
public:
    explicit WriteLog(const QString& path) : m_file(path) {
        if (!path.isEmpty() && !m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw feed::FeedError(tools::Texts::tr("cannot write %1: %2")
                                      .arg(path, m_file.errorString())
                                      .toStdString());
    }
    void record(const feed::Announcement& row) {
        if (!m_file.isOpen())
            return;
        const QByteArray line = feed::describe(row).toUtf8() + '\n';
        if (m_file.write(line) != line.size() || !m_file.flush())
            throw feed::FeedError(tools::Texts::tr("cannot write %1: %2")
                                      .arg(m_file.fileName(), m_file.errorString())
                                      .toStdString());
    }

private:
    QFile m_file;
};

int runDemo(const QString& path, qint64 intervalMs, qint64 count, const QString& logPath) {
    if (!QFileInfo::exists(path))
        feed::initDatabase(path);
    WriteLog log(logPath);
    // The writer keeps its own count, so a number is never handed out twice
    // even when the announcer dismisses the newest message meanwhile.
    qint64 sequence = feed::nextSequence(path);
    // Messages go out at a steady rate: the time a write takes is not added
    // to the interval.
    QElapsedTimer clock;
    clock.start();
    for (qint64 n = 0; count <= 0 || n < count; ++n) {
        const QString text = feed::demoMessage(static_cast<int>(n));
        const qint64 id = feed::addAnnouncement(path, sequence, text);
        log.record({id, sequence, store::announcer::withLineBreaks(text)});
        sequence = sequence >= 32767 ? 1 : sequence + 1;
        const qint64 wait = (n + 1) * intervalMs - clock.elapsed();
        if ((count <= 0 || n + 1 < count) && wait > 0)
            QThread::msleep(static_cast<unsigned long>(wait));
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
            tools::printError("kelvane-feed", tools::Texts::tr("SEQUENCE must be a whole number"));
            return usageStatus;
        }
        feed::addAnnouncement(path, number, args.size() == 4 ? args[3] : readStandardInput());
        return 0;
    }
    if (command == QLatin1String("list") && args.size() == 2) {
        printList(path);
        return 0;
    }
    if (command == QLatin1String("demo") && args.size() >= 2 && args.size() <= 5) {
        qint64 interval = 3000;
        qint64 count = 0;
        if ((args.size() >= 3 && (!parseNumber(args[2], interval) || interval < 0)) ||
            (args.size() >= 4 && !parseNumber(args[3], count))) {
            tools::printError("kelvane-feed",
                              tools::Texts::tr("INTERVAL_MS and COUNT must be whole numbers"));
            return usageStatus;
        }
        return runDemo(path, interval, count, args.value(4));
    }
    tools::printUsage(usage);
    return usageStatus;
}

} // namespace

int main(int argc, char** argv) { return tools::runTool(argc, argv, "kelvane-feed", usage, run); }
