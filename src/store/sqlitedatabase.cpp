#include "sqlitedatabase.h"

#include "kelvaneerror.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <QUrl>

#include <sqlite3.h>

#include <atomic>
#include <climits>
#include <vector>

namespace store {

namespace {

constexpr int busyTimeoutMs = 5000;
const QString keyColumn = QStringLiteral("Id");
const QString savedQueries = QStringLiteral("Saved Queries");
const QString savedQueryParameters = QStringLiteral("Saved Query Parameters");

// Row sources are SQL that the file itself defines, so a damaged or hostile
// file can hold a view that never ends (a recursive one) and would hold the
// screen for good. Reading 100,000 announcements takes under three million
// engine steps; a statement is stopped at ten million. Waiting for
// another program's lock takes no steps, so the busy timeout is untouched.
constexpr int stepsPerCheck = 1000;
constexpr int checksPerStatement = 10'000;
// Outside a read (the integrity check on opening) there is no allowance.
thread_local int checksLeft = INT_MAX;

int stopRunawayStatement(void*) { return --checksLeft <= 0 ? 1 : 0; }

// The statements run while one lives share one allowance of engine steps.
class StepAllowance {
public:
    StepAllowance() { checksLeft = checksPerStatement; }
    ~StepAllowance() { checksLeft = INT_MAX; }
    StepAllowance(const StepAllowance&) = delete;
    StepAllowance& operator=(const StepAllowance&) = delete;
};

void limitStatements(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") == 0)
        sqlite3_progress_handler(*static_cast<sqlite3* const*>(handle.constData()), stepsPerCheck,
                                 stopRunawayStatement, nullptr);
}

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("kelvane-sqlite-%1").arg(++counter);
}

KelvaneError queryError(const QSqlQuery& query, const QString& what) {
    const QSqlError error = query.lastError();
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    if (text.contains(QLatin1String("no such table")))
        return KelvaneError(ErrorNumber::CannotFindTableOrQuery,
                            QStringLiteral("Cannot find the table or query '%1'.").arg(what));
    if (text.contains(QLatin1String("interrupted")))
        return KelvaneError(ErrorNumber::DatabaseOperationFailed,
                            QStringLiteral("Database operation on '%1' was stopped: it asks for far more work "
                                           "than any sound database needs.")
                                .arg(what));
    if (text.contains(QLatin1String("locked")) || text.contains(QLatin1String("busy")))
        return KelvaneError(ErrorNumber::DatabaseLocked,
                            QStringLiteral("The database is locked by another program (%1).").arg(what));
    return KelvaneError(ErrorNumber::DatabaseOperationFailed,
                        QStringLiteral("Database operation on '%1' failed: %2").arg(what, text));
}

QSqlDatabase connection(const QString& name) {
    QSqlDatabase db = QSqlDatabase::database(name, false);
    if (!db.isValid() || !db.isOpen())
        throw KelvaneError(ErrorNumber::ObjectClosed, QStringLiteral("The database is closed."));
    return db;
}

// SQLite keeps dates as ISO 8601 text; a column declared DATE or DATETIME
// hands its values back as dates, as the other engines do.
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

// A snapshot of the rows of one SELECT. Deleting goes back to the file by
// the row's key, so a row with the same Sequence or text is never touched.
class SqliteRecordSet : public RecordSet {
public:
    SqliteRecordSet(QString connection, QString deleteTarget, QSqlQuery& query)
        : m_connection(std::move(connection))
        , m_deleteTarget(std::move(deleteTarget)) {
        const QSqlRecord record = query.record();
        const int columns = record.count();
        for (int i = 0; i < columns; ++i)
            m_columns.append(record.fieldName(i));
        m_keyIndex = m_columns.indexOf(keyColumn);
        const std::vector<ColumnKind> kinds = columnKinds(query, columns);
        while (query.next()) {
            QVariantList row;
            row.reserve(columns);
            for (int i = 0; i < columns; ++i)
                row.append(typedValue(query.value(i), kinds[static_cast<size_t>(i)]));
            m_rows.push_back(std::move(row));
        }
        if (query.lastError().isValid())
            throw queryError(query, m_deleteTarget);
        query.finish();
    }

