#include "sqlengine.h"

#include "snapshotrecordset.h"
#include "sqliteguard.h"

#include <QDataStream>
#include <QDateTime>
#include <QIODevice>
#include <QMultiHash>
#include <QScopeGuard>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>

#include <sqlite3.h>

#include <algorithm>
#include <iterator>
#include <optional>
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

// The SQLite statement behind a prepared query; null on another engine.
sqlite3_stmt* sqliteStatement(const QSqlQuery& query) {
    const QVariant handle = query.result()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3_stmt*") != 0)
        return nullptr;
    return *static_cast<sqlite3_stmt* const*>(handle.constData());
}

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

// Runs of a query prepared on SQLite, all in one transaction, read straight
// from SQLite as readAll reads them through QtSql: QtSql's work around each
// run costs several times SQLite's own for a saved query run once for each
// card of a sheet. Text is bound and read as UTF-8, as SQLite keeps it. The
// columns are taken once: the schema cannot change within the transaction.
class DirectReads {
public:
    explicit DirectReads(const QSqlQuery& query)
        : m_statement(sqliteStatement(query))
        , m_kinds(columnKinds(query, sqlite3_column_count(m_statement))) {
        for (int i = 0; i < int(m_kinds.size()); ++i)
            m_columns.append(QString::fromUtf8(sqlite3_column_name(m_statement, i)));
    }

    // The rows for these values; none when SQLite fails, and QtSql's run of
    // the same statement then tells why.
    std::optional<Snapshot> read(const QVariantList& values, const QString& what) {
        const auto reset = qScopeGuard([this] { sqlite3_reset(m_statement); });
        for (int i = 0; i < values.size(); ++i) {
            if (!bind(i + 1, values[i].toString()))
                return std::nullopt;
        }
        Snapshot snapshot{m_columns, {}};
        const int columns = int(m_kinds.size());
        qint64 cost = 0;
        int stepped = SQLITE_ROW;
        while ((stepped = sqlite3_step(m_statement)) == SQLITE_ROW) {
            QVariantList row;
            row.reserve(columns);
            for (int i = 0; i < columns; ++i) {
                row.append(typedValue(value(i), m_kinds[static_cast<size_t>(i)]));
                cost += costOf(row.constLast());
            }
            if (cost > readBudget && !snapshot.rows.empty())
                throw KelvaneError(ErrorNumber::TooCostly, SqliteGuard::stoppedText(what));
            snapshot.rows.push_back(std::move(row));
        }
        if (stepped != SQLITE_DONE)
            return std::nullopt;
        return snapshot;
    }

private:
    // A null text binds NULL, as QtSql binds it.
    bool bind(int placeholder, const QString& value) {
        const QByteArray text = value.toUtf8();
        return (text.isNull() ? sqlite3_bind_null(m_statement, placeholder)
                              : sqlite3_bind_text(m_statement, placeholder, text.constData(),
                                                  int(text.size()), SQLITE_TRANSIENT)) == SQLITE_OK;
    }

    // A value as QtSql's SQLite driver hands it back, but for a null, which
    // carries no type.
    [[nodiscard]] QVariant value(int column) const {
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
            const auto* text =
                reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
            return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
        }
        }
    }

    sqlite3_stmt* m_statement;
    std::vector<ColumnKind> m_kinds;
    QStringList m_columns;
};

void bindAll(QSqlQuery& query, const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
}

void execOrThrow(QSqlQuery& query, const QVariantList& values, const QString& what) {
    bindAll(query, values);
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

// The key column of every row, in the row source's order.
Snapshot keysOf(QSqlDatabase& db, const QString& rowSource) {
    return selectOn(db,
                    QStringLiteral("SELECT %1 FROM %2")
                        .arg(quoteIdentifier(keyColumn), quoteIdentifier(rowSource)),
                    {}, rowSource);
}

// A key as bytes that tell both its type and its value, so that keys of
// any type can be sorted and looked up.
QByteArray keyBytes(const QVariant& key) {
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << key;
    return bytes;
}

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

// What a change did to the keys of a row source.
struct KeyChange {
    QByteArrayList removed;
    QByteArrayList added;
};

QByteArrayList sortedKeys(QSqlDatabase& db, const QString& rowSource) {
    QByteArrayList sorted;
    for (const QVariantList& key : keysOf(db, rowSource).rows)
        sorted << keyBytes(key.value(0));
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

KeyChange keyChange(const QByteArrayList& before, const QByteArrayList& after) {
    KeyChange change;
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(),
                        std::back_inserter(change.removed));
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                        std::back_inserter(change.added));
    return change;
}

