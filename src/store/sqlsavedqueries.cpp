#include "sqlsavedqueries.h"

#include "kelvaneerror.h"
#include "sqlengine.h"
#include "sqlerrors.h"
#include "sqlwrites.h"

#include <QSqlQuery>

#include <sqlite3.h>

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
        m_session->runReadingOnly([&](QSqlDatabase& db) {
            QSqlQuery& query = statement(db);
            bindAll(query, m_values);
            if (!query.exec())
                throw failure(query);
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
