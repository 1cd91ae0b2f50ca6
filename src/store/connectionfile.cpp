#include "connectionfile.h"

#include "kelvaneerror.h"
#include "regularfile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QUrl>
#include <QUrlQuery>

namespace store {

namespace {

constexpr qint64 longestLine = 8192;
constexpr qint64 headLength = 32;

const QStringList schemes = {QStringLiteral("postgresql"), QStringLiteral("postgres")};

// Without these a pulled cable would hang a connect or a query for minutes
// instead of letting the reconnect try again; the file may set its own.
const QList<std::pair<QString, QString>> defaultOptions = {
    {QStringLiteral("connect_timeout"), QStringLiteral("5")},
    {QStringLiteral("tcp_user_timeout"), QStringLiteral("10000")},
};

KelvaneError unusable(const QString& path, const QString& reason) {
    return KelvaneError(ErrorNumber::ConnectionFailed,
                        QStringLiteral("The connection file '%1' cannot be used: %2").arg(path, reason));
}

QString firstLine(const QString& path) {
    QFile file;
    if (const auto reason = openRegularFile(file, path))
        throw unusable(path, *reason + QLatin1Char('.'));
    return QString::fromUtf8(file.readLine(longestLine)).trimmed();
}

// libpq reads "key='value'" pairs; Qt turns every ";" into a blank first.
QString optionPair(const QString& path, const QString& key, const QString& value) {
    static const QRegularExpression plainKey(QStringLiteral("^[a-z_]+$"));
    if (!plainKey.match(key).hasMatch() || value.contains(QLatin1Char(';')))
        throw unusable(path, QStringLiteral("the setting '%1' in its URI is not understood.").arg(key));
    QString quoted = value;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QStringLiteral("%1='%2'").arg(key, quoted);
}

QString options(const QString& path, const QUrlQuery& query) {
    QStringList pairs;
    QStringList keys;
    for (const auto& [key, value] : query.queryItems(QUrl::FullyDecoded)) {
        pairs << optionPair(path, key, value);
        keys << key;
    }
    for (const auto& [key, value] : defaultOptions) {
        if (!keys.contains(key))
            pairs << optionPair(path, key, value);
    }
    return pairs.join(QLatin1Char(' '));
}

bool othersMayRead(const QString& path) {
    return (QFile::permissions(path) & (QFileDevice::ReadGroup | QFileDevice::ReadOther)) != 0;
}

} // namespace

bool isConnectionFile(const QByteArray& head) {
    const QByteArray start = head.trimmed();
    return start.startsWith("postgresql://") || start.startsWith("postgres://");
}

ServerConnection readConnectionFile(const QString& path) {
    const QUrl url(firstLine(path), QUrl::StrictMode);
    if (!url.isValid() || !schemes.contains(url.scheme()))
        throw unusable(path, QStringLiteral("its first line must be a URI such as "
                                            "postgresql://user@host:5432/dbname."));
    const QUrlQuery query(url);
    ServerConnection server;
    server.host = url.host(QUrl::FullyDecoded);
    server.port = url.port();
    server.user = url.userName(QUrl::FullyDecoded);
    server.password = url.password(QUrl::FullyDecoded);
    server.database = url.path(QUrl::FullyDecoded).mid(1);
    server.options = options(path, query);
    const bool holdsPassword = !server.password.isEmpty() || query.hasQueryItem(QStringLiteral("password"));
    if (holdsPassword && othersMayRead(path))
        throw unusable(path, QStringLiteral("it holds a password and other users of this computer can read it. "
                                            "Make it private with \"chmod 600 '%1'\", or keep the password "
                                            "in ~/.pgpass instead.")
                                 .arg(path));
    return server;
}

bool isConnectionFileAt(const QString& path) {
    QFile file;
    return !openRegularFile(file, path) && isConnectionFile(file.read(headLength));
}

QSqlDatabase addServerConnection(const QString& connectionName, const QString& path) {
    const ServerConnection server = readConnectionFile(path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setHostName(server.host);
    db.setPort(server.port);
    db.setUserName(server.user);
    db.setPassword(server.password);
    db.setDatabaseName(server.database);
    db.setConnectOptions(server.options);
    return db;
}

} // namespace store