    int recordCount() const override {
        checkOpen();
        return static_cast<int>(m_rows.size());
    }
    void moveFirst() override {
        checkOpen();
        if (m_rows.empty())
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
        return m_current >= m_rows.size();
    }
    QVariant value(const QString& field) const override {
        checkOpen();
        if (eof() || m_deleted.contains(m_current))
            throw noCurrentRecord();
        const int index = m_columns.indexOf(field);
        if (index < 0)
            throw KelvaneError(ErrorNumber::ItemNotFound,
                               QStringLiteral("Item not found in this collection: field '%1'.").arg(field));
        return m_rows[m_current][index];
    }
    void deleteCurrent() override;
    void close() override { m_closed = true; }

private:
    static KelvaneError noCurrentRecord() {
        return KelvaneError(ErrorNumber::NoCurrentRecord, QStringLiteral("No current record."));
    }
    void checkOpen() const {
        if (m_closed)
            throw KelvaneError(ErrorNumber::ObjectClosed, QStringLiteral("The record set is closed."));
    }

    QString m_connection;
    QString m_deleteTarget;
    QStringList m_columns;
    int m_keyIndex = -1;
    std::vector<QVariantList> m_rows;
    QSet<size_t> m_deleted;
    size_t m_current = 0;
    bool m_closed = false;
};

void SqliteRecordSet::deleteCurrent() {
    checkOpen();
    if (eof() || m_deleted.contains(m_current))
        throw noCurrentRecord();
    if (m_deleteTarget.isEmpty() || m_keyIndex < 0)
        throw KelvaneError(ErrorNumber::DatabaseOperationFailed,
                           QStringLiteral("Rows of '%1' cannot be deleted: it has no '%2' key column.")
                               .arg(m_deleteTarget, keyColumn));
    QSqlQuery query(connection(m_connection));
    const StepAllowance allowance;
    query.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                      .arg(quoteIdentifier(m_deleteTarget), quoteIdentifier(keyColumn)));
    query.addBindValue(m_rows[m_current][m_keyIndex]);
    if (!query.exec())
        throw queryError(query, m_deleteTarget);
    query.finish();
    m_deleted.insert(m_current);
}

std::unique_ptr<RecordSet> runPrepared(QSqlQuery& query, const QString& connectionName,
                                       const QVariantList& values, const QString& deleteTarget,
                                       const QString& what) {
    const StepAllowance allowance;
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec())
        throw queryError(query, what);
    return std::make_unique<SqliteRecordSet>(connectionName, deleteTarget, query);
}

std::shared_ptr<QSqlQuery> prepare(const QString& connectionName, const QString& sql, const QString& what) {
    auto query = std::make_shared<QSqlQuery>(connection(connectionName));
    query->setForwardOnly(true);
    if (!query->prepare(sql))
        throw queryError(*query, what);
    return query;
}

std::unique_ptr<RecordSet> runSelect(const QString& connectionName, const QString& sql,
                                     const QVariantList& values, const QString& deleteTarget,
                                     const QString& what) {
    const auto query = prepare(connectionName, sql, what);
    return runPrepared(*query, connectionName, values, deleteTarget, what);
}

// A saved query lives in the file as SQL text with "?" placeholders and a
// table that names each placeholder by its position (1 = the first "?").
// Its statement is prepared once per opened database and reused, since a
// card run looks the same query up a thousand times.
class SqliteQueryDef : public QueryDef {
public:
    SqliteQueryDef(QString connection, QString name, std::shared_ptr<QSqlQuery> prepared,
                   QHash<QString, int> positions)
        : m_connection(std::move(connection))
        , m_name(std::move(name))
        , m_prepared(std::move(prepared))
        , m_positions(std::move(positions))
        , m_values(m_positions.size()) {}

    void setParameter(const QString& name, const QString& value) override {
        const auto position = m_positions.constFind(name);
        if (position == m_positions.cend())
            throw KelvaneError(ErrorNumber::ItemNotFound,
                               QStringLiteral("Item not found in this collection: parameter '%1' of '%2'.")
                                   .arg(name, m_name));
        m_values[*position - 1] = value;
    }

