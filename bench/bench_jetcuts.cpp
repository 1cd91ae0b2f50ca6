// Reads copies of a Jet (.mdb) file cut short at page boundaries, as a
// reader meets a file that another program is still copying or rewriting:
//
//   bench_jetcuts FILE [CUTS]
//
// Every read of "Sorted Announcements" from a cut copy must give exactly
// the rows of the whole file or fail. CUTS cut points are spread evenly
// over the file (0, the default, cuts at every page boundary). Prints how
// many reads were right, failed and wrong (the wrong ones by offset), how
// many succeeded although libmdb complained on standard error, and the
// time per read. The whole file's rows are printed as a checksum, to compare
// one build's reading with another's.
#include "store/database.h"
#include "store/kelvaneerror.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString sorted = QStringLiteral("Sorted Announcements");

QStringList rowsOf(const QString& path) {
    auto db = store::openDatabase(path, QStringLiteral("announcer database"));
    auto set = db->openRecordset(sorted);
    QStringList rows;
    if (set->recordCount() > 0) {
        for (set->moveFirst(); !set->eof(); set->moveNext())
            rows << set->value(QStringLiteral("Sequence")).toString() + QLatin1Char(':') +
                        set->value(QStringLiteral("Message")).toString();
    }
    return rows;
}

std::vector<qint64> cutPages(qint64 pages, qint64 cuts) {
    std::vector<qint64> chosen;
    if (cuts <= 0 || cuts >= pages - 1) {
        for (qint64 page = pages - 1; page >= 1; --page)
            chosen.push_back(page);
    } else {
        for (qint64 i = cuts; i >= 1; --i)
            chosen.push_back(i * (pages - 1) / (cuts + 1) + 1);
    }
    return chosen;
}

// Standard error goes to a file while the cuts are read, so that what
// libmdb prints can be told apart per read.
class CapturedStderr {
public:
    explicit CapturedStderr(const QString& path) {
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        m_file = fopen(QFile::encodeName(path).constData(), "w");
        dup2(fileno(m_file), STDERR_FILENO);
    }
    ~CapturedStderr() {
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        fclose(m_file);
    }
    [[nodiscard]] qint64 size() const {
        std::fflush(stderr);
        struct stat info {};
        fstat(fileno(m_file), &info);
        return info.st_size;
    }
    CapturedStderr(const CapturedStderr&) = delete;
    CapturedStderr& operator=(const CapturedStderr&) = delete;

private:
    int m_saved = -1;
    FILE* m_file = nullptr;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: bench_jetcuts FILE.mdb [CUTS]\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cut.mdb"));
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), path)) {
        std::fprintf(stderr, "cannot copy %s\n", argv[1]);
        return 1;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    const QStringList whole = rowsOf(path);
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    const qint64 pageSize = file.read(0x15).at(0x14) == 0 ? 2048 : 4096;
    const qint64 pages = file.size() / pageSize;
    const std::vector<qint64> cuts = cutPages(pages, argc == 3 ? atoll(argv[2]) : 0);

    int right = 0, failed = 0, complained = 0;
    QStringList wrong;
    QElapsedTimer clock;
    clock.start();
    {
        const CapturedStderr captured(dir.filePath(QStringLiteral("stderr.txt")));
        for (qint64 page : cuts) {
            file.resize(page * pageSize);
            const qint64 before = captured.size();
            try {
                if (rowsOf(path) == whole)
                    ++right;
                else
                    wrong << QString::number(page * pageSize);
                if (captured.size() != before)
                    ++complained;
            } catch (const store::KelvaneError&) {
                ++failed;
            }
        }
    }
    std::printf("%lld pages, %zu cuts, %lld rows in the whole file (SHA-1 %s)\n", pages,
                cuts.size(), qint64(whole.size()),
                QCryptographicHash::hash(whole.join(QChar(0)).toUtf8(), QCryptographicHash::Sha1)
                    .toHex()
                    .constData());
    std::printf("right %d  failed %d  wrong %lld  succeeded despite a libmdb complaint %d\n", right,
                failed, qint64(wrong.size()), complained);
    if (!wrong.isEmpty())
        std::printf("wrong at byte offsets: %s\n", qPrintable(wrong.join(QLatin1Char(' '))));
    std::printf("%.2f ms per cut (open and read)\n", double(clock.elapsed()) / double(cuts.size()));
    return wrong.isEmpty() && complained == 0 ? 0 : 1;
}
