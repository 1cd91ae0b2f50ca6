#include "sqlengine.h"

#include "snapshotrecordset.h"

#include <QDateTime>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>

#include <sqlite3.h>

#include <vector>

namespace store {

// A saved query's statement and the connection it was prepared on.
struct PreparedQuery {
    QString sql;
    std::unique_ptr<QSqlQuery> query;
    int generation = -1;
};

// The rows of one executed SELECT, read to the end and the query finished.
struct Snapshot {
    QStringList columns;
    std::vector<QVariantList> rows;
};

namespace {

const QString keyColumn = QStringLiteral("Id");
// The alias of the column that carries a limited field's whole length.
const QString wholeLengthColumn = QStringLiteral("kelvane whole length");
const QString savedQueries = QStringLiteral("Saved Queries");
const QString savedQueryParameters = QStringLiteral("Saved Query Parameters");

// SQLite keeps dates as ISO 8601 text; a column declared DATE or DATETIME
// hands its values back as dates, as the server engines do by themselves.
enum class ColumnKind { Plain, Date, DateTime };

std::vector<ColumnKind> columnKinds(const QSqlQuery& query, int columns) {
    std::vector<ColumnKind> kinds(static_cast<size_t>(columns), ColumnKind::Plain);
    const QVariant handle = query.result()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3_stmt*") != 0)
        return kinds;
    auto* statement = *static_cast<sqlite3_stmt* const*>(handle.constData());
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


Snapshot readAll(QSqlQuery& query, const QString& what) {
    Snapshot snapshot;
    const QSqlRecord record = query.record();
    const int columns = record.count();
    for (int i = 0; i < columns; ++i)
        snapshot.columns.append(record.fieldName(i));
    const std::vector<ColumnKind> kinds = columnKinds(query, columns);
    while (query.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row.append(typedValue(query.value(i), kinds[static_cast<size_t>(i)]));
        snapshot.rows.push_back(std::move(row));
    }
    if (query.lastError().isValid())
        throw queryError(query, what);
    query.finish();
    return snapshot;
}

void execOrThrow(QSqlQuery& query, const QVariantList& values, const QString& what) {
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec())
        throw queryError(query, what);
}

Snapshot selectOn(QSqlDatabase& db, const QString& sql, const QVariantList& values, const QString& what) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw queryError(query, what);
    execOrThrow(query, values, what);
    return readAll(query, what);
}

Snapshot select(SqlSession& session, const QString& sql, const QVariantList& values, const QString& what) {
    Snapshot snapshot;
    session.run([&](QSqlDatabase& db) { snapshot = selectOn(db, sql, values, what); });
    return snapshot;
}

// A snapshot of the rows of one row source. Deleting goes back to the
// database by the row's key, so a row with the same Sequence or text is
// never touched. A snapshot read with a limited field carries that field's
// whole length as its last column.
class SqlRecordSet : public RecordSet {
public:
    SqlRecordSet(std::shared_ptr<SqlSession> session, QString deleteTarget, Snapshot snapshot,
                 QString limitedField = {})
        : m_session(std::move(session))
        , m_deleteTarget(std::move(deleteTarget))
        , m_snapshot(std::move(snapshot))
        , m_limitedField(std::move(limitedField))
        , m_wholeLengthIndex(static_cast<int>(m_snapshot.columns.indexOf(wholeLengthColumn))) {
        m_snapshot.columns.removeAll(wholeLengthColumn);
        m_keyIndex = static_cast<int>(m_snapshot.columns.indexOf(keyColumn));
    }

