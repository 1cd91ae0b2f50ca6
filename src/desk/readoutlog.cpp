#include "readoutlog.h"

#include "store/ownfile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <utility>

#include <sys/stat.h>

namespace readoutlog {

namespace {

const QStringList header = {QStringLiteral("time"),     QStringLiteral("event"),
                            QStringLiteral("database"), QStringLiteral("row"),
                            QStringLiteral("sequence"), QStringLiteral("message"),
                            QStringLiteral("station")};
// Files of earlier versions end each record with the message.
constexpr qsizetype fieldsBeforeStations = 6;
const QString folderName = QStringLiteral("kelvane");
// A spreadsheet that opens the log takes a field starting with one of these
// for a formula; such a field is written after an apostrophe, which is
// taken off again when the log is read. A field that starts with an
// apostrophe itself gets one more, so every text reads back as it was.
const QString formulaStarts = QStringLiteral("=+-@\t\r'");
constexpr QChar textMark = QLatin1Char('\'');
// "Read out today" reads at most the newest this many bytes of a day's log.
constexpr qint64 longestRead = qint64{64} << 20;

QString guarded(const QString& field) {
    return !field.isEmpty() && formulaStarts.contains(field.front()) ? textMark + field : field;
}

QString unguarded(const QString& field) {
    return field.startsWith(textMark) ? field.mid(1) : field;
}

bool needsQuotes(const QString& field) {
    return field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
           field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'));
}

QString quoted(const QString& field) {
    QString escaped = field;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// Fields marked in quote are always quoted, as readers of earlier logs
// expect; any other field is quoted when it needs it.
QByteArray csvRecord(const QStringList& fields, const QList<bool>& quote) {
    QStringList written;
    for (qsizetype i = 0; i < fields.size(); ++i)
        written << (quote.value(i) || needsQuotes(fields[i]) ? quoted(fields[i]) : fields[i]);
    return (written.join(QLatin1Char(',')) + QLatin1String("\r\n")).toUtf8();
}

// Splits CSV text into records of fields (RFC 4180; a lone LF ends a
// record too). An unterminated quote at the end is a record cut short.
std::vector<QStringList> parseCsv(const QString& text) {
    std::vector<QStringList> records;
    QStringList fields;
    QString field;
    bool inQuotes = false;
    bool any = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                field += text[++i];
            else
                inQuotes = false;
            continue;
        }
        any = true;
        if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == QLatin1Char(',')) {
            fields << std::exchange(field, QString());
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            fields << std::exchange(field, QString());
            records.push_back(std::exchange(fields, QStringList()));
            any = false;
        } else {
            field += c;
        }
    }
    if (any && !inQuotes) {
        fields << field;
        records.push_back(fields);
    }
    return records;
}

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
                                                     : guarded(entry.sequence.toString());
    return csvRecord({time.toString(Qt::ISODate), entry.event, guarded(entry.database),
                      guarded(entry.row), sequence, guarded(entry.message), guarded(entry.station)},
                     {false, false, true, true, false, true, false});
}

store::Failure append(const Entry& entry) {
    return store::appendAndSync(fileOf(entry.time.date()), record(entry), csvRecord(header, {}));
}

std::vector<Entry> read(const QString& path) {
    const store::Opened log = store::openOwn(path, store::ownFile);
    if (log.failure)
        return {};
    std::vector<Entry> entries;
    for (const QStringList& fields : parseCsv(QString::fromUtf8(readTail(log.descriptor.get())))) {
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
                                                        : QVariant(unguarded(fields[4]));
        entries.push_back({time.toLocalTime(), fields[1], unguarded(fields[2]),
                           unguarded(fields[3]), sequence, unguarded(fields[5]),
                           unguarded(fields.value(6))});
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

} // namespace readoutlog
