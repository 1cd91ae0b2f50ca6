#pragma once

#include "sqlengine.h"

#include <QElapsedTimer>

#include <functional>
#include <memory>
#include <optional>

class QFileSystemWatcher;
class QSqlDatabase;
class QTimer;

namespace store {

// SQLite engine: the embedded default. Every record set is read to the end
// and its query finished before it is handed out, so a reader never holds a
// lock that would stop the meet-management program from writing.
class SqliteDatabase : public SqlDatabase {
public:
    // Opens an existing SQLite file for reading and writing, or only for
    // reading; never creates one. Every connection is bounded as
    // SqliteGuard says, with the options' lock wait and work limit.
    SqliteDatabase(const QString& path, const QString& purpose, const OpenOptions& options = {});
    ~SqliteDatabase() override;

    [[nodiscard]] bool canDeleteRows() const override { return !m_readOnly; }
    std::optional<QString> wholeText(const QString& rowSource, const QVariant& key, const QString& field) override;
    void watchChanges(const std::function<void()>& changed) override;
    void close() override;

private:
    void filesChanged();
    void lookForCommit();

    bool m_readOnly;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
    std::function<void()> m_changed;
    // Looks again, while a write's commit cannot be read yet.
    std::unique_ptr<QTimer> m_commitWait;
    QElapsedTimer m_waiting;
    // Another program's commits counted when changed was last called.
    std::optional<qint64> m_reportedCommits;
};

// The system's reason ("No space left on device", "Permission denied",
// "Input/output error") when the last statement on a SQLite connection
// failed because the system refused to read or write its files; nothing
// when it failed for another reason, such as damaged content.
std::optional<QString> sqliteSystemReason(const QSqlDatabase& db);

} // namespace store
