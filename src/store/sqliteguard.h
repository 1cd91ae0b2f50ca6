#pragma once

#include <QString>

#include <chrono>
#include <limits>

class QSqlDatabase;
struct sqlite3;

namespace store {

// How long the statements of one operation may work before they are
// stopped when the caller does not choose (see OpenOptions::workLimit).
inline constexpr std::chrono::milliseconds defaultWorkLimit{3000};
// The longest text or blob a SQLite connection makes or reads.
inline constexpr int sqliteLengthLimit = 256 * 1024 * 1024;

// What a SQLite connection may do and cost. Every file comes from
// elsewhere: its views, triggers and saved queries are SQL that someone
// else wrote. So no connection attaches another file, trusts the file's
// schema with functions that have side effects, or lets the file's SQL
// change the schema's rules (defensive mode); no value grows beyond
// sqliteLengthLimit, and the statements of one operation stop once they
// have worked for longer than the work limit or taken ten million engine
// steps. Time spent waiting for another program's lock is not work: it
// has a bound of its own.
class SqliteGuard {
public:
    SqliteGuard(std::chrono::milliseconds workLimit, std::chrono::milliseconds lockWait);
    SqliteGuard(const SqliteGuard&) = delete;
    SqliteGuard& operator=(const SqliteGuard&) = delete;

    // Applies all of this to a SQLite connection just opened; false when
    // the SQLite library cannot. The guard must outlive the connection.
    [[nodiscard]] bool protect(const QSqlDatabase& db);

    // The statements from now on share a new allowance of working time.
    void startWork();

    // While reading only, a statement prepared on the connection may read
    // and call functions, and nothing else.
    void setReadingOnly(bool readingOnly) { m_readingOnly = readingOnly; }

    // Whether the connection's last failure was one of the bounds stopping
    // a statement.
    [[nodiscard]] bool stopped() const;

    // The description of such a failure, for the database at path.
    static QString stoppedText(const QString& path);

private:
    static int checkWorkTime(void* guard);
    static int waitForLock(void* guard, int attempt);
    static int authorize(void* guard, int action, const char*, const char*, const char*,
                         const char*);

    // A steady clock, to a few milliseconds: the time bound looks at it
    // every few engine steps.
    struct Clock {
        using duration = std::chrono::nanoseconds;
        using time_point = std::chrono::time_point<Clock>;
        static time_point now();
    };

    sqlite3* m_connection = nullptr;
    std::chrono::milliseconds m_workLimit;
    std::chrono::milliseconds m_lockWait;
    // No bound until the first operation starts: opening checks the whole
    // file, which takes as long as the file is large.
    Clock::time_point m_deadline = Clock::time_point::max();
    int m_checksLeft = std::numeric_limits<int>::max();
    Clock::time_point m_waitStarted;
    bool m_overtime = false;
    bool m_readingOnly = false;
};

} // namespace store