KelvaneError wronglyNumbered(const QString& query) {
    return KelvaneError(ErrorNumber::DatabaseOperationFailed,
                        Texts::tr("Saved query '%1' numbers its parameters wrongly.").arg(query));
}

KelvaneError otherRowsTouched(const QString& description) {
    return KelvaneError(ErrorNumber::OtherRowsTouched, description);
}

// A change to a row source, undone unless it is committed. The file's or
// the server's own rules for the row source (triggers, rules of a view)
// run inside it, so what they did can be checked and undone. SQLite takes
// the write lock at once, so no other program commits between the reads
// that check the change; the server keeps one snapshot for the whole
// transaction, so rows another program adds meanwhile stay out of them.
class WriteTransaction {
public:
    WriteTransaction(QSqlDatabase& db, const QString& what)
        : m_db(db)
        , m_what(what) {
        const bool sqlite = db.driverName() == QLatin1String("QSQLITE");
        exec(sqlite ? QStringLiteral("BEGIN IMMEDIATE")
                    : QStringLiteral("START TRANSACTION ISOLATION LEVEL REPEATABLE READ"));
    }
    ~WriteTransaction() {
        if (!m_committed)
            QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    }
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    void commit() {
        exec(QStringLiteral("COMMIT"));
        m_committed = true;
    }

private:
    void exec(const QString& statement) {
        QSqlQuery query(m_db);
        if (!query.exec(statement))
            throw queryError(query, m_what);
    }

    QSqlDatabase& m_db;
    QString m_what;
    bool m_committed = false;
};

// Deletes the row with this key from deleteTarget, in a transaction that
// is rolled back when the row source's own rule would change any other row.
// It may run a second time after a lost connection: if the first one
// reached the server, the second finds no row and changes nothing, so the
// row is gone exactly once either way.
void deleteByKey(SqlSession& session, const QString& deleteTarget, const QVariant& key) {
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                            .arg(quoteIdentifier(deleteTarget), quoteIdentifier(keyColumn));
    session.run([&](QSqlDatabase& db) {
        WriteTransaction transaction(db, deleteTarget);
        const QByteArrayList before = sortedKeys(db, deleteTarget);
        QSqlQuery query(db);
        if (!query.prepare(sql))
            throw queryError(query, deleteTarget);
        execOrThrow(query, {key}, deleteTarget);
        query.finish();
        const KeyChange change = keyChange(before, sortedKeys(db, deleteTarget));
        const bool wasThere = std::binary_search(before.cbegin(), before.cend(), keyBytes(key));
        if (!change.added.isEmpty() || change.removed.size() > (wasThere ? 1 : 0))
            throw otherRowsTouched(
                Texts::tr("This database's own delete rule for '%1' would change "
                          "other rows as well, so nothing was deleted.")
                    .arg(deleteTarget));
        if (wasThere && change.removed.isEmpty())
            throw otherRowsTouched(
                Texts::tr("This database's own delete rule for '%1' would keep the "
                          "row, so nothing was deleted.")
                    .arg(deleteTarget));
        transaction.commit();
    });
    session.rowDeleted(key);
}

