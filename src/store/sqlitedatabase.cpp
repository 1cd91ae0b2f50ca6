#include "sqlitedatabase.h"

#include "kelvaneerror.h"
#include "regularfile.h"
#include "sqlerrors.h"
#include "sqliteguard.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QUrl>

#include <sqlite3.h>

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace store {

namespace {

constexpr std::chrono::milliseconds defaultLockWait{5000};
// How often, and for how long, a change to the files is looked at for a
// commit that can be read.
constexpr int commitLookMs = 2;
constexpr int commitWaitMs = 250;

// Row sources are SQL that the file itself defines, so a damaged or hostile
// file can hold a view that never ends, or one that makes huge values, and
// would hold the screen for good. Every operation on the file (a read, a
// delete, a saved query) gets its own allowance of working time.
class SqliteSession : public SqlSession {
public:
    SqliteSession(QString connectionName, QString path, const OpenOptions& options)
        : SqlSession(std::move(connectionName))
        , m_path(std::move(path))
        , m_guard(options.workLimit.value_or(defaultWorkLimit),
                  options.lockWait.value_or(defaultLockWait))
        , m_hold(m_path) {}
    // The connection goes before the guard its handlers use.
    ~SqliteSession() override { close(); }

    SqliteGuard& guard() { return m_guard; }

    void run(const std::function<void(QSqlDatabase&)>& work) override {
        m_guard.startWork();
        try {
            SqlSession::run(work);
        } catch (const KelvaneError& error) {
            if (m_guard.stopped() || error.number() == int(ErrorNumber::TooCostly))
                throw KelvaneError(ErrorNumber::TooCostly, SqliteGuard::stoppedText(m_path));
            throw;
        }
    }

    // One deferred transaction takes the file's read lock once for all the
    // reads, and each read has the allowance of one operation. The
    // transaction is ours: the reads, held to reading, can neither end it
    // nor begin another.
    void runReadingOnly(int count, const std::function<void(QSqlDatabase&, int)>& read) override {
        run([&](QSqlDatabase& db) {
            QSqlQuery begin(db);
            if (!begin.exec(QStringLiteral("BEGIN")))
                throw queryError(begin, m_path);
            begin.finish();
            const auto end = qScopeGuard([&] {
                m_guard.setReadingOnly(false);
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            });
            m_guard.setReadingOnly(true);
            for (int index = 0; index < count; ++index) {
                m_guard.startWork();
                read(db, index);
            }
        });
    }

    // Commits by other connections, as counted so far.
    std::optional<qint64> commits() {
        std::optional<qint64> counted;
        try {
            run([&](QSqlDatabase&) { counted = changeStamp(); });
        } catch (const KelvaneError&) {
        }
        return counted;
    }

protected:
    // SQLite counts the commits of other connections for us.
    std::optional<qint64> changeStamp() override {
        QSqlDatabase db = database();
        QSqlQuery version(db);
        if (!version.exec(QStringLiteral("PRAGMA data_version")) || !version.next())
            return std::nullopt;
        return version.value(0).toLongLong();
    }

private:
    QString m_path;
    SqliteGuard m_guard;
    // Held from before SQLite opens the file (a look at it by another
    // thread meanwhile would drop the new locks too) until after it closes.
    SqliteHold m_hold;
};

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("kelvane-sqlite-%1").arg(++counter);
}

// Opens the file and checks that it is a whole SQLite database, or throws
// after removing the connection again. A file the system would not let us
// read or write (a full disk, no permission, a failing disk) is reported
// with the system's reason: calling it damaged could make the announcer
// throw a sound file away.
void openFile(const QString& connectionName, const QString& path, const QString& purpose,
              bool readOnly, SqliteGuard& guard) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    // mode=rw: a file that vanished since it was checked is an error, never a new empty database.
    db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) +
                       (readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw")));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    const auto fail = [&](const std::optional<QString>& systemReason, const QString& otherwise) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        if (systemReason)
            return KelvaneError(ErrorNumber::DiskOrNetworkError,
                                Texts::tr("The %1 '%2' cannot be read: %3.")
                                    .arg(purposeText(purpose), path, *systemReason));
        return notADatabase(path, purpose, otherwise);
    };
    if (!db.open())
        throw fail(std::nullopt, db.lastError().text());
    if (!guard.protect(db))
        throw fail(std::nullopt, Texts::tr("this computer's SQLite cannot read it safely"));
    QSqlQuery check(db);
    // A cache that holds a large announcer file whole keeps every refresh
    // reading from memory instead of going back to the file page by page.
    check.exec(QStringLiteral("PRAGMA cache_size = -65536"));
    const bool checked = check.exec(QStringLiteral("PRAGMA quick_check(1)")) && check.next();
    if (!checked || check.value(0).toString() != QLatin1String("ok")) {
        const std::optional<QString> systemReason = checked ? std::nullopt : sqliteSystemReason(db);
        check = QSqlQuery();
        throw fail(systemReason, Texts::tr("the database file is damaged or incomplete"));
    }
}

std::shared_ptr<SqlSession> openSession(const QString& path, const QString& purpose,
                                        const OpenOptions& options) {
    auto session = std::make_shared<SqliteSession>(nextConnectionName(), path, options);
    openFile(session->name(), path, purpose, options.readOnly, session->guard());
    return session;
}

