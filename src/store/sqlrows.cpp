#include "sqlrows.h"

#include "kelvaneerror.h"
#include "sqlerrors.h"
#include "sqliteguard.h"

#include <QDataStream>
#include <QDateTime>
#include <QIODevice>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>

#include <sqlite3.h>

namespace store {

namespace {

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

// Adds the row whose values valueAt(column) gives, each typed as its column
// declares; a read that grows past the budget beyond its first row stops.
template <class ValueAt>
void addRow(Snapshot& snapshot, qint64& cost, const std::vector<ColumnKind>& kinds,
            const QString& what, const ValueAt& valueAt) {
    QVariantList row;
    row.reserve(static_cast<qsizetype>(kinds.size()));
    for (size_t i = 0; i < kinds.size(); ++i) {
        row.append(typedValue(valueAt(static_cast<int>(i)), kinds[i]));
        cost += costOf(row.constLast());
    }
    if (cost > readBudget && !snapshot.rows.empty())
        throw KelvaneError(ErrorNumber::TooCostly, SqliteGuard::stoppedText(what));
    snapshot.rows.push_back(std::move(row));
}

} // namespace

qint64 costOf(const Snapshot& snapshot) {
    qint64 cost = 0;
    for (const QVariantList& row : snapshot.rows) {
        for (const QVariant& value : row)
            cost += costOf(value);
    }
    return cost;
}

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
    while (query.next())
        addRow(snapshot, cost, kinds, what, [&](int column) { return query.value(column); });
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

DirectReads::DirectReads(const QSqlQuery& query)
    : m_statement(sqliteStatement(query))
    , m_kinds(columnKinds(query, sqlite3_column_count(m_statement))) {
    for (int i = 0; i < int(m_kinds.size()); ++i)
        m_columns.append(QString::fromUtf8(sqlite3_column_name(m_statement, i)));
}

std::optional<Snapshot> DirectReads::read(const QVariantList& values, const QString& what) {
    const auto reset = qScopeGuard([this] { sqlite3_reset(m_statement); });
    for (int i = 0; i < values.size(); ++i) {
        if (!bind(i + 1, values[i].toString()))
            return std::nullopt;
    }
    Snapshot snapshot{m_columns, {}};
    qint64 cost = 0;
    int stepped = SQLITE_ROW;
    while ((stepped = sqlite3_step(m_statement)) == SQLITE_ROW)
        addRow(snapshot, cost, m_kinds, what, [this](int column) { return value(column); });
    if (stepped != SQLITE_DONE)
        return std::nullopt;
    return snapshot;
}

bool DirectReads::bind(int placeholder, const QString& value) {
    const QByteArray text = value.toUtf8();
    return (text.isNull() ? sqlite3_bind_null(m_statement, placeholder)
                          : sqlite3_bind_text(m_statement, placeholder, text.constData(),
                                              int(text.size()), SQLITE_TRANSIENT)) == SQLITE_OK;
}

QVariant DirectReads::value(int column) const {
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QVariant(qint64{sqlite3_column_int64(m_statement, column)});
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_statement, column);
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_statement, column));
        return QByteArray(bytes, sqlite3_column_bytes(m_statement, column));
    }
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
        return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
    }
    }
}

} // namespace store