// A snapshot of the rows of one row source whose key is its key column.
// Deleting goes back to the database by the row's key, so a row with the
// same Sequence or text is never touched. A snapshot read with a limited
// field carries that field's whole length as its last column.
class SqlRecordSet : public SnapshotRecordSet {
public:
    SqlRecordSet(const std::shared_ptr<SqlSession>& session, const QString& deleteTarget, Snapshot snapshot,
                 QString limitedField = {})
        : SnapshotRecordSet(deleteTarget, withoutWholeLength(snapshot.columns), std::move(snapshot.rows),
                            deleter(session, deleteTarget))
        , m_limitedField(std::move(limitedField))
        , m_wholeLengthIndex(static_cast<int>(snapshot.columns.indexOf(wholeLengthColumn)))
        , m_keyIndex(static_cast<int>(fields().indexOf(keyColumn))) {}

    QVariant key() const override {
        return m_keyIndex >= 0 ? currentRow()[m_keyIndex] : SnapshotRecordSet::key();
    }
    qint64 wholeLength(const QString& field) const override {
        if (field != m_limitedField || m_wholeLengthIndex < 0)
            return RecordSet::wholeLength(field);
        return currentRow()[m_wholeLengthIndex].toLongLong();
    }

private:
    static QStringList withoutWholeLength(QStringList columns) {
        columns.removeAll(wholeLengthColumn);
        return columns;
    }
    static DeleteRow deleter(const std::shared_ptr<SqlSession>& session, const QString& deleteTarget) {
        return [session, deleteTarget](const QStringList& columns, const QVariantList& row) {
            const qsizetype keyIndex = columns.indexOf(keyColumn);
            if (deleteTarget.isEmpty() || keyIndex < 0)
                throw KelvaneError(
                    ErrorNumber::DatabaseOperationFailed,
                    Texts::tr("Rows of '%1' cannot be deleted: it has no '%2' key column.")
                        .arg(deleteTarget, keyColumn));
            deleteByKey(*session, deleteTarget, row[keyIndex]);
        };
    }

    QString m_limitedField;
    int m_wholeLengthIndex;
    int m_keyIndex;
};

// What a snapshot holds, counted as readAll counts.
qint64 costOf(const Snapshot& snapshot) {
    qint64 cost = 0;
    for (const QVariantList& row : snapshot.rows) {
        for (const QVariant& value : row)
            cost += costOf(value);
    }
    return cost;
}

// A saved query lives in the database as SQL text with "?" placeholders and
// a table that names each placeholder by its position (1 = the first "?").
// Its statement is prepared once per connection and reused, since a card
// run looks the same query up a thousand times.
class SqlQueryDef : public QueryDef {
public:
    SqlQueryDef(std::shared_ptr<SqlSession> session, QString path, QString name,
                std::shared_ptr<PreparedQuery> prepared, QHash<QString, int> positions)
        : m_session(std::move(session))
        , m_path(std::move(path))
        , m_name(std::move(name))
        , m_prepared(std::move(prepared))
        , m_positions(std::move(positions))
        , m_values(m_positions.size()) {}

    void setParameter(const QString& name, const QString& value) override {
        m_values[indexOf(name)] = value;
    }

    std::unique_ptr<RecordSet> openRecordset() override {
        return std::move(readEach({m_values}).front());
    }

    std::vector<std::unique_ptr<RecordSet>>
    openEach(const QStringList& names, const std::vector<QStringList>& valueLists) override {
        std::vector<qsizetype> indices;
        for (const QString& name : names)
            indices.push_back(indexOf(name));
        std::vector<QVariantList> bound(valueLists.size(), m_values);
        for (size_t run = 0; run < valueLists.size(); ++run) {
            Q_ASSERT(valueLists[run].size() == names.size());
            for (size_t i = 0; i < indices.size(); ++i)
                bound[run][indices[i]] = valueLists[run].value(qsizetype(i));
        }
        return readEach(bound);
    }

private:
    qsizetype indexOf(const QString& parameter) const {
        const auto position = m_positions.constFind(parameter);
        if (position == m_positions.cend())
            throw KelvaneError(
                ErrorNumber::ItemNotFound,
                Texts::tr("Item not found in this collection: parameter '%1' of '%2'.")
                    .arg(parameter, m_name));
        return *position - 1;
    }

