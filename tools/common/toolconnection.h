#pragma once

#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <memory>
#include <stdexcept>
#include <vector>

namespace store {
class SqliteGuard;
}

// What the command-line writers share: one database connection for the
// length of one command, to a SQLite file or to the server a connection
// file names.
namespace tools {

// A failure the command reports on standard error before it ends.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The system refused to read or write the database's files (a full disk,
// no permission, a failing disk): nothing is wrong with the database.
class SystemRefusal : public ToolError {
public:
    using ToolError::ToolError;
};

// A SQLite file gets the bounds every connection of kelvane has
// (store::SqliteGuard): each statement, with the reading of its rows, may
// work for a few seconds.
class ToolConnection {
public:
    // Create makes a missing SQLite file; Existing never does.
    enum class Mode { Existing, Create };

    ToolConnection(const QString& path, Mode mode);
    ~ToolConnection();
    ToolConnection(const ToolConnection&) = delete;
    ToolConnection& operator=(const ToolConnection&) = delete;

    bool onServer() const { return m_server; }

    // Statements with values are prepared and the values bound; the server
    // cannot prepare schema statements, which bind nothing, so those run
    // as they stand.
    QSqlQuery run(const QString& sql, const QVariantList& values = {}) const;
    // Every row a query yields, each a list of its values; throws when
    // they cannot all be read.
    std::vector<QVariantList> rows(const QString& sql) const;

    void begin() const;
    void commit() const;

private:
    QSqlDatabase database() const;
    void startWork() const;
    // Throws for a failed statement or transaction, while the failure is
    // still the connection's last one.
    [[noreturn]] void fail(const QSqlError& error) const;

    QString m_path;
    QString m_name;
    bool m_server;
    std::unique_ptr<store::SqliteGuard> m_guard;
    // A rollback outside a transaction makes the server print a warning.
    mutable bool m_inTransaction = false;
};

} // namespace tools
