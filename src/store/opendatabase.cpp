#include "database.h"
#include "jetdatabase.h"
#include "kelvaneerror.h"
#include "connectionfile.h"
#include "postgresdatabase.h"
#include "regularfile.h"
#include "sqlitedatabase.h"

#include <QFile>

namespace store {

namespace {

enum class FileKind { Sqlite, Jet, Connection, Empty, Other };

FileKind sniff(QFile& file) {
    const QByteArray head = file.read(32);
    if (head.isEmpty())
        return FileKind::Empty;
    if (head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return FileKind::Sqlite;
    const QByteArray jetMark = head.mid(4, 15);
    if (jetMark == "Standard Jet DB" || jetMark == "Standard ACE DB")
        return FileKind::Jet;
    if (isConnectionFile(head))
        return FileKind::Connection;
    return FileKind::Other;
}

} // namespace

std::unique_ptr<Database> openDatabase(const QString& path, const QString& purpose, const OpenOptions& options) {
    // Looking at its first bytes would drop the locks of the connection
    // that holds it.
    if (heldBySqlite(path))
        return std::make_unique<SqliteDatabase>(path, purpose, options);
    QFile file;
    if (const Failure failure = openRegularFile(file, path))
        throw KelvaneError(ErrorNumber::NotADatabase,
                           Texts::tr("Cannot open '%1': %2.").arg(path, failure.reason()));
    const FileKind kind = sniff(file);
    file.close();
    const auto notA = [&](const QString& reason) {
        return notADatabase(path, purpose, reason);
    };
    switch (kind) {
    case FileKind::Sqlite:
        return std::make_unique<SqliteDatabase>(path, purpose, options);
    case FileKind::Jet:
        return openJetDatabase(path, purpose);
    case FileKind::Connection:
        return std::make_unique<PostgresDatabase>(path, purpose, options.serverPatience,
                                                  options.lockWait);
    case FileKind::Empty:
        throw notA(Texts::tr("the file is empty"));
    case FileKind::Other:
        break;
    }
    throw notA(Texts::tr("the file is not a database"));
}

} // namespace store