    std::unique_ptr<RecordSet> openRecordset() override {
        connection(m_connection); // a closed database is an error, not a stale statement
        return runPrepared(*m_prepared, m_connection, m_values, QString(), m_name);
    }

private:
    QString m_connection;
    QString m_name;
    std::shared_ptr<QSqlQuery> m_prepared;
    QHash<QString, int> m_positions;
    QVariantList m_values;
};

} // namespace

QString quoteIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

SqliteDatabase::SqliteDatabase(const QString& path, const QString& purpose)
    : m_path(path)
    , m_connection(nextConnectionName()) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    // mode=rw: a file that vanished since it was checked is an error, never a new empty database.
    db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) +
                       QStringLiteral("?mode=rw"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    const auto fail = [&](const QString& reason) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        return KelvaneError(ErrorNumber::NotADatabase,
                            QStringLiteral("'%1' is not an %2: %3.").arg(path, purpose, reason));
    };
    if (!db.open())
        throw fail(db.lastError().text());
    limitStatements(db);
    QSqlQuery check(db);
    // A cache that holds a large announcer file whole keeps every refresh
    // reading from memory instead of going back to the file page by page.
    check.exec(QStringLiteral("PRAGMA cache_size = -65536"));
    if (!check.exec(QStringLiteral("PRAGMA quick_check(1)")) || !check.next() ||
        check.value(0).toString() != QLatin1String("ok")) {
        check = QSqlQuery();
        throw fail(QStringLiteral("the database file is damaged or incomplete"));
    }
}

SqliteDatabase::~SqliteDatabase() { close(); }

std::unique_ptr<RecordSet> SqliteDatabase::openRecordset(const QString& rowSource) {
    return runSelect(m_connection, QStringLiteral("SELECT * FROM %1").arg(quoteIdentifier(rowSource)),
                     {}, rowSource, rowSource);
}

SqliteDatabase::SavedQuery SqliteDatabase::readSavedQuery(const QString& name) {
    auto definition = runSelect(m_connection,
                                QStringLiteral("SELECT Sql FROM %1 WHERE Name = ?").arg(quoteIdentifier(savedQueries)),
                                {name}, QString(), savedQueries);
    if (definition->recordCount() != 1)
        throw KelvaneError(ErrorNumber::ItemNotFound,
                           QStringLiteral("Item not found in this collection: query '%1'.").arg(name));
    definition->moveFirst();
    const QString sql = definition->value(QStringLiteral("Sql")).toString();

    auto parameters = runSelect(
        m_connection,
        QStringLiteral("SELECT Name, Position FROM %1 WHERE Query = ?").arg(quoteIdentifier(savedQueryParameters)),
        {name}, QString(), savedQueryParameters);
    QHash<QString, int> positions;
    if (parameters->recordCount() > 0) {
        for (parameters->moveFirst(); !parameters->eof(); parameters->moveNext())
            positions.insert(parameters->value(QStringLiteral("Name")).toString(),
                             parameters->value(QStringLiteral("Position")).toInt());
    }
    for (int position : std::as_const(positions)) {
        if (position < 1 || position > positions.size())
            throw KelvaneError(ErrorNumber::DatabaseOperationFailed,
                               QStringLiteral("Saved query '%1' numbers its parameters wrongly.").arg(name));
    }
    return {prepare(m_connection, sql, name), positions};
}

std::unique_ptr<QueryDef> SqliteDatabase::queryDef(const QString& name) {
    connection(m_connection);  // a closed database is an error even for a known query
    auto saved = m_savedQueries.constFind(name);
    if (saved == m_savedQueries.cend())
        saved = m_savedQueries.insert(name, readSavedQuery(name));
    return std::make_unique<SqliteQueryDef>(m_connection, name, saved->prepared, saved->positions);
}

void SqliteDatabase::close() {
    if (m_connection.isEmpty())
        return;
    m_savedQueries.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
}

} // namespace store
