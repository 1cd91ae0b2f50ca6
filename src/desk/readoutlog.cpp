#include "readoutlog.h"

#include "csvtext.h"

#include "store/ownfile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <utility>

#include <sys/stat.h>

namespace desk::readoutlog {

namespace {

const QStringList header = {QStringLiteral("time"),     QStringLiteral("event"),
                            QStringLiteral("database"), QStringLiteral("row"),
                            QStringLiteral("sequence"), QStringLiteral("message"),
                            QStringLiteral("station")};
// Files of earlier versions end each record with the message.
constexpr qsizetype fieldsBeforeStations = 6;
const QString folderName = QStringLiteral("kelvane");
// "Read out today" reads at most the newest this many bytes of a day's log.
constexpr qint64 longestRead = qint64{64} << 20;

// The newest longestRead bytes at most, from the start of a record.
QByteArray readTail(int descriptor) {
    struct stat info {};
    if (::fstat(descriptor, &info) != 0)
        return {};
    const qint64 start = std::max<qint64>(0, info.st_size - longestRead);
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::DontCloseHandle) ||
        !file.seek(start))
        return {};
    // Asks for no more memory than the file holds: a day's log is small.
    QByteArray bytes = file.read(std::min<qint64>(longestRead, info.st_size - start));
    if (start > 0) {
        static const QRegularExpression recordStart(
            QStringLiteral("\r\n(?=\\d{4}-\\d\\d-\\d\\dT)"));
        const QRegularExpressionMatch found = recordStart.match(QString::fromLatin1(bytes));
        bytes = found.hasMatch() ? bytes.mid(found.capturedEnd()) : QByteArray();
    }
    return bytes;
}

QString pairingKey(const Entry& entry) {
    return entry.database + QChar(0) + entry.row;
}

} // namespace

QString folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1Char('/') + folderName;
}

QString fileOf(const QDate& day) {
    return folder() +
           QStringLiteral("/read-out-%1.csv").arg(day.toString(QStringLiteral("yyyy-MM-dd")));
}

// A Sequence that is a number is written as one; any other (a text the
// row source handed out that no number could be made of) as text.
QByteArray record(const Entry& entry) {
    const QDateTime time = entry.time.toOffsetFromUtc(entry.time.offsetFromUtc());
    const bool numeric = entry.sequence.typeId() == QMetaType::Int ||
                         entry.sequence.typeId() == QMetaType::Short ||
                         entry.sequence.typeId() == QMetaType::LongLong;
    const QString sequence = entry.sequence.isNull() ? QString()
                             : numeric               ? entry.sequence.toString()
                                                     : csv::guarded(entry.sequence.toString());
    return csv::record({time.toString(Qt::ISODate), entry.event, csv::guarded(entry.database),
                        csv::guarded(entry.row), sequence, csv::guarded(entry.message),
                        csv::guarded(entry.station)},
                       {false, false, true, true, false, true, false});
}

store::Failure append(const Entry& entry) {
    return store::appendAndSync(fileOf(entry.time.date()), record(entry), csv::record(header, {}));
}

std::vector<Entry> read(const QString& path) {
    const store::Opened log = store::openOwn(path, store::ownFile);
    if (log.failure)
        return {};
    std::vector<Entry> entries;
    for (const QStringList& fields :
         csv::parse(QString::fromUtf8(readTail(log.descriptor.get())))) {
        if ((fields.size() != header.size() && fields.size() != fieldsBeforeStations) ||
            fields == header.mid(0, fields.size()))
            continue;
        const QDateTime time = QDateTime::fromString(fields[0], Qt::ISODate);
        if (!time.isValid())
            continue;
        bool isNumber = false;
        const qlonglong number = fields[4].toLongLong(&isNumber);
        const QVariant sequence = isNumber              ? QVariant(number)
                                  : fields[4].isEmpty() ? QVariant()
                                                        : QVariant(csv::unguarded(fields[4]));
        entries.push_back({time.toLocalTime(), fields[1], csv::unguarded(fields[2]),
                           csv::unguarded(fields[3]), sequence, csv::unguarded(fields[5]),
                           csv::unguarded(fields.value(6))});
    }
    return entries;
}

std::vector<ReadOut> readOuts(const std::vector<Entry>& entries) {
    std::vector<ReadOut> found;
    // Each later event belongs to the latest dismissal of its row before it.
    QHash<QString, size_t> latest;
    QSet<size_t> failed;
    for (const Entry& entry : entries) {
        const QString key = pairingKey(entry);
        if (entry.event == dismissed) {
            latest.insert(key, found.size());
            found.push_back(
                {entry.time, entry.database, entry.row, entry.sequence, entry.message, {}});
        } else if (const auto dismissal = latest.constFind(key); dismissal != latest.cend()) {
            if (entry.event == notDeleted)
                failed.insert(*dismissal);
            else if (entry.event == undone)
                found[*dismissal].undone = entry.time;
            latest.erase(dismissal);
        }
    }
    std::vector<ReadOut> newestFirst;
    for (size_t i = found.size(); i-- > 0;) {
        if (!failed.contains(i))
            newestFirst.push_back(found[i]);
    }
    return newestFirst;
}

} // namespace desk::readoutlog
