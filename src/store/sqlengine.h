#pragma once

#include "database.h"
#include "kelvaneerror.h"
#include "keptrows.h"
#include "sqlrows.h"

#include <QSqlDatabase>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace store {

class SavedQueries;

// One QtSql connection, shared by a database and every record set and
// query it hands out, so that those find out when it has been closed.
class SqlSession {
public:
    explicit SqlSession(QString connectionName);
    virtual ~SqlSession();
    SqlSession(const SqlSession&) = delete;
    SqlSession& operator=(const SqlSession&) = delete;

    [[nodiscard]] QString name() const { return m_name; }

    // Runs work on the open connection. work must start from scratch each
    // time it is called: an engine that can lose its connection calls it
    // again on a new one.
    virtual void run(const std::function<void(QSqlDatabase&)>& work);
    // Runs read(db, 0) to read(db, count - 1), which run SQL that the
    // database itself holds, in one transaction whose statements can only
    // read. Like run's work, the reads start again from 0 on a new
    // connection.
    virtual void runReadingOnly(int count, const std::function<void(QSqlDatabase&, int)>& read);
    // The rows of a statement the program wrote, values bound.
    Snapshot select(const QString& sql, const QVariantList& values, const QString& what);

    // Counts the connections made so far; statements prepared on an
    // earlier one must be prepared again.
    [[nodiscard]] int generation() const { return m_generation; }

    // The last whole list read of a row source while no other program can
    // have changed the rows (see KeptRows); null when the list must be
    // read again, and keepRows then keeps the list read next.
    const Snapshot* keptRows(const QString& rowSource, const RowSelection& selection);
    void keepRows(const QString& rowSource, const RowSelection& selection, const Snapshot& rows);
    // This session deleted the row with this key (the kept list loses it),
    // or changed rows in another way (the kept list goes).
    void rowDeleted(const QVariant& key) { m_keptRows.rowDeleted(key); }
    void rowsChanged() { m_keptRows.clear(); }

    void close();

    static KelvaneError closedError();

protected:
    // The open connection; ObjectClosed once the session was closed.
    [[nodiscard]] QSqlDatabase database() const;
    void newGeneration() { ++m_generation; }
    // A number that stays the same for as long as no other program
    // committed a change; none when the engine cannot tell.
    virtual std::optional<qint64> changeStamp() { return std::nullopt; }

private:
    QString m_name;
    int m_generation = 0;
    KeptRows m_keptRows;
};

// The QtSql side of an engine: record sets are snapshots read to the end
// before they are handed out (sqlrows.h), deletes and inserts go back by
// the rows' keys (sqlwrites.h), and saved queries are read from the
// database's "Saved Queries" table (sqlsavedqueries.h).
class SqlDatabase : public Database {
public:
    ~SqlDatabase() override;

    [[nodiscard]] QString path() const override { return m_path; }
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

private:
    // The row source's columns, only those wanted (and the key) unless
    // wanted is empty.
    QStringList columnsOf(const QString& rowSource, const QStringList& wanted);
    Snapshot readRows(const QString& rowSource, const QStringList& columns, const RowSelection& selection);
    static QString selectList(const QStringList& columns, const RowSelection& selection);

    QString m_path;
    std::shared_ptr<SqlSession> m_session;
    bool m_closed = false;
    std::unique_ptr<SavedQueries> m_savedQueries;
};

} // namespace store