    int recordCount() const override {
        checkOpen();
        return static_cast<int>(m_snapshot.rows.size());
    }
    void moveFirst() override {
        checkOpen();
        if (m_snapshot.rows.empty())
            throw noCurrentRecord();
        m_current = 0;
    }
    void moveNext() override {
        checkOpen();
        if (eof())
            throw noCurrentRecord();
        ++m_current;
    }
    bool eof() const override {
        checkOpen();
        return m_current >= m_snapshot.rows.size();
    }
    QVariant value(const QString& field) const override {
        checkCurrent();
        const int index = m_snapshot.columns.indexOf(field);
        if (index < 0)
            throw KelvaneError(
                ErrorNumber::ItemNotFound,
                Texts::tr("Item not found in this collection: field '%1'.").arg(field));
        return m_snapshot.rows[m_current][index];
    }
    QStringList fields() const override { return m_snapshot.columns; }
    QVariant key() const override {
        checkCurrent();
        const QVariantList& row = m_snapshot.rows[m_current];
        return m_keyIndex >= 0 ? row[m_keyIndex] : valuesKey(row);
    }
    qint64 wholeLength(const QString& field) const override {
        if (field != m_limitedField || m_wholeLengthIndex < 0)
            return RecordSet::wholeLength(field);
        checkCurrent();
        return m_snapshot.rows[m_current][m_wholeLengthIndex].toLongLong();
    }
    void deleteCurrent() override;
    void close() override { m_closed = true; }

private:
    static KelvaneError noCurrentRecord() {
        return KelvaneError(ErrorNumber::NoCurrentRecord, Texts::tr("No current record."));
    }
    void checkOpen() const {
        if (m_closed)
            throw KelvaneError(ErrorNumber::ObjectClosed, Texts::tr("The record set is closed."));
    }
    void checkCurrent() const {
        checkOpen();
        if (eof() || m_deleted.contains(m_current))
            throw noCurrentRecord();
    }

    std::shared_ptr<SqlSession> m_session;
    QString m_deleteTarget;
    Snapshot m_snapshot;
    QString m_limitedField;
    int m_wholeLengthIndex;
    int m_keyIndex = -1;
    QSet<size_t> m_deleted;
    size_t m_current = 0;
    bool m_closed = false;
};

// A delete by key may run a second time after a lost connection: if the
// first one reached the server, the second finds no row and changes
// nothing, so the row is gone exactly once either way.
void SqlRecordSet::deleteCurrent() {
    checkCurrent();
    if (m_deleteTarget.isEmpty() || m_keyIndex < 0)
        throw KelvaneError(ErrorNumber::DatabaseOperationFailed,
                           Texts::tr("Rows of '%1' cannot be deleted: it has no '%2' key column.")
                               .arg(m_deleteTarget, keyColumn));
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                            .arg(quoteIdentifier(m_deleteTarget), quoteIdentifier(keyColumn));
    const QVariant key = m_snapshot.rows[m_current][m_keyIndex];
    m_session->run([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!query.prepare(sql))
            throw queryError(query, m_deleteTarget);
        execOrThrow(query, {key}, m_deleteTarget);
        query.finish();
    });
    m_session->rowDeleted(m_keyIndex, key);
    m_deleted.insert(m_current);
}

// A saved query lives in the database as SQL text with "?" placeholders and
// a table that names each placeholder by its position (1 = the first "?").
// Its statement is prepared once per connection and reused, since a card
// run looks the same query up a thousand times.
class SqlQueryDef : public QueryDef {
public:
    SqlQueryDef(std::shared_ptr<SqlSession> session, QString name, std::shared_ptr<PreparedQuery> prepared,
                QHash<QString, int> positions)
        : m_session(std::move(session))
        , m_name(std::move(name))
        , m_prepared(std::move(prepared))
        , m_positions(std::move(positions))
        , m_values(m_positions.size()) {}

    void setParameter(const QString& name, const QString& value) override {
        const auto position = m_positions.constFind(name);
        if (position == m_positions.cend())
            throw KelvaneError(
                ErrorNumber::ItemNotFound,
                Texts::tr("Item not found in this collection: parameter '%1' of '%2'.")
                    .arg(name, m_name));
        m_values[*position - 1] = value;
    }

    std::unique_ptr<RecordSet> openRecordset() override {
        Snapshot snapshot;
        m_session->run([&](QSqlDatabase& db) {
            QSqlQuery& query = statement(db);
            execOrThrow(query, m_values, m_name);
            snapshot = readAll(query, m_name);
        });
        return std::make_unique<SqlRecordSet>(m_session, QString(), std::move(snapshot));
    }

private:
    QSqlQuery& statement(QSqlDatabase& db) {
        PreparedQuery& prepared = *m_prepared;
        if (prepared.generation != m_session->generation() || !prepared.query) {
            prepared.query = std::make_unique<QSqlQuery>(db);
            prepared.query->setForwardOnly(true);
            prepared.generation = -1;
            if (!prepared.query->prepare(prepared.sql))
                throw queryError(*prepared.query, m_name);
            prepared.generation = m_session->generation();
        }
        return *prepared.query;
    }

