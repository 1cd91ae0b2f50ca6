#include "toolconnection.h"
#include "toolmain.h"

#include "store/connectionfile.h"
#include "store/kelvaneerror.h"
#include "store/sqlitedatabase.h"
#include "store/sqliteguard.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>
#include <QUrl>

#include <atomic>

namespace tools {

namespace {

constexpr std::chrono::milliseconds lockWait{5000};

QString nextName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("kelvane-tool-%1").arg(++counter);
}

QSqlDatabase sqliteDatabase(const QString& name, const QString& path, ToolConnection::Mode mode) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    const QString openMode = mode == ToolConnection::Mode::Create ? QStringLiteral("rwc") : QStringLiteral("rw");
    db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=") + openMode);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    return db;
}

QSqlDatabase serverDatabase(const QString& name, const QString& path) {
    try {
        return store::addServerConnection(name, path);
    } catch (const store::KelvaneError& error) {
        throw ToolError(error.description().toStdString());
    }
}

} // namespace

ToolConnection::ToolConnection(const QString& path, Mode mode)
    : m_path(path)
    , m_name(nextName())
    , m_server(store::isConnectionFileAt(path)) {
    QSqlDatabase db = m_server ? serverDatabase(m_name, path) : sqliteDatabase(m_name, path, mode);
    const auto refuse = [&](const QString& reason) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        return ToolError(tools::Texts::tr("cannot open %1: %2").arg(path, reason).toStdString());
    };
    if (!db.open())
        throw refuse(db.lastError().text());
    if (!m_server) {
        m_guard = std::make_unique<store::SqliteGuard>(store::defaultWorkLimit, lockWait);
        if (!m_guard->protect(db))
            throw refuse(tools::Texts::tr("this computer's SQLite cannot open it safely"));
    }
}

// Whatever was begun and not committed is rolled back.
ToolConnection::~ToolConnection() {
    {
        QSqlDatabase db = database();
        if (db.isOpen() && m_inTransaction)
            db.rollback();
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase ToolConnection::database() const { return QSqlDatabase::database(m_name, false); }

QSqlQuery ToolConnection::run(const QString& sql, const QVariantList& values) const {
    startWork();
    QSqlQuery query(database());
    const bool ran = values.isEmpty() ? query.exec(sql) : [&] {
        if (!query.prepare(sql))
            return false;
        for (const QVariant& value : values)
            query.addBindValue(value);
        return query.exec();
    }();
    if (!ran)
        fail(query.lastError());
    return query;
}

std::vector<QVariantList> ToolConnection::rows(const QString& sql) const {
    QSqlQuery query = run(sql);
    std::vector<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        for (int column = 0; column < query.record().count(); ++column)
            row << query.value(column);
        rows.push_back(std::move(row));
    }
    if (query.lastError().isValid())
        fail(query.lastError());
    return rows;
}

void ToolConnection::begin() const {
    startWork();
    if (!database().transaction())
        fail(database().lastError());
    m_inTransaction = true;
}

void ToolConnection::commit() const {
    startWork();
    if (!database().commit())
        fail(database().lastError());
    m_inTransaction = false;
}

// The rows a statement yields are read after run has returned; its
// allowance lasts until the next statement starts.
void ToolConnection::startWork() const {
    if (m_guard)
        m_guard->startWork();
}

void ToolConnection::fail(const QSqlError& error) const {
    if (m_guard && m_guard->stopped())
        throw ToolError(store::SqliteGuard::stoppedText(m_path).toStdString());
    if (const auto reason = store::sqliteSystemReason(database()))
        throw SystemRefusal(QStringLiteral("%1: %2").arg(m_path, *reason).toStdString());
    throw ToolError(error.text().toStdString());
}

} // namespace tools
