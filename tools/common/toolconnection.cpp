#include "toolconnection.h"
#include "toolmain.h"

#include "store/connectionfile.h"
#include "store/kelvaneerror.h"
#include "store/sqlitedatabase.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QUrl>

#include <atomic>

namespace tools {

namespace {

QString nextName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("kelvane-tool-%1").arg(++counter);
}

QSqlDatabase sqliteDatabase(const QString& name, const QString& path, ToolConnection::Mode mode) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    const QString openMode = mode == ToolConnection::Mode::Create ? QStringLiteral("rwc") : QStringLiteral("rw");
    db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=") + openMode);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
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
    if (!db.open()) {
        const QString reason = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw ToolError(tools::Texts::tr("cannot open %1: %2").arg(path, reason).toStdString());
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

void ToolConnection::begin() const {
    if (!database().transaction())
        fail(database().lastError());
    m_inTransaction = true;
}

void ToolConnection::commit() const {
    if (!database().commit())
        fail(database().lastError());
    m_inTransaction = false;
}

void ToolConnection::fail(const QSqlError& error) const {
    if (const auto reason = store::sqliteSystemReason(database()))
        throw SystemRefusal(QStringLiteral("%1: %2").arg(m_path, *reason).toStdString());
    throw ToolError(error.text().toStdString());
}

} // namespace tools