    std::shared_ptr<SqlSession> m_session;
    QString m_name;
    std::shared_ptr<PreparedQuery> m_prepared;
    QHash<QString, int> m_positions;
    QVariantList m_values;
};

} // namespace

// A whole list as it was read, and when.
struct RowsRead {
    QString rowSource;
    RowSelection selection;
    qint64 stamp;
    Snapshot snapshot;

    bool answers(const QString& source, const RowSelection& asked, qint64 now) const {
        return source == rowSource && asked.limitedField == selection.limitedField &&
               asked.limit == selection.limit && asked.measureWhole == selection.measureWhole && now == stamp;
    }
};

SqlSession::SqlSession(QString connectionName)
    : m_name(std::move(connectionName)) {}

SqlSession::~SqlSession() { close(); }

const Snapshot* SqlSession::keptRows(const QString& rowSource, const RowSelection& selection) {
    if (!m_keptRows)
        return nullptr;
    const std::optional<qint64> stamp = changeStamp();
    if (!stamp || !m_keptRows->answers(rowSource, selection, *stamp)) {
        m_keptRows.reset();
        return nullptr;
    }
    return &m_keptRows->snapshot;
}

void SqlSession::keepRows(const QString& rowSource, const RowSelection& selection, const Snapshot& rows) {
    m_keptRows.reset();
    if (const std::optional<qint64> stamp = changeStamp())
        m_keptRows = std::make_unique<RowsRead>(RowsRead{rowSource, selection, *stamp, rows});
}

// Our own commits leave the stamp as it was, so the kept list follows them.
void SqlSession::rowDeleted(int keyColumn, const QVariant& key) {
    if (!m_keptRows)
        return;
    std::erase_if(m_keptRows->snapshot.rows, [&](const QVariantList& row) { return row.value(keyColumn) == key; });
}

void SqlSession::rowsChanged() { m_keptRows.reset(); }

void SqlSession::run(const std::function<void(QSqlDatabase&)>& work) {
    QSqlDatabase db = database();
    work(db);
}

QSqlDatabase SqlSession::database() const {
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (!db.isValid() || !db.isOpen())
        throw closedError();
    return db;
}

KelvaneError SqlSession::closedError() {
    return KelvaneError(ErrorNumber::ObjectClosed, Texts::tr("The database is closed."));
}

