#pragma once

#include "sqlengine.h"

#include <chrono>
#include <memory>
#include <optional>

namespace store {

class PostgresSession;

// PostgreSQL engine, reached through a connection file. A connection the
// server or the network dropped is made again by the next operation,
// which then runs again; only a server that stays unreachable for the
// operation's patience makes it fail with ConnectionFailed.
class PostgresDatabase : public SqlDatabase {
public:
    // path names the connection file; purpose words the errors. patience:
    // how long an operation keeps trying to reach the server (30 s when
    // unset; none, a single new connection, for a caller that keeps its
    // window responsive and tries again later by itself). lockWait: how
    // long a statement waits for another session's lock before it fails
    // with DatabaseLocked (5 s when unset).
    PostgresDatabase(const QString& path, const QString& purpose,
                     std::optional<std::chrono::milliseconds> patience = std::nullopt,
                     std::optional<std::chrono::milliseconds> lockWait = std::nullopt);
    ~PostgresDatabase() override;

    // Listens for the notifications the announcer schema's trigger sends
    // when rows are added or deleted by another connection.
    void watchChanges(const std::function<void()>& changed) override;

private:
    PostgresDatabase(const QString& path, std::shared_ptr<PostgresSession> session);
    std::shared_ptr<PostgresSession> m_postgres;
};


} // namespace store
