#include "announcerfeed.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

namespace feed {

namespace {

const QStringList schema = {
    QStringLiteral("PRAGMA journal_mode = WAL"),
    QStringLiteral("CREATE TABLE Announcements ("
                   " Id INTEGER PRIMARY KEY AUTOINCREMENT,"
                   " Sequence INTEGER NOT NULL CHECK (Sequence BETWEEN -32768 AND 32767),"
                   " Message TEXT NOT NULL)"),
    QStringLiteral("CREATE VIEW \"Sorted Announcements\" AS"
                   " SELECT Id, Sequence, Message FROM Announcements ORDER BY Sequence, Id"),
    QStringLiteral("CREATE TRIGGER \"Sorted Announcements delete\""
                   " INSTEAD OF DELETE ON \"Sorted Announcements\""
                   " BEGIN DELETE FROM Announcements WHERE Id = OLD.Id; END"),
};

// One SQLite connection for the length of one command.
class Connection {
public:
    enum class Mode { Existing, Create };

    Connection(const QString& path, Mode mode) : m_name(nextName()) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        const QString openMode = mode == Mode::Create ? QStringLiteral("rwc") : QStringLiteral("rw");
        db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?mode=") + openMode);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            const QString reason = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            throw FeedError(QStringLiteral("cannot open %1: %2").arg(path, reason).toStdString());
        }
    }
    ~Connection() {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSqlQuery run(const QString& sql, const QVariantList& values = {}) const {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        if (!query.prepare(sql))
            throw FeedError(query.lastError().text().toStdString());
        for (const QVariant& value : values)
            query.addBindValue(value);
        if (!query.exec())
            throw FeedError(query.lastError().text().toStdString());
        return query;
    }

private:
    static QString nextName() {
        static std::atomic<int> counter{0};
        return QStringLiteral("kelvane-feed-%1").arg(++counter);
    }
    QString m_name;
};

void requireAnnouncerDatabase(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FeedError(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()).toStdString());
    if (!file.read(16).startsWith(QByteArrayLiteral("SQLite format 3\0")))
        throw FeedError(QStringLiteral("%1 is not an announcer database").arg(path).toStdString());
}

void requireSchema(const Connection& db, const QString& path) {
    QSqlQuery query = db.run(QStringLiteral(
        "SELECT count(*) FROM sqlite_master WHERE name IN ('Announcements', 'Sorted Announcements')"));
    if (!query.next() || query.value(0).toInt() != 2)
        throw FeedError(QStringLiteral("%1 is not an announcer database").arg(path).toStdString());
}

// Opens an existing announcer database, or explains why the file is not one.
std::unique_ptr<Connection> openExisting(const QString& path) {
    requireAnnouncerDatabase(path);
    auto db = std::make_unique<Connection>(path, Connection::Mode::Existing);
    try {
        requireSchema(*db, path);
    } catch (const FeedError&) {
        throw FeedError(QStringLiteral("%1 is not an announcer database").arg(path).toStdString());
    }
    return db;
}

} // namespace

void initDatabase(const QString& path) {
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        throw FeedError(QStringLiteral("%1 already exists; it is left as it is").arg(path).toStdString());
    Connection db(path, Connection::Mode::Create);
    for (const QString& statement : schema)
        db.run(statement);
}

qint64 addAnnouncement(const QString& path, qint64 sequence, const QString& text) {
    if (sequence < -32768 || sequence > 32767)
        throw FeedError("the sequence must lie between -32768 and 32767");
    const auto db = openExisting(path);
    const QSqlQuery query = db->run(QStringLiteral("INSERT INTO Announcements (Sequence, Message) VALUES (?, ?)"),
                                    {sequence, withCrLf(text)});
    return query.lastInsertId().toLongLong();
}

std::vector<Announcement> listAnnouncements(const QString& path) {
    const auto db = openExisting(path);
    QSqlQuery query = db->run(QStringLiteral("SELECT Id, Sequence, Message FROM \"Sorted Announcements\""));
    std::vector<Announcement> rows;
    while (query.next())
        rows.push_back({query.value(0).toLongLong(), query.value(1).toLongLong(), query.value(2).toString()});
    return rows;
}

QString describe(const Announcement& row) {
    QString text = row.message;
    text.replace(QLatin1String("\r\n"), QLatin1String("\\r\\n"));
    return QStringLiteral("%1\t%2\t%3").arg(row.id).arg(row.sequence).arg(text);
}

qint64 nextSequence(const QString& path) {
    const auto db = openExisting(path);
    QSqlQuery query = db->run(QStringLiteral("SELECT coalesce(max(Sequence), 0) FROM Announcements"));
    const qint64 highest = query.next() ? query.value(0).toLongLong() : 0;
    return highest >= 32767 || highest < 0 ? 1 : highest + 1;
}

QString withCrLf(const QString& text) {
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return normalised;
}

} // namespace feed
