#pragma once

#include "database.h"
#include "kelvaneerror.h"

#include <QHash>
#include <QSqlDatabase>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSqlQuery;

namespace store {

struct PreparedQuery;
struct RowsRead;
struct Snapshot;

// One QtSql connection, shared by a database and every record set and
// query it hands out, so that those find out when it has been closed.
class SqlSession {
public:
    explicit SqlSession(QString connectionName);
    virtual ~SqlSession();
    SqlSession(const SqlSession&) = delete;
    SqlSession& operator=(const SqlSession&) = delete;

    QString name() const { return m_name; }

    // Runs work on the open connection. work must start from scratch each
    // time it is called: an engine that can lose its connection calls it
    // again on a new one.
    virtual void run(const std::function<void(QSqlDatabase&)>& work);
    // Runs read(db, 0) to read(db, count - 1), which run SQL that the
    // database itself holds, in one transaction whose statements can only
    // read. Like run's work, the reads start again from 0 on a new
    // connection.
    virtual void runReadingOnly(int count, const std::function<void(QSqlDatabase&, int)>& read);

    // Counts the connections made so far; statements prepared on an
    // earlier one must be prepared again.
    int generation() const { return m_generation; }

    // The last whole list read of a row source, kept while no other program
    // can have changed the rows: a huge value is then read once, not at
    // every refresh. Null when the list must be read again; keepRows then
    // keeps the list read next.
    const Snapshot* keptRows(const QString& rowSource, const RowSelection& selection);
    void keepRows(const QString& rowSource, const RowSelection& selection, const Snapshot& rows);
    // This session deleted the row with this key (the kept list loses it),
    // or changed rows in another way (the kept list goes).
    void rowDeleted(const QVariant& key);
    void rowsChanged();

    void close();

    static KelvaneError closedError();

protected:
    // The open connection; ObjectClosed once the session was closed.
    QSqlDatabase database() const;
    void newGeneration() { ++m_generation; }
    // A number that stays the same for as long as no other program
    // committed a change; none when the engine cannot tell.
    virtual std::optional<qint64> changeStamp() { return std::nullopt; }

private:
    QString m_name;
    int m_generation = 0;
    std::unique_ptr<RowsRead> m_keptRows;
    std::optional<qint64> m_stampBeforeRead;
};

// The QtSql side of an engine: record sets are snapshots read to the end
// before they are handed out, deletes go back by the row's key, and saved
// queries are read from the database's "Saved Queries" table.
class SqlDatabase : public Database {
public:
    ~SqlDatabase() override;

    QString path() const override { return m_path; }
    std::unique_ptr<RecordSet> openRecordset(const QString& rowSource) override;
    std::unique_ptr<RecordSet> openRows(const QString& rowSource, const RowSelection& selection) override;
    std::unique_ptr<QueryDef> queryDef(const QString& name) override;
    QVariant ensureRow(const QString& rowSource, const QVariantMap& values) override;
    void close() override;

protected:
    SqlDatabase(QString path, std::shared_ptr<SqlSession> session);
    SqlSession& session() { return *m_session; }
    // The rows of a statement the engine itself wrote, values bound.
    std::vector<QVariantList> selectRows(const QString& sql, const QVariantList& values, const QString& what);
    bool hasKeyColumn(const QString& rowSource);
    static QString keyColumnName();

private:
    // A saved query as the database defines it, with its statement, which
    // is prepared once per connection, and each parameter's position.
    struct SavedQuery {
        std::shared_ptr<PreparedQuery> prepared;
        QHash<QString, int> positions;
    };
    SavedQuery readSavedQuery(const QString& name);
    // The row source's columns, only those wanted (and the key) unless
    // wanted is empty.
    QStringList columnsOf(const QString& rowSource, const QStringList& wanted);
    Snapshot readRows(const QString& rowSource, const QStringList& columns, const RowSelection& selection);
    static QString selectList(const QStringList& columns, const RowSelection& selection);

    QString m_path;
    std::shared_ptr<SqlSession> m_session;
    bool m_closed = false;
    // Definitions are read once per opening: a lookup per record card
    // would otherwise read them again for every card.
    QHash<QString, SavedQuery> m_savedQueries;
};

// The error for a statement that failed, worded for the announcer and
// told apart by the engine's error code: DatabaseLocked for a lock or a
// passing conflict, ConnectionFailed for a lost server connection.
KelvaneError queryError(const QSqlQuery& query, const QString& what);

// Column and table names may only come from the program itself; this makes
// such a fixed name safe to splice into SQL.
QString quoteIdentifier(const QString& name);

} // namespace store
