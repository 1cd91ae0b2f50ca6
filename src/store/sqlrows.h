#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>
#include <vector>

class QSqlDatabase;
class QSqlQuery;
struct sqlite3_stmt;

namespace store {

// Reading rows through QtSql: every statement is read to the end and
// finished before an operation returns, its values typed as the columns
// declare and the whole read bounded in memory.

// The rows of one executed SELECT, read to the end and the query finished.
struct Snapshot {
    QStringList columns;
    std::vector<QVariantList> rows;
};

// The column that keys the rows of a row source kelvane deletes from.
inline const QString keyColumn = QStringLiteral("Id");

// Column and table names may only come from the program itself; this makes
// such a fixed name safe to splice into SQL.
QString quoteIdentifier(const QString& name);

// Rows of cheap long text would fill memory long before the work limit
// stops them, so one read holds at most 64 Mi characters (a list of
// 10,000 messages takes 41 Mi). A single row may hold more: each of its
// values is bounded by the engine, and a whole message is read on its own.
// A value counts its characters (or bytes), and a little for itself.
inline constexpr qint64 readBudget = qint64{64} << 20;
// What a snapshot holds, counted against readBudget.
qint64 costOf(const Snapshot& snapshot);

// Reads the rest of an executed query, then finishes it. A column SQLite
// declares DATE or DATETIME hands its ISO 8601 text back as a date, as the
// server engines do by themselves. One read holds at most 64 Mi characters
// past its first row (TooCostly beyond); what names the row source in
// errors.
Snapshot readAll(QSqlQuery& query, const QString& what);

// Binds values to the placeholders in order.
void bindAll(QSqlQuery& query, const QVariantList& values);
// Binds values and runs the prepared query; throws queryError when it fails.
void execOrThrow(QSqlQuery& query, const QVariantList& values, const QString& what);

// Prepares, runs and reads a statement the program wrote, values bound.
Snapshot selectOn(QSqlDatabase& db, const QString& sql, const QVariantList& values,
                  const QString& what);

// The key column of every row, in the row source's order.
Snapshot keysOf(QSqlDatabase& db, const QString& rowSource);

// A key as bytes that tell both its type and its value, so that keys of
// any type can be sorted and looked up.
QByteArray keyBytes(const QVariant& key);

// The SQLite statement behind a prepared query; null on another engine.
sqlite3_stmt* sqliteStatement(const QSqlQuery& query);

// SQLite keeps dates as ISO 8601 text; a column declared DATE or DATETIME
// hands its values back as dates, as the server engines do by themselves.
enum class ColumnKind { Plain, Date, DateTime };

// Runs of a query prepared on SQLite, all in one transaction, read straight
// from SQLite as readAll reads them through QtSql: QtSql's work around each
// run costs several times SQLite's own for a saved query run once for each
// card of a sheet. Text is bound and read as UTF-8, as SQLite keeps it. The
// columns are taken once: the schema cannot change within the transaction.
class DirectReads {
public:
    explicit DirectReads(const QSqlQuery& query);

    // The rows for these values; none when SQLite fails, and QtSql's run of
    // the same statement then tells why.
    std::optional<Snapshot> read(const QVariantList& values, const QString& what);

private:
    // A null text binds NULL, as QtSql binds it.
    bool bind(int placeholder, const QString& value);
    // A value as QtSql's SQLite driver hands it back, but for a null, which
    // carries no type.
    [[nodiscard]] QVariant value(int column) const;

    sqlite3_stmt* m_statement;
    std::vector<ColumnKind> m_kinds;
    QStringList m_columns;
};

} // namespace store
