#include "sqlsavedqueries.h"

#include "kelvaneerror.h"
#include "sqlengine.h"
#include "sqlerrors.h"
#include "sqliteguard.h"
#include "sqlwrites.h"

#include <QScopeGuard>
#include <QSqlQuery>

#include <sqlite3.h>

#include <optional>

namespace store {

// A saved query's statement and the connection it was prepared on.
struct PreparedQuery {
    QString sql;
    std::unique_ptr<QSqlQuery> query;
    int generation = -1;
};

namespace {

const QString savedQueries = QStringLiteral("Saved Queries");
const QString savedQueryParameters = QStringLiteral("Saved Query Parameters");

KelvaneError wronglyNumbered(const QString& query) {
    return KelvaneError(ErrorNumber::DatabaseOperationFailed,
                        Texts::tr("Saved query '%1' numbers its parameters wrongly.").arg(query));
}

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
    [[nodiscard]] qsizetype indexOf(const QString& parameter) const {
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
    [[nodiscard]] KelvaneError failure(const QSqlQuery& query) const {
        return refusedAsWriting(query) ? notJustReading() : queryError(query, m_name);
    }

    [[nodiscard]] KelvaneError notJustReading() const {
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

SavedQueries::SavedQueries(std::shared_ptr<SqlSession> session, QString path)
    : m_session(std::move(session))
    , m_path(std::move(path)) {}

SavedQueries::~SavedQueries() {
    clear();
}

std::unique_ptr<QueryDef> SavedQueries::queryDef(const QString& name) {
    auto definition = m_definitions.constFind(name);
    if (definition == m_definitions.cend())
        definition = m_definitions.insert(name, read(name));
    return std::make_unique<SqlQueryDef>(m_session, m_path, name, definition->prepared,
                                         definition->positions);
}

void SavedQueries::clear() {
    for (const Definition& definition : std::as_const(m_definitions))
        definition.prepared->query.reset();
    m_definitions.clear();
}

SavedQueries::Definition SavedQueries::read(const QString& name) {
    const Snapshot definition =
        m_session->select(QStringLiteral("SELECT \"Sql\" FROM %1 WHERE \"Name\" = ?")
                              .arg(quoteIdentifier(savedQueries)),
                          {name}, savedQueries);
    if (definition.rows.size() != 1)
        throw KelvaneError(ErrorNumber::ItemNotFound,
                           Texts::tr("Item not found in this collection: query '%1'.").arg(name));
    auto prepared = std::make_shared<PreparedQuery>();
    prepared->sql = definition.rows.front().value(0).toString();

    const Snapshot parameters = m_session->select(
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

} // namespace store
