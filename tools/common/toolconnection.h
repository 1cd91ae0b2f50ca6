#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <stdexcept>

// What the command-line writers share: one database connection for the
// length of one command, to a SQLite file or to the server a connection
// file names.
namespace tools {

// A failure the command reports on standard error before it ends.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

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

    void begin() const;
    void commit() const;

private:
    QSqlDatabase database() const;

    QString m_name;
    bool m_server;
};

} // namespace tools
