#include "sqlerrors.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>

#include <sqlite3.h>

namespace store {

namespace {

enum class SqlFailure { TableMissing, Stopped, Busy, ConnectionLost, DiskFull, Other };

// SQLite's result codes; its messages are never translated, so a missing
// table, which shares the general error code, is told by its words.
SqlFailure sqliteFailure(const QSqlError& error) {
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case SQLITE_ERROR:
        return error.databaseText().startsWith(QLatin1String("no such table"))
                   ? SqlFailure::TableMissing
                   : SqlFailure::Other;
    case SQLITE_INTERRUPT: // the step allowance ran out
        return SqlFailure::Stopped;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return SqlFailure::Busy;
    case SQLITE_FULL:
        return SqlFailure::DiskFull;
    default:
        return SqlFailure::Other;
    }
}

// The server's SQLSTATE: its messages come in the server's language.
SqlFailure postgresFailure(const QSqlError& error) {
    const QString state = error.nativeErrorCode();
    if (state == QLatin1String("42P01")) // undefined table
        return SqlFailure::TableMissing;
    if (state == QLatin1String("53100")) // disk full
        return SqlFailure::DiskFull;
    // A lock wait that ran out, a deadlock, a transaction that lost a race,
    // a statement the server's own time limit cancelled: all pass.
    static const QStringList busy = {QStringLiteral("55P03"), QStringLiteral("40P01"),
                                     QStringLiteral("40001"), QStringLiteral("57014")};
    if (busy.contains(state))
        return SqlFailure::Busy;
    // Connection exceptions, and a server that is shutting down.
    if (state.startsWith(QLatin1String("08")) || state == QLatin1String("57P01") ||
        state == QLatin1String("57P02") || state == QLatin1String("57P03"))
        return SqlFailure::ConnectionLost;
    return SqlFailure::Other;
}

SqlFailure failureOf(const QSqlQuery& query) {
    switch (query.driver() ? query.driver()->dbmsType() : QSqlDriver::UnknownDbms) {
    case QSqlDriver::SQLite:
        return sqliteFailure(query.lastError());
    case QSqlDriver::PostgreSQL:
        return postgresFailure(query.lastError());
    default:
        return SqlFailure::Other;
    }
}

// The file a SQLite query works on; empty for any other engine.
QString sqliteFile(const QSqlQuery& query) {
    const QVariant handle = query.driver() ? query.driver()->handle() : QVariant();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return {};
    sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData());
    return connection ? QString::fromUtf8(sqlite3_db_filename(connection, "main")) : QString();
}

// A full disk is named with what to do: the announcer frees space on the
// disk of the file, a server's administrator on the server's.
KelvaneError diskFullError(const QSqlQuery& query) {
    const QString file = sqliteFile(query);
    if (file.isEmpty())
        return KelvaneError(ErrorNumber::DiskOrNetworkError,
                            Texts::tr("The database server's disk is full. Ask whoever runs the "
                                      "server to free some space on it, then try again."));
    return KelvaneError(ErrorNumber::DiskOrNetworkError,
                        Texts::tr("The disk that holds the database %1 is full. Free some space "
                                  "on it (the disk mounted at %2), then try again.")
                            .arg(file, QStorageInfo(file).rootPath()));
}

} // namespace

KelvaneError queryError(const QSqlQuery& query, const QString& what) {
    const QSqlError error = query.lastError();
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    switch (failureOf(query)) {
    case SqlFailure::TableMissing:
        return KelvaneError(ErrorNumber::CannotFindTableOrQuery,
                            Texts::tr("Cannot find the table or query '%1'.").arg(what));
    case SqlFailure::Stopped:
        return KelvaneError(
            ErrorNumber::DatabaseOperationFailed,
            Texts::tr("Database operation on '%1' was stopped: it asks for far more work "
                      "than any sound database needs.")
                .arg(what));
    case SqlFailure::Busy:
        return KelvaneError(ErrorNumber::DatabaseLocked,
                            Texts::tr("The database is locked by another program (%1).").arg(what));
    case SqlFailure::DiskFull:
        return diskFullError(query);
    case SqlFailure::ConnectionLost:
        return KelvaneError(
            ErrorNumber::ConnectionFailed,
            Texts::tr("The connection to the database server was lost (%1): %2").arg(what, text));
    case SqlFailure::Other:
        break;
    }
    return KelvaneError(ErrorNumber::DatabaseOperationFailed,
                        Texts::tr("Database operation on '%1' failed: %2").arg(what, text));
}

bool refusedAsWriting(const QSqlQuery& query) {
    const QString code = query.lastError().nativeErrorCode();
    return query.driver() && query.driver()->dbmsType() == QSqlDriver::SQLite
               ? (code.toInt() & 0xff) == SQLITE_AUTH
               : code == QLatin1String("25006"); // read_only_sql_transaction
}

} // namespace store