void SqlSession::close() {
    m_keptRows.reset();
    if (m_name.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_name.clear();
}

SqlDatabase::SqlDatabase(QString path, std::shared_ptr<SqlSession> session)
    : m_path(std::move(path))
    , m_session(std::move(session)) {}

SqlDatabase::~SqlDatabase() { close(); }

std::unique_ptr<RecordSet> SqlDatabase::openRecordset(const QString& rowSource) {
    Snapshot snapshot =
        select(*m_session, QStringLiteral("SELECT * FROM %1").arg(quoteIdentifier(rowSource)), {}, rowSource);
    return std::make_unique<SqlRecordSet>(m_session, rowSource, std::move(snapshot));
}

// The row source's own columns, with the limited field cut short by the
// database itself (only the part shown crosses the network) and, when
// asked for, its whole length added at the end. A whole list is read again
// only once the rows may have changed.
std::unique_ptr<RecordSet> SqlDatabase::openRows(const QString& rowSource, const RowSelection& selection) {
    const auto recordSet = [&](Snapshot snapshot) {
        return std::make_unique<SqlRecordSet>(m_session, rowSource, std::move(snapshot), selection.limitedField);
    };
    if (!selection.key.isNull()) {
        const QStringList columns = columnsOf(rowSource);
        if (!columns.contains(keyColumn))
            return Database::openRows(rowSource, selection);  // keys are then digests of the values
        return recordSet(readRows(rowSource, columns, selection));
    }
    if (const Snapshot* kept = m_session->keptRows(rowSource, selection))
        return recordSet(*kept);
    Snapshot snapshot = readRows(rowSource, columnsOf(rowSource), selection);
    m_session->keepRows(rowSource, selection, snapshot);
    return recordSet(std::move(snapshot));
}

std::vector<QVariantList> SqlDatabase::selectRows(const QString& sql, const QVariantList& values, const QString& what) {
    return select(*m_session, sql, values, what).rows;
}

bool SqlDatabase::hasKeyColumn(const QString& rowSource) { return columnsOf(rowSource).contains(keyColumn); }

QString SqlDatabase::keyColumnName() { return keyColumn; }

QStringList SqlDatabase::columnsOf(const QString& rowSource) {
    return select(*m_session, QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(quoteIdentifier(rowSource)), {},
                  rowSource)
        .columns;
}

Snapshot SqlDatabase::readRows(const QString& rowSource, const QStringList& columns, const RowSelection& selection) {
    QStringList expressions;
    for (const QString& column : columns) {
        const QString quoted = quoteIdentifier(column);
        expressions << (column == selection.limitedField
                            ? QStringLiteral("substr(%1, 1, %2) AS %1").arg(quoted).arg(selection.limit)
                            : quoted);
    }
    if (selection.measureWhole && columns.contains(selection.limitedField))
        expressions << QStringLiteral("length(%1) AS %2")
                           .arg(quoteIdentifier(selection.limitedField), quoteIdentifier(wholeLengthColumn));
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(expressions.join(QStringLiteral(", ")),
                                                          quoteIdentifier(rowSource));
    QVariantList values;
    if (!selection.key.isNull()) {
        sql += QStringLiteral(" WHERE %1 = ?").arg(quoteIdentifier(keyColumn));
        values << selection.key;
    }
    return select(*m_session, sql, values, rowSource);
}

namespace {

// The key of the newest row with exactly these values; null when none.
QVariant newestRowWith(QSqlDatabase& db, const QString& rowSource, const QVariantMap& values) {
    QStringList conditions;
    QVariantList bound;
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
        const QString column = quoteIdentifier(value.key());
        if (value->isNull()) {
            conditions << QStringLiteral("%1 IS NULL").arg(column);
        } else {
            conditions << QStringLiteral("%1 = ?").arg(column);
            bound << *value;
        }
    }
    const QString sql = QStringLiteral("SELECT max(%1) FROM %2 WHERE %3")
                            .arg(quoteIdentifier(keyColumn), quoteIdentifier(rowSource),
                                 conditions.join(QStringLiteral(" AND ")));
    const Snapshot found = selectOn(db, sql, bound, rowSource);
    return found.rows.empty() ? QVariant() : found.rows.front().value(0);
}

} // namespace

// Two plain statements rather than one INSERT ... WHERE NOT EXISTS: the
// server types a parameter by the column it meets, and only a plain
// VALUES list gives it the target columns' types. A row source that takes
// the insert but keeps no such row (a rule that drops it) is refused too.
QVariant SqlDatabase::ensureRow(const QString& rowSource, const QVariantMap& values) {
    QVariant key;
    m_session->run([&](QSqlDatabase& db) {
        key = newestRowWith(db, rowSource, values);
        if (!key.isNull())
            return;
        QStringList columns;
        QStringList placeholders;
        for (auto value = values.cbegin(); value != values.cend(); ++value) {
            columns << quoteIdentifier(value.key());
            placeholders << QStringLiteral("?");
        }
        QSqlQuery query(db);
        if (!query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(quoteIdentifier(rowSource), columns.join(QStringLiteral(", ")),
                                    placeholders.join(QStringLiteral(", ")))))
            throw queryError(query, rowSource);
        execOrThrow(query, values.values(), rowSource);
        query.finish();
        m_session->rowsChanged();
        key = newestRowWith(db, rowSource, values);
    });
    if (key.isNull())
        throw KelvaneError(
            ErrorNumber::DatabaseOperationFailed,
            Texts::tr("Database operation on '%1' failed: the row was not added.").arg(rowSource));
    return key;
}

SqlDatabase::SavedQuery SqlDatabase::readSavedQuery(const QString& name) {
    const Snapshot definition =
        select(*m_session,
               QStringLiteral("SELECT \"Sql\" FROM %1 WHERE \"Name\" = ?").arg(quoteIdentifier(savedQueries)),
               {name}, savedQueries);
    if (definition.rows.size() != 1)
        throw KelvaneError(ErrorNumber::ItemNotFound,
                           Texts::tr("Item not found in this collection: query '%1'.").arg(name));
    auto prepared = std::make_shared<PreparedQuery>();
    prepared->sql = definition.rows.front().value(0).toString();

    const Snapshot parameters = select(
        *m_session,
        QStringLiteral("SELECT \"Name\", \"Position\" FROM %1 WHERE \"Query\" = ?")
            .arg(quoteIdentifier(savedQueryParameters)),
        {name}, savedQueryParameters);
    QHash<QString, int> positions;
    for (const QVariantList& row : parameters.rows)
        positions.insert(row.value(0).toString(), row.value(1).toInt());
    for (int position : std::as_const(positions)) {
        if (position < 1 || position > positions.size())
            throw KelvaneError(
                ErrorNumber::DatabaseOperationFailed,
                Texts::tr("Saved query '%1' numbers its parameters wrongly.").arg(name));
    }
    return {std::move(prepared), positions};
}

