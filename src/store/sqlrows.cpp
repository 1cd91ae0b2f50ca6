#include "sqlrows.h"

#include "kelvaneerror.h"
#include "sqlerrors.h"
#include "sqliteguard.h"

#include <QDataStream>
#include <QDateTime>
#include <QIODevice>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>

#include <sqlite3.h>

namespace store {

namespace {

// SQLite keeps dates as ISO 8601 text; a column declared DATE or DATETIME
// hands its values back as dates, as the server engines do by themselves.
enum class ColumnKind { Plain, Date, DateTime };

std::vector<ColumnKind> columnKinds(const QSqlQuery& query, int columns) {
    std::vector<ColumnKind> kinds(static_cast<size_t>(columns), ColumnKind::Plain);
    sqlite3_stmt* statement = sqliteStatement(query);
    if (!statement)
        return kinds;
    for (int i = 0; i < columns; ++i) {
        const QByteArray declared = QByteArray(sqlite3_column_decltype(statement, i)).toUpper();
        if (declared == "DATE")
            kinds[static_cast<size_t>(i)] = ColumnKind::Date;
        else if (declared == "DATETIME")
            kinds[static_cast<size_t>(i)] = ColumnKind::DateTime;
    }
    return kinds;
}

// A text that is not an ISO date stays text, so the reader can report it.
QVariant typedValue(const QVariant& value, ColumnKind kind) {
    if (kind == ColumnKind::Plain || value.isNull() || value.typeId() != QMetaType::QString)
        return value;
    const QString text = value.toString();
    if (kind == ColumnKind::Date) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        return date.isValid() ? QVariant(date) : value;
    }
    const QDateTime moment = QDateTime::fromString(text, Qt::ISODate);
    return moment.isValid() ? QVariant(moment) : value;
}

// Rows of cheap long text would fill memory long before the work limit
// stops them, so one read holds at most 64 Mi characters (a list of
// 10,000 messages takes 41 Mi). A single row may hold more: each of its
// values is bounded by the engine, and a whole message is read on its own.
// A value counts its characters (or bytes), and a little for itself.
constexpr qint64 readBudget = qint64{64} << 20;
constexpr qint64 costPerValue = 16;

qint64 costOf(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return costPerValue + value.toString().size();
    case QMetaType::QByteArray:
        return costPerValue + value.toByteArray().size();
    default:
        return costPerValue;
    }
}

} // namespace

QString quoteIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

Snapshot readAll(QSqlQuery& query, const QString& what) {
    Snapshot snapshot;
    qint64 cost = 0;
    const QSqlRecord record = query.record();
    const int columns = record.count();
    for (int i = 0; i < columns; ++i)
        snapshot.columns.append(record.fieldName(i));
    const std::vector<ColumnKind> kinds = columnKinds(query, columns);
    while (query.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i) {
            row.append(typedValue(query.value(i), kinds[static_cast<size_t>(i)]));
            cost += costOf(row.constLast());
        }
        if (cost > readBudget && !snapshot.rows.empty())
            throw KelvaneError(ErrorNumber::TooCostly, SqliteGuard::stoppedText(what));
        snapshot.rows.push_back(std::move(row));
    }
    if (query.lastError().isValid())
        throw queryError(query, what);
    query.finish();
    return snapshot;
}

void bindAll(QSqlQuery& query, const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
}

void execOrThrow(QSqlQuery& query, const QVariantList& values, const QString& what) {
    bindAll(query, values);
    if (!query.exec())
        throw queryError(query, what);
}

Snapshot selectOn(QSqlDatabase& db, const QString& sql, const QVariantList& values,
                  const QString& what) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw queryError(query, what);
    execOrThrow(query, values, what);
    return readAll(query, what);
}

Snapshot keysOf(QSqlDatabase& db, const QString& rowSource) {
    return selectOn(db,
                    QStringLiteral("SELECT %1 FROM %2")
                        .arg(quoteIdentifier(keyColumn), quoteIdentifier(rowSource)),
                    {}, rowSource);
}

QByteArray keyBytes(const QVariant& key) {
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << key;
    return bytes;
}

sqlite3_stmt* sqliteStatement(const QSqlQuery& query) {
    const QVariant handle = query.result()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3_stmt*") != 0)
        return nullptr;
    return *static_cast<sqlite3_stmt* const*>(handle.constData());
}

} // namespace store
