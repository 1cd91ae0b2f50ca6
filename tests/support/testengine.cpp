#include "testengine.h"

#include "store/connectionfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>
#include <stdexcept>

namespace {

QString serverVariable(const char* name) {
    QString value = qEnvironmentVariable(name);
    if (value.isEmpty())
        throw std::runtime_error(std::string(name) + " is not set: run the test through tests/support/pgserver.sh");
    return value;
}

QString nextName(const char* prefix) {
    static std::atomic<int> counter{0};
    return QStringLiteral("%1_%2_%3").arg(QLatin1String(prefix)).arg(QCoreApplication::applicationPid()).arg(++counter);
}

QSqlDatabase openConnection(const QString& connectionName, const QString& path) {
    QSqlDatabase db;
    if (store::isConnectionFileAt(path)) {
        db = store::addServerConnection(connectionName, path);
    } else {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    }
    if (!db.open())
        throw std::runtime_error("cannot open test database: " + db.lastError().text().toStdString());
    return db;
}

} // namespace

bool testingPostgres() { return qEnvironmentVariable("KELVANE_TEST_ENGINE") == QLatin1String("postgresql"); }

void createServerDatabase(const QString& path) {
    const QString maintenance = serverVariable("KELVANE_PG_CONNECTION");
    const QString database = nextName("kelvane_test");
    execOn(maintenance, QStringLiteral("CREATE DATABASE %1").arg(database));
    QFile file(maintenance);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the server's connection file");
    QUrl uri(QString::fromUtf8(file.readLine()).trimmed());
    uri.setPath(QLatin1Char('/') + database);
    QFile connection(path);
    if (!connection.open(QIODevice::WriteOnly) || connection.write(uri.toEncoded() + '\n') < 0 ||
        !connection.setPermissions(QFile::ReadOwner | QFile::WriteOwner))
        throw std::runtime_error("cannot write a connection file");
}

void withTestConnection(const QString& path, const std::function<void(QSqlDatabase&)>& work) {
    const QString name = nextName("test_connection");
    {
        QSqlDatabase db = openConnection(name, path);
        work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void execOn(const QString& path, const QString& sql) {
    withTestConnection(path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!query.exec(sql))
            throw std::runtime_error(query.lastError().text().toStdString());
    });
}

bool controlServer(const QString& command) {
    return QProcess::execute(serverVariable("KELVANE_PG_SCRIPT"), {command}) == 0;
}
