#include "connectionfile.h"

#include "kelvaneerror.h"
#include "regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>

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

const QString sslMode = QStringLiteral("sslmode");
const QString sslRootCert = QStringLiteral("sslrootcert");
const QString serverOptions = QStringLiteral("options");
// The settings under which the connection may go in plain text.
const QStringList unencryptedModes = {QStringLiteral("disable"), QStringLiteral("allow"), QStringLiteral("prefer")};
// Settings that hold a secret, besides the password in the user part.
const QStringList secretSettings = {QStringLiteral("password"), QStringLiteral("sslpassword")};

// The announcer's tables are looked up in "public" alone (and our own
// temporary tables last), so that a schema someone put earlier on the
// account's or the database's search path cannot stand in for them. A file
// that keeps them elsewhere names its own search_path in "options".
const QString pinnedSearchPath = QStringLiteral("-c search_path=public,pg_temp");

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

// The root certificate libpq looks for; passed on by name, since libpq
// takes the home folder from the password database rather than HOME.
QString userRootCertificate() { return QDir::homePath() + QStringLiteral("/.postgresql/root.crt"); }

// Without a word from the file the connection is encrypted: "prefer", the
// client library's own default, lets anyone on the gala network force
// plain text or pose as the server. With a root certificate installed the
// server must prove its name; without one the traffic is still private.
QList<std::pair<QString, QString>> securityDefaults(const QUrlQuery& query) {
    if (query.hasQueryItem(sslMode))
        return {};
    const QString verifyFull = QStringLiteral("verify-full");
    if (query.hasQueryItem(sslRootCert))
        return {{sslMode, verifyFull}};
    if (QFileInfo(userRootCertificate()).isFile())
        return {{sslMode, verifyFull}, {sslRootCert, userRootCertificate()}};
    return {{sslMode, QStringLiteral("require")}};
}

QString options(const QString& path, const QUrlQuery& query) {
    QStringList pairs;
    QStringList keys;
    for (auto [key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (key == serverOptions && !value.contains(QLatin1String("search_path")))
            value += QLatin1Char(' ') + pinnedSearchPath;
        pairs << optionPair(path, key, value);
        keys << key;
    }
    const auto defaults = securityDefaults(query) + defaultOptions +
                          QList<std::pair<QString, QString>>{{serverOptions, pinnedSearchPath}};
    for (const auto& [key, value] : defaults) {
        if (!keys.contains(key))
            pairs << optionPair(path, key, value);
    }
    return pairs.join(QLatin1Char(' '));
}

QUrl connectionUri(const QString& path) {
    const QUrl url(firstLine(path), QUrl::StrictMode);
    if (!url.isValid() || !schemes.contains(url.scheme()))
        throw unusable(path, QStringLiteral("its first line must be a URI such as "
                                            "postgresql://user@host:5432/dbname."));
    return url;
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
    const QUrl url = connectionUri(path);
    const QUrlQuery query(url);
    ServerConnection server;
    server.host = url.host(QUrl::FullyDecoded);
    server.port = url.port();
    server.user = url.userName(QUrl::FullyDecoded);
    server.password = url.password(QUrl::FullyDecoded);
    server.database = url.path(QUrl::FullyDecoded).mid(1);
    server.options = options(path, query);
    const bool holdsPassword = !server.password.isEmpty() ||
                               std::any_of(secretSettings.cbegin(), secretSettings.cend(),
                                           [&](const QString& key) { return query.hasQueryItem(key); });
    if (holdsPassword && othersMayRead(path))
        throw unusable(path, QStringLiteral("it holds a password and other users of this computer can read it. "
                                            "Make it private with \"chmod 600 '%1'\", or keep the password "
                                            "in ~/.pgpass instead.")
                                 .arg(path));
    return server;
}

QString unencryptedSslMode(const QString& path) {
    if (!isConnectionFileAt(path))
        return QString();
    try {
        const QUrl url = connectionUri(path);
        const QUrlQuery query(url);
        // A socket on this computer (no host, or a folder as host) never
        // crosses the network; the client library does not encrypt it.
        const QString host = query.hasQueryItem(QStringLiteral("host"))
                                 ? query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded)
                                 : url.host(QUrl::FullyDecoded);
        const QString mode = query.queryItemValue(sslMode, QUrl::FullyDecoded);
        if (host.isEmpty() || host.startsWith(QLatin1Char('/')) || !unencryptedModes.contains(mode))
            return QString();
        return mode;
    } catch (const KelvaneError&) {
        return QString();  // opening the file says what is wrong with it
    }
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
