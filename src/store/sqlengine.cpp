#include "sqlengine.h"

#include "sqlerrors.h"
#include "sqlsavedqueries.h"
#include "sqlwrites.h"

#include <QMultiHash>
#include <QScopeGuard>
#include <QSqlQuery>

#include <vector>

namespace store {

namespace {

// The rows of snapshot (which hold the key column) in the order of keys.
// A row whose key is not among them came after the keys were read: it is
// left for the next read.
void arrangeByKeys(Snapshot& snapshot, const Snapshot& keys) {
    const qsizetype keyIndex = snapshot.columns.indexOf(keyColumn);
    QMultiHash<QByteArray, size_t> rowsByKey;
    for (size_t row = 0; row < snapshot.rows.size(); ++row)
        rowsByKey.insert(keyBytes(snapshot.rows[row].value(keyIndex)), row);
    std::vector<QVariantList> arranged;
    arranged.reserve(keys.rows.size());
    for (const QVariantList& key : keys.rows) {
        const auto found = rowsByKey.find(keyBytes(key.value(0)));
        if (found == rowsByKey.end())
            continue;
        arranged.push_back(std::move(snapshot.rows[*found]));
        rowsByKey.erase(found);
    }
    snapshot.rows = std::move(arranged);
}

} // namespace

SqlSession::SqlSession(QString connectionName)
    : m_name(std::move(connectionName)) {}

SqlSession::~SqlSession() { close(); }

const Snapshot* SqlSession::keptRows(const QString& rowSource, const RowSelection& selection) {
    return m_keptRows.find(rowSource, selection, changeStamp());
}

void SqlSession::keepRows(const QString& rowSource, const RowSelection& selection, const Snapshot& rows) {
    m_keptRows.keep(rowSource, selection, rows);
}

// A server keeps the transaction from writing, whatever its statements
// ask for; rolling it back undoes anything they set for the session.
void SqlSession::runReadingOnly(int count, const std::function<void(QSqlDatabase&, int)>& read) {
    run([&](QSqlDatabase& db) {
        QSqlQuery begin(db);
        if (!begin.exec(QStringLiteral("START TRANSACTION READ ONLY")))
            throw queryError(begin, Texts::tr("a read-only transaction"));
        const auto rollBack = qScopeGuard([&] { QSqlQuery(db).exec(QStringLiteral("ROLLBACK")); });
        for (int index = 0; index < count; ++index)
            read(db, index);
    });
}

void SqlSession::run(const std::function<void(QSqlDatabase&)>& work) {
    QSqlDatabase db = database();
    work(db);
}

Snapshot SqlSession::select(const QString& sql, const QVariantList& values, const QString& what) {
    Snapshot snapshot;
    run([&](QSqlDatabase& db) { snapshot = selectOn(db, sql, values, what); });
    return snapshot;
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
    m_keptRows.clear();
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
    , m_session(std::move(session))
    , m_savedQueries(std::make_unique<SavedQueries>(m_session, m_path)) {}

SqlDatabase::~SqlDatabase() { close(); }

std::unique_ptr<RecordSet> SqlDatabase::openRecordset(const QString& rowSource) {
    Snapshot snapshot = m_session->select(
        QStringLiteral("SELECT * FROM %1").arg(quoteIdentifier(rowSource)), {}, rowSource);
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
        const QStringList columns = columnsOf(rowSource, selection.fields);
        if (!columns.contains(keyColumn))
            return Database::openRows(rowSource, selection);  // keys are then digests of the values
        return recordSet(readRows(rowSource, columns, selection));
    }
    if (const Snapshot* kept = m_session->keptRows(rowSource, selection))
        return recordSet(*kept);
    Snapshot snapshot = readRows(rowSource, columnsOf(rowSource, selection.fields), selection);
    m_session->keepRows(rowSource, selection, snapshot);
    return recordSet(std::move(snapshot));
}

std::vector<QVariantList> SqlDatabase::selectRows(const QString& sql, const QVariantList& values, const QString& what) {
    return m_session->select(sql, values, what).rows;
}

bool SqlDatabase::hasKeyColumn(const QString& rowSource) {
    return columnsOf(rowSource, {}).contains(keyColumn);
}

QStringList SqlDatabase::columnsOf(const QString& rowSource, const QStringList& wanted) {
    QStringList columns =
        m_session
            ->select(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(quoteIdentifier(rowSource)), {},
                     rowSource)
            .columns;
    if (!wanted.isEmpty())
        columns.removeIf(
            [&](const QString& column) { return column != keyColumn && !wanted.contains(column); });
    return columns;
}

// Sorted by its key, a row source that sorts its rows itself has only the
// columns asked for worked out: SQLite works out every column of a sorted
// view, however costly, once anything more than a plain column is asked
// of it. The key alone gives the row source's own order cheaply, and the
// rows are put back into that order.
Snapshot SqlDatabase::readRows(const QString& rowSource, const QStringList& columns, const RowSelection& selection) {
    QString sql = QStringLiteral("SELECT %1 FROM %2")
                      .arg(selectList(columns, selection), quoteIdentifier(rowSource));
    if (!columns.contains(keyColumn))
        return m_session->select(sql, {}, rowSource);
    const QString byKey = QStringLiteral(" ORDER BY %1").arg(quoteIdentifier(keyColumn));
    if (!selection.key.isNull())
        return m_session->select(
            sql + QStringLiteral(" WHERE %1 = ?").arg(quoteIdentifier(keyColumn)) + byKey,
            {selection.key}, rowSource);
    Snapshot rows;
    m_session->run([&](QSqlDatabase& db) {
        const Snapshot order = keysOf(db, rowSource);
        rows = selectOn(db, sql + byKey, {}, rowSource);
        arrangeByKeys(rows, order);
    });
    return rows;
}

QString SqlDatabase::selectList(const QStringList& columns, const RowSelection& selection) {
    QStringList expressions;
    for (const QString& column : columns) {
        const QString quoted = quoteIdentifier(column);
        expressions
            << (column == selection.limitedField
                    ? QStringLiteral("substr(%1, 1, %2) AS %1").arg(quoted).arg(selection.limit)
                    : quoted);
    }
    if (selection.measureWhole && columns.contains(selection.limitedField))
        expressions << QStringLiteral("length(%1) AS %2")
                           .arg(quoteIdentifier(selection.limitedField), quoteIdentifier(wholeLengthColumn));
    return expressions.join(QStringLiteral(", "));
}

QVariant SqlDatabase::ensureRow(const QString& rowSource, const QVariantMap& values) {
    return ensureRowIn(*m_session, rowSource, values);
}

std::unique_ptr<QueryDef> SqlDatabase::queryDef(const QString& name) {
    if (m_closed)  // a closed database is an error even for a known query
        throw SqlSession::closedError();
    return m_savedQueries->queryDef(name);
}

void SqlDatabase::close() {
    if (m_closed)
        return;
    m_closed = true;
    m_savedQueries->clear(); // statements go before their connection does
    m_session->close();
}

} // namespace store
