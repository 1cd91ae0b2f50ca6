#include "sqliteguard.h"

#include "kelvaneerror.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>
#include <ctime>
#include <thread>

namespace store {

namespace {

// A row takes a few dozen engine steps, and one step on a huge value can
// take a second, so the clock is looked at every few steps: a coarse clock
// costs a few nanoseconds. Ten million steps are an allowance of their
// own: a view that yields endless cheap rows would otherwise fill memory
// with them for the whole work limit. Reading 100,000 announcements takes
// a few million.
constexpr int stepsPerCheck = 16;
constexpr int checksPerOperation = 10'000'000 / stepsPerCheck;
constexpr std::chrono::milliseconds longestLockPause{50};

std::chrono::milliseconds lockPause(int attempt) {
    return std::min(std::chrono::milliseconds(1 << std::min(attempt, 6)), longestLockPause);
}

} // namespace

SqliteGuard::Clock::time_point SqliteGuard::Clock::now() {
#ifdef CLOCK_MONOTONIC_COARSE
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return time_point(std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec));
#else
    return time_point(
        std::chrono::duration_cast<duration>(std::chrono::steady_clock::now().time_since_epoch()));
#endif
}

SqliteGuard::SqliteGuard(std::chrono::milliseconds workLimit, std::chrono::milliseconds lockWait)
    : m_workLimit(workLimit)
    , m_lockWait(lockWait) {}

bool SqliteGuard::protect(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    m_connection = *static_cast<sqlite3* const*>(handle.constData());
    sqlite3_limit(m_connection, SQLITE_LIMIT_ATTACHED, 0);
    sqlite3_limit(m_connection, SQLITE_LIMIT_LENGTH, sqliteLengthLimit);
    const bool configured =
        sqlite3_db_config(m_connection, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr) == SQLITE_OK &&
        sqlite3_db_config(m_connection, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr) == SQLITE_OK &&
        sqlite3_db_config(m_connection, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr) ==
            SQLITE_OK;
    sqlite3_progress_handler(m_connection, stepsPerCheck, checkWorkTime, this);
    sqlite3_busy_handler(m_connection, waitForLock, this);
    sqlite3_set_authorizer(m_connection, authorize, this);
    return configured;
}

void SqliteGuard::startWork() {
    m_overtime = false;
    m_checksLeft = checksPerOperation;
    m_deadline = Clock::now() + m_workLimit;
}

bool SqliteGuard::stopped() const {
    return m_overtime || (m_connection && sqlite3_extended_errcode(m_connection) == SQLITE_TOOBIG);
}

QString SqliteGuard::stoppedText(const QString& path) {
    return Texts::tr("Database operation on '%1' was stopped: it asks for far more work than any "
                     "sound database needs.")
        .arg(path);
}

int SqliteGuard::checkWorkTime(void* guard) {
    auto& self = *static_cast<SqliteGuard*>(guard);
    if (--self.m_checksLeft > 0 && Clock::now() < self.m_deadline)
        return 0;
    self.m_overtime = true;
    return 1;
}

// SQLite's own busy timeout, except that the time spent waiting is given
// back to the work allowance.
int SqliteGuard::waitForLock(void* guard, int attempt) {
    auto& self = *static_cast<SqliteGuard*>(guard);
    const Clock::time_point now = Clock::now();
    if (attempt == 0)
        self.m_waitStarted = now;
    const Clock::duration waited = now - self.m_waitStarted;
    if (waited >= self.m_lockWait)
        return 0;
    std::this_thread::sleep_for(
        std::min<Clock::duration>(lockPause(attempt), self.m_lockWait - waited));
    if (self.m_deadline != Clock::time_point::max())
        self.m_deadline += Clock::now() - now;
    return 1;
}

// Attaching a file, which VACUUM INTO does as well, would let SQL that a
// file holds create or overwrite any file the user may write.
int SqliteGuard::authorize(void* guard, int action, const char*, const char*, const char*,
                           const char*) {
    if (action == SQLITE_ATTACH || action == SQLITE_DETACH)
        return SQLITE_DENY;
    if (!static_cast<SqliteGuard*>(guard)->m_readingOnly)
        return SQLITE_OK;
    switch (action) {
    case SQLITE_SELECT:
    case SQLITE_READ:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE:
        return SQLITE_OK;
    default:
        return SQLITE_DENY;
    }
}

} // namespace store
