#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantList>

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

} // namespace store