std::unique_ptr<QueryDef> SqlDatabase::queryDef(const QString& name) {
    if (m_closed)  // a closed database is an error even for a known query
        throw SqlSession::closedError();
    auto saved = m_savedQueries.constFind(name);
    if (saved == m_savedQueries.cend())
        saved = m_savedQueries.insert(name, readSavedQuery(name));
    return std::make_unique<SqlQueryDef>(m_session, name, saved->prepared, saved->positions);
}

void SqlDatabase::close() {
    if (m_closed)
        return;
    m_closed = true;
    // Statements go before their connection does.
    for (const SavedQuery& saved : std::as_const(m_savedQueries))
        saved.prepared->query.reset();
    m_savedQueries.clear();
    m_session->close();
}

namespace {

enum class Failure { TableMissing, Stopped, Busy, ConnectionLost, Other };

// SQLite's result codes; its messages are never translated, so a missing
// table, which shares the general error code, is told by its words.
Failure sqliteFailure(const QSqlError& error) {
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case SQLITE_ERROR:
        return error.databaseText().startsWith(QLatin1String("no such table"))
                   ? Failure::TableMissing
                   : Failure::Other;
    case SQLITE_INTERRUPT: // the step allowance ran out
        return Failure::Stopped;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Failure::Busy;
    default:
        return Failure::Other;
    }
}

// The server's SQLSTATE: its messages come in the server's language.
Failure postgresFailure(const QSqlError& error) {
    const QString state = error.nativeErrorCode();
    if (state == QLatin1String("42P01")) // undefined table
        return Failure::TableMissing;
    // A lock wait that ran out, a deadlock, a transaction that lost a race,
    // a statement the server's own time limit cancelled: all pass.
    static const QStringList busy = {QStringLiteral("55P03"), QStringLiteral("40P01"),
                                     QStringLiteral("40001"), QStringLiteral("57014")};
    if (busy.contains(state))
        return Failure::Busy;
    // Connection exceptions, and a server that is shutting down.
    if (state.startsWith(QLatin1String("08")) || state == QLatin1String("57P01") ||
        state == QLatin1String("57P02") || state == QLatin1String("57P03"))
        return Failure::ConnectionLost;
    return Failure::Other;
}

Failure failureOf(const QSqlQuery& query) {
    switch (query.driver() ? query.driver()->dbmsType() : QSqlDriver::UnknownDbms) {
    case QSqlDriver::SQLite:
        return sqliteFailure(query.lastError());
    case QSqlDriver::PostgreSQL:
        return postgresFailure(query.lastError());
    default:
        return Failure::Other;
    }
}

} // namespace

KelvaneError queryError(const QSqlQuery& query, const QString& what) {
    const QSqlError error = query.lastError();
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    switch (failureOf(query)) {
    case Failure::TableMissing:
        return KelvaneError(ErrorNumber::CannotFindTableOrQuery,
                            Texts::tr("Cannot find the table or query '%1'.").arg(what));
    case Failure::Stopped:
        return KelvaneError(
            ErrorNumber::DatabaseOperationFailed,
            Texts::tr("Database operation on '%1' was stopped: it asks for far more work "
                      "than any sound database needs.")
                .arg(what));
    case Failure::Busy:
        return KelvaneError(ErrorNumber::DatabaseLocked,
                            Texts::tr("The database is locked by another program (%1).").arg(what));
    case Failure::ConnectionLost:
        return KelvaneError(
            ErrorNumber::ConnectionFailed,
            Texts::tr("The connection to the database server was lost (%1): %2").arg(what, text));
    case Failure::Other:
        break;
    }
    return KelvaneError(ErrorNumber::DatabaseOperationFailed,
                        Texts::tr("Database operation on '%1' failed: %2").arg(what, text));
}

QString quoteIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace store
