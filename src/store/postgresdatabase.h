#pragma once

#include "sqlengine.h"

#include <chrono>
#include <memory>

namespace store {

class PostgresSession;

// PostgreSQL engine, reached through a connection file. A connection the
// server or the network dropped is made again by the next operation,
// which then runs again; only a server that stays unreachable for the
// reconnect budget (30 s) makes the operation fail.
class PostgresDatabase : public SqlDatabase {
public:
    // path names the connection file; purpose words the errors.
    PostgresDatabase(const QString& path, const QString& purpose);
    ~PostgresDatabase() override;

    // Listens for the notifications the announcer schema's trigger sends
    // when rows are added or deleted by another connection.
    void watchChanges(const std::function<void()>& changed) override;

private:
    PostgresDatabase(const QString& path, std::shared_ptr<PostgresSession> session);
    std::shared_ptr<PostgresSession> m_postgres;
};

// How long a server may stay unreachable before an operation gives up.
std::chrono::milliseconds reconnectBudget();
// Tests shorten it rather than wait half a minute.
void setReconnectBudget(std::chrono::milliseconds budget);

// The notification channel of the announcer schema's trigger.
inline const QString announcementsChannel = QStringLiteral("announcements_changed");

} // namespace store
