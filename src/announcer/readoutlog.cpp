#include "readoutlog.h"

#include "store/kelvaneerror.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace readoutlog {

namespace {

const QStringList header = {QStringLiteral("time"),     QStringLiteral("event"),    QStringLiteral("database"),
                            QStringLiteral("row"),      QStringLiteral("sequence"), QStringLiteral("message")};

QString quoted(const QString& field) {
    QString escaped = field;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// Fields that can hold a comma, a quote or a line break are always quoted.
QByteArray csvRecord(const QStringList& fields, const QList<bool>& quote) {
    QStringList written;
    for (qsizetype i = 0; i < fields.size(); ++i)
        written << (quote.value(i) ? quoted(fields[i]) : fields[i]);
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

// A new file's name is on the disk only once its folder is synced too.
void syncFolder(const QString& path) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

QString pairingKey(const Entry& entry) { return entry.database + QChar(0) + entry.row; }

} // namespace

QString folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kelvane");
}

QString fileOf(const QDate& day) {
    return folder() + QStringLiteral("/read-out-%1.csv").arg(day.toString(QStringLiteral("yyyy-MM-dd")));
}

QString rowText(const QVariant& key) {
    if (key.typeId() == QMetaType::QByteArray)
        return QString::fromLatin1(key.toByteArray().toHex());
    return key.toString();
}

QByteArray record(const Entry& entry) {
    const QDateTime time = entry.time.toOffsetFromUtc(entry.time.offsetFromUtc());
    return csvRecord({time.toString(Qt::ISODate), entry.event, entry.database, entry.row,
                      entry.sequence.isNull() ? QString() : entry.sequence.toString(), entry.message},
                     {false, false, true, true, false, true});
}

std::optional<QString> append(const Entry& entry) {
    const QString logFolder = folder();
    if (!QDir().mkpath(logFolder))
        return QStringLiteral("the folder %1 cannot be made").arg(logFolder);
    const QString path = fileOf(entry.time.date());
    QFile file(path);
    const bool isNew = !file.exists();
    if (isNew && file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        file.write(csvRecord(header, {}));
    else if (!file.isOpen() && !file.open(QIODevice::WriteOnly | QIODevice::Append))
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    const QByteArray line = record(entry);
    if (file.write(line) != line.size() || !file.flush())
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    if (::fsync(file.handle()) != 0)
        return QStringLiteral("%1: %2").arg(path, store::systemErrorText(errno));
    file.close();
    if (isNew)
        syncFolder(logFolder);
    return std::nullopt;
}

std::vector<Entry> read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<Entry> entries;
    for (const QStringList& fields : parseCsv(QString::fromUtf8(file.readAll()))) {
        if (fields.size() != header.size() || fields == header)
            continue;
        const QDateTime time = QDateTime::fromString(fields[0], Qt::ISODate);
        if (!time.isValid())
            continue;
        bool isNumber = false;
        const qlonglong sequence = fields[4].toLongLong(&isNumber);
        entries.push_back({time.toLocalTime(), fields[1], fields[2], fields[3],
                           isNumber ? QVariant(sequence) : QVariant(), fields[5]});
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
            found.push_back({entry.time, entry.database, entry.sequence, entry.message, {}});
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
