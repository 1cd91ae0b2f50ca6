#include "announcerfeed.h"
#include "toolmain.h"

#include "store/announcerschema.h"
#include "store/connectionfile.h"
#include "store/regularfile.h"
#include "store/sqlrows.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include <optional>

namespace feed {

using store::quoteIdentifier;
using store::announcer::keyField;
using store::announcer::lineBreak;
using store::announcer::messageField;
using store::announcer::rowSource;
using store::announcer::sequenceField;
using store::announcer::table;
using store::announcer::withLineBreaks;

namespace {

enum class Engine { Sqlite, Postgres };

// The engine a file names: a SQLite database, or a connection file for a
// server; nullopt for anything else.
std::optional<Engine> engineOf(const QString& path) {
    // A file this program has open as SQLite is not opened again to look.
    if (store::heldBySqlite(path))
        return Engine::Sqlite;
    QFile file;
    if (const store::Failure failure = store::openRegularFile(file, path))
        throw FeedError(
            tools::Texts::tr("cannot open %1: %2").arg(path, failure.reason()).toStdString());
    const QByteArray head = file.read(32);
    if (head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return Engine::Sqlite;
    if (store::isConnectionFile(head))
        return Engine::Postgres;
    return std::nullopt;
}

using tools::ToolConnection;

FeedError notAnAnnouncerDatabase(const QString& path) {
    return FeedError(tools::Texts::tr("%1 is not an announcer database").arg(path).toStdString());
}

void requireSchema(const ToolConnection& db, const QString& path) {
    QSqlQuery query =
        db.run(db.onServer()
                   ? QStringLiteral(
                         "SELECT count(*) FROM pg_catalog.pg_class WHERE pg_table_is_visible(oid)"
                         " AND relname IN (?, ?)")
                   : QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name IN (?, ?)"),
               {table, rowSource});
    if (!query.next() || query.value(0).toInt() != 2)
        throw notAnAnnouncerDatabase(path);
}

// Opens an existing announcer database, or explains why the file is not one.
std::unique_ptr<ToolConnection> openExisting(const QString& path) {
    if (!engineOf(path))
        throw notAnAnnouncerDatabase(path);
    auto db = std::make_unique<ToolConnection>(path, ToolConnection::Mode::Existing);
    try {
        requireSchema(*db, path);
    } catch (const tools::SystemRefusal&) {
        throw;
    } catch (const FeedError&) {
        throw notAnAnnouncerDatabase(path);
    }
    return db;
}

} // namespace

// A connection file names a database on a server, which gets the schema;
// any other existing file is left alone.
void initDatabase(const QString& path) {
    const bool exists = QFileInfo::exists(path) || QFileInfo(path).isSymLink();
    if (exists && engineOf(path) != Engine::Postgres)
        throw FeedError(
            tools::Texts::tr("%1 already exists; it is left as it is").arg(path).toStdString());
    ToolConnection db(path, ToolConnection::Mode::Create);
    if (db.onServer()) {
        db.begin();
        for (const QString& statement : store::announcer::postgresSchema())
            db.run(statement);
        db.commit();
        return;
    }
    for (const QString& statement : store::announcer::sqliteSchema())
        db.run(statement);
}

qint64 addAnnouncement(const QString& path, qint64 sequence, const QString& text) {
    if (sequence < -32768 || sequence > 32767)
        throw FeedError("the sequence must lie between -32768 and 32767");
    // SQLite's text functions stop at a NUL, and a server's text takes none.
    if (text.contains(QChar::Null))
        throw FeedError("the message holds a NUL character, which an announcer database does not keep");
    const auto db = openExisting(path);
    // RETURNING gives the new key on both engines (the server's driver has
    // no last-insert id for tables without OIDs).
    QSqlQuery query = db->run(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (?, ?) RETURNING %4")
                                  .arg(quoteIdentifier(table), quoteIdentifier(sequenceField),
                                       quoteIdentifier(messageField), quoteIdentifier(keyField)),
                              {sequence, withLineBreaks(text)});
    query.next();
    return query.value(0).toLongLong();
}

std::vector<Announcement> listAnnouncements(const QString& path) {
    const auto db = openExisting(path);
    std::vector<Announcement> rows;
    for (const QVariantList& row :
         db->rows(QStringLiteral("SELECT %1, %2, %3 FROM %4")
                      .arg(quoteIdentifier(keyField), quoteIdentifier(sequenceField),
                           quoteIdentifier(messageField), quoteIdentifier(rowSource))))
        rows.push_back({row[0].toLongLong(), row[1].toLongLong(), row[2].toString()});
    return rows;
}

QString describe(const Announcement& row) {
    QString text = row.message;
    text.replace(lineBreak, QLatin1String("\\r\\n"));
    return QStringLiteral("%1\t%2\t%3").arg(row.id).arg(row.sequence).arg(text);
}

qint64 nextSequence(const QString& path) {
    const auto db = openExisting(path);
    QSqlQuery query = db->run(QStringLiteral("SELECT coalesce(max(%1), 0) FROM %2")
                                  .arg(quoteIdentifier(sequenceField), quoteIdentifier(table)));
    const qint64 highest = query.next() ? query.value(0).toLongLong() : 0;
    return highest >= 32767 || highest < 0 ? 1 : highest + 1;
}

} // namespace feed