// A commit reaches the write-ahead log (or the rollback journal and then
// the file) first; those come and go, so the folder is watched for them to
// appear again.
QStringList watchedFiles(const QString& path) {
    return {path, path + QStringLiteral("-wal"), path + QStringLiteral("-journal")};
}

void watchExisting(QFileSystemWatcher& watcher, const QString& path) {
    const QStringList watched = watcher.files();
    for (const QString& file : watchedFiles(path)) {
        if (!watched.contains(file) && QFileInfo::exists(file))
            watcher.addPath(file);
    }
}

} // namespace

namespace {

// Why the system will not let a file be made in the database's folder.
int folderWriteError(const char* databaseFile) {
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(databaseFile)).absolutePath());
    return ::faccessat(AT_FDCWD, folder.constData(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

} // namespace

// SQLite keeps the system's error number only for failed reads, writes and
// opens; a write that found the disk full it reports as SQLITE_FULL alone,
// and a folder where no -wal or -shm may be made as read only. Anything
// else (a damaged page, a lock) is not the system's doing.
std::optional<QString> sqliteSystemReason(const QSqlDatabase& db) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return std::nullopt;
    sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData());
    if (!connection)
        return std::nullopt;
    const int code = sqlite3_extended_errcode(connection);
    int error = 0;
    switch (code & 0xff) {
    case SQLITE_FULL:
        error = ENOSPC;
        break;
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
        error = sqlite3_system_errno(connection);
        break;
    case SQLITE_READONLY:
        if (code == SQLITE_READONLY_DIRECTORY)
            error = folderWriteError(sqlite3_db_filename(connection, "main"));
        break;
    default:
        break;
    }
    if (error == 0)
        return std::nullopt;
    return systemErrorText(error);
}

SqliteDatabase::SqliteDatabase(const QString& path, const QString& purpose,
                               const OpenOptions& options)
    : SqlDatabase(path, openSession(path, purpose, options))
    , m_readOnly(options.readOnly) {}

SqliteDatabase::~SqliteDatabase() = default;

// SQLite's text functions, and QtSql's reading of a text, stop at a NUL
// that a writer may have stored inside a message; its bytes do not.
std::optional<QString> SqliteDatabase::wholeText(const QString& rowSource, const QVariant& key, const QString& field) {
    const auto utf8 = selectRows(QStringLiteral("PRAGMA encoding"), {}, rowSource);
    if (!hasKeyColumn(rowSource) || utf8.empty() || utf8.front().value(0).toString() != QLatin1String("UTF-8"))
        return Database::wholeText(rowSource, key, field);
    const auto rows = selectRows(
        QStringLiteral("SELECT CAST(%1 AS BLOB) FROM %2 WHERE %3 = ?")
            .arg(quoteIdentifier(field), quoteIdentifier(rowSource), quoteIdentifier(keyColumn)),
        {key}, rowSource);
    if (rows.empty())
        return std::nullopt;
    const QVariant bytes = rows.front().value(0);
    return bytes.isNull() ? QString() : QString::fromUtf8(bytes.toByteArray());
}

void SqliteDatabase::close() {
    m_watcher.reset();
    m_commitWait.reset();
    SqlDatabase::close();
}

void SqliteDatabase::watchChanges(const std::function<void()>& changed) {
    m_watcher.reset();
    m_commitWait.reset();
    m_changed = changed;
    if (!changed)
        return;
    m_reportedCommits = static_cast<SqliteSession&>(session()).commits();
    m_commitWait = std::make_unique<QTimer>();
    m_commitWait->setInterval(commitLookMs);
    QObject::connect(m_commitWait.get(), &QTimer::timeout, m_commitWait.get(),
                     [this] { lookForCommit(); });
    m_watcher = std::make_unique<QFileSystemWatcher>();
    QFileSystemWatcher* watcher = m_watcher.get();
    const QString file = path();
    watcher->addPath(QFileInfo(file).absolutePath());
    watchExisting(*watcher, file);
    const auto onChange = [this, watcher, file] {
        watchExisting(*watcher, file);
        filesChanged();
    };
    QObject::connect(watcher, &QFileSystemWatcher::fileChanged, watcher, onChange);
    QObject::connect(watcher, &QFileSystemWatcher::directoryChanged, watcher, onChange);
}

// A write reaches the files a moment before its commit can be read (the
// writer syncs its log first), and many changes to the files commit
// nothing another program wrote (a checkpoint, this program's own delete,
// a file's owner or times, a commit already reported). So a report waits
// until another program's commit can be read, looking every couple of
// milliseconds for a while; a commit that takes longer to sync is found by
// the regular refresh. Where the commits cannot be counted, every change
// is reported.
void SqliteDatabase::filesChanged() {
    if (!m_commitWait->isActive()) {
        m_waiting.start();
        m_commitWait->start();
    }
    lookForCommit();
}

void SqliteDatabase::lookForCommit() {
    const std::optional<qint64> commits = static_cast<SqliteSession&>(session()).commits();
    if (commits && commits == m_reportedCommits) {
        if (m_waiting.elapsed() >= commitWaitMs)
            m_commitWait->stop();
        return;
    }
    m_reportedCommits = commits;
    m_commitWait->stop();
    m_changed();
}

} // namespace store