    // The statement is finished however a run ends: on SQLite an
    // unfinished one would go on holding the file's read lock.
    std::vector<std::unique_ptr<RecordSet>> readEach(const std::vector<QVariantList>& bound) {
        std::vector<Snapshot> snapshots(bound.size());
        qint64 cost = 0;
        std::optional<DirectReads> direct;
        m_session->runReadingOnly(int(bound.size()), [&](QSqlDatabase& db, int run) {
            QSqlQuery& query = statement(db);
            const auto finished = qScopeGuard([&] { query.finish(); });
            Snapshot& snapshot = snapshots[size_t(run)];
            // The first run takes the file's read lock through QtSql, which
            // tells a busy file as every read does; the others run in the
            // same transaction straight on SQLite where they can.
            std::optional<Snapshot> rows;
            if (run > 0 && sqliteStatement(query)) {
                if (!direct)
                    direct.emplace(query);
                rows = direct->read(bound[size_t(run)], m_name);
            }
            if (rows) {
                snapshot = std::move(*rows);
            } else {
                bindAll(query, bound[size_t(run)]);
                if (!query.exec())
                    throw failure(query);
                snapshot = readAll(query, m_name);
            }
            cost = (run == 0 ? 0 : cost) + costOf(snapshot);
            if (run > 0 && cost > readBudget)
                throw KelvaneError(ErrorNumber::TooCostly, SqliteGuard::stoppedText(m_name));
        });
        std::vector<std::unique_ptr<RecordSet>> recordSets;
        recordSets.reserve(snapshots.size());
        for (Snapshot& snapshot : snapshots)
            recordSets.push_back(
                std::make_unique<SqlRecordSet>(m_session, QString(), std::move(snapshot)));
        return recordSets;
    }

    QSqlQuery& statement(QSqlDatabase& db) {
        PreparedQuery& prepared = *m_prepared;
        if (prepared.generation != m_session->generation() || !prepared.query) {
            prepared.query = std::make_unique<QSqlQuery>(db);
            prepared.query->setForwardOnly(true);
            prepared.generation = -1;
            if (!prepared.query->prepare(prepared.sql))
                throw failure(*prepared.query);
            sqlite3_stmt* statement = sqliteStatement(*prepared.query);
            if (statement && !sqlite3_stmt_readonly(statement))
                throw notJustReading();
            // Fewer placeholders than parameters (a "?1" used twice) would
            // make the driver read past its own list of them.
            if (statement && sqlite3_bind_parameter_count(statement) != m_positions.size())
                throw wronglyNumbered(m_name);
            prepared.generation = m_session->generation();
        }
        return *prepared.query;
    }

    // SQLite's authorizer and the server's read-only transaction refuse
    // what the checks before running cannot see.
    KelvaneError failure(const QSqlQuery& query) const {
        const QString code = query.lastError().nativeErrorCode();
        const bool refused = query.driver() && query.driver()->dbmsType() == QSqlDriver::SQLite
                                 ? (code.toInt() & 0xff) == SQLITE_AUTH
                                 : code == QLatin1String("25006"); // read_only_sql_transaction
        return refused ? notJustReading() : queryError(query, m_name);
    }

    KelvaneError notJustReading() const {
        return KelvaneError(
            ErrorNumber::ReadOnly,
            Texts::tr("The saved query '%1' in '%2' does more than read (it would change data "
                      "or reach other files), so it was not run.")
                .arg(m_name, m_path));
    }

    std::shared_ptr<SqlSession> m_session;
    QString m_path;
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
        return source == rowSource && asked.fields == selection.fields &&
               asked.limitedField == selection.limitedField && asked.limit == selection.limit &&
               asked.measureWhole == selection.measureWhole && now == stamp;
    }
};

SqlSession::SqlSession(QString connectionName)
    : m_name(std::move(connectionName)) {}

SqlSession::~SqlSession() { close(); }

// The stamp is read before the rows are: a commit while they are read
// then makes the next read read them again.
const Snapshot* SqlSession::keptRows(const QString& rowSource, const RowSelection& selection) {
    m_stampBeforeRead = changeStamp();
    if (m_keptRows && m_stampBeforeRead &&
        m_keptRows->answers(rowSource, selection, *m_stampBeforeRead))
        return &m_keptRows->snapshot;
    m_keptRows.reset();
    return nullptr;
}

