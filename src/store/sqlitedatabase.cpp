#include "sqlitedatabase.h"

#include "kelvaneerror.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

namespace store {

namespace {

constexpr int busyTimeoutMs = 5000;

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("kelvane-sqlite-%1").arg(++counter);
}

// Opens the file and checks that it is a whole SQLite database, or throws
// after removing the connection again.
void openFile(const QString& connectionName, const QString& path, const QString& purpose) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    // mode=rw: a file that vanished since it was checked is an error, never a new empty database.
    db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    const auto fail = [&](const QString& reason) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        return KelvaneError(ErrorNumber::NotADatabase,
                            QStringLiteral("'%1' is not an %2: %3.").arg(path, purpose, reason));
    };
    if (!db.open())
        throw fail(db.lastError().text());
    QSqlQuery check(db);
    // A cache that holds a large announcer file whole keeps every refresh
    // reading from memory instead of going back to the file page by page.
    check.exec(QStringLiteral("PRAGMA cache_size = -65536"));
    if (!check.exec(QStringLiteral("PRAGMA quick_check(1)")) || !check.next() ||
        check.value(0).toString() != QLatin1String("ok")) {
        check = QSqlQuery();
        throw fail(QStringLiteral("the database file is damaged or incomplete"));
    }
}

std::shared_ptr<SqlSession> openSession(const QString& path, const QString& purpose) {
    const QString name = nextConnectionName();
    openFile(name, path, purpose);
    return std::make_shared<SqlSession>(name);
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

SqliteDatabase::SqliteDatabase(const QString& path, const QString& purpose)
    : SqlDatabase(path, openSession(path, purpose)) {}

SqliteDatabase::~SqliteDatabase() = default;

void SqliteDatabase::close() {
    m_watcher.reset();
    SqlDatabase::close();
}

void SqliteDatabase::watchChanges(const std::function<void()>& changed) {
    m_watcher.reset();
    if (!changed)
        return;
    m_watcher = std::make_unique<QFileSystemWatcher>();
    QFileSystemWatcher* watcher = m_watcher.get();
    const QString file = path();
    watcher->addPath(QFileInfo(file).absolutePath());
    watchExisting(*watcher, file);
    const auto onChange = [watcher, file, changed] {
        watchExisting(*watcher, file);
        changed();
    };
    QObject::connect(watcher, &QFileSystemWatcher::fileChanged, watcher, onChange);
    QObject::connect(watcher, &QFileSystemWatcher::directoryChanged, watcher, onChange);
}

} // namespace store