void SqlSession::keepRows(const QString& rowSource, const RowSelection& selection, const Snapshot& rows) {
    m_keptRows.reset();
    if (m_stampBeforeRead)
        m_keptRows =
            std::make_unique<RowsRead>(RowsRead{rowSource, selection, *m_stampBeforeRead, rows});
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

// Our own commits leave the stamp as it was, so the kept list follows them.
// The kept list may hold other columns than the record set that deleted.
void SqlSession::rowDeleted(const QVariant& key) {
    if (!m_keptRows)
        return;
    const qsizetype keyIndex = m_keptRows->snapshot.columns.indexOf(keyColumn);
    std::erase_if(m_keptRows->snapshot.rows,
                  [&](const QVariantList& row) { return row.value(keyIndex) == key; });
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
    return select(*m_session, sql, values, what).rows;
}

bool SqlDatabase::hasKeyColumn(const QString& rowSource) {
    return columnsOf(rowSource, {}).contains(keyColumn);
}

QString SqlDatabase::keyColumnName() { return keyColumn; }

QStringList SqlDatabase::columnsOf(const QString& rowSource, const QStringList& wanted) {
    QStringList columns =
        select(*m_session,
               QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(quoteIdentifier(rowSource)), {},
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
        return select(*m_session, sql, {}, rowSource);
    const QString byKey = QStringLiteral(" ORDER BY %1").arg(quoteIdentifier(keyColumn));
    if (!selection.key.isNull())
        return select(*m_session,
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

namespace {

// The key of the newest row with exactly these values; null when none.
// Sorted, not max(): only then need a row source that sorts its rows work
// out no more than the key and these columns.
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
    const QString key = quoteIdentifier(keyColumn);
    const QString sql =
        QStringLiteral("SELECT %1 FROM %2 WHERE %1 IS NOT NULL AND %3 ORDER BY %1 DESC LIMIT 1")
            .arg(key, quoteIdentifier(rowSource), conditions.join(QStringLiteral(" AND ")));
    const Snapshot found = selectOn(db, sql, bound, rowSource);
    return found.rows.empty() ? QVariant() : found.rows.front().value(0);
}

} // namespace

// Two plain statements rather than one INSERT ... WHERE NOT EXISTS: the
// server types a parameter by the column it meets, and only a plain
// VALUES list gives it the target columns' types. A row source that takes
// the insert but keeps no such row (a rule that drops it) is refused too,
// and so is one whose rule adds more than one row or removes any.
QVariant SqlDatabase::ensureRow(const QString& rowSource, const QVariantMap& values) {
    QVariant key;
    m_session->run([&](QSqlDatabase& db) {
        WriteTransaction transaction(db, rowSource);
        key = newestRowWith(db, rowSource, values);
        if (!key.isNull())
            return;
        const QByteArrayList before = sortedKeys(db, rowSource);
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
        const KeyChange change = keyChange(before, sortedKeys(db, rowSource));
        if (!change.removed.isEmpty() || change.added.size() > 1)
            throw otherRowsTouched(
                Texts::tr("This database's own insert rule for '%1' would change "
                          "other rows as well, so nothing was added.")
                    .arg(rowSource));
        key = newestRowWith(db, rowSource, values);
        transaction.commit();
        m_session->rowsChanged();
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
            throw wronglyNumbered(name);
    }
    return {std::move(prepared), positions};
}

std::unique_ptr<QueryDef> SqlDatabase::queryDef(const QString& name) {
    if (m_closed)  // a closed database is an error even for a known query
        throw SqlSession::closedError();
    auto saved = m_savedQueries.constFind(name);
    if (saved == m_savedQueries.cend())
        saved = m_savedQueries.insert(name, readSavedQuery(name));
    return std::make_unique<SqlQueryDef>(m_session, m_path, name, saved->prepared,
                                         saved->positions);
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
