#include "connectionfile.h"

#include "kelvaneerror.h"
#include "ownfile.h"
#include "regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QUrl>
#include <QUrlQuery>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

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
const QString sslKey = QStringLiteral("sslkey");
const QString sslPassword = QStringLiteral("sslpassword");
const QString serverOptions = QStringLiteral("options");
// The settings under which the connection may go in plain text.
const QStringList unencryptedModes = {QStringLiteral("disable"), QStringLiteral("allow"), QStringLiteral("prefer")};
// The only settings passed on to the client library. Whoever writes the
// file may not send the password elsewhere (hostaddr connects to another
// address than the host the password is looked up for), bring in settings
// from other files (service, passfile) or move the tables (options).
const QStringList passedSettings = {sslMode,
                                    sslRootCert,
                                    QStringLiteral("sslcert"),
                                    sslKey,
                                    sslPassword,
                                    QStringLiteral("connect_timeout"),
                                    QStringLiteral("tcp_user_timeout"),
                                    QStringLiteral("application_name")};
// Settings that name a file the client library trusts.
const QStringList fileSettings = {sslRootCert, QStringLiteral("sslcert"), sslKey};

// The announcer's tables are looked up in "public" alone (and our own
// temporary tables last), so that a schema someone put earlier on the
// account's or the database's search path cannot stand in for them.
const QString pinnedSearchPath = QStringLiteral("-c search_path=public,pg_temp");

KelvaneError unusable(const QString& path, const QString& reason) {
    return KelvaneError(ErrorNumber::ConnectionFailed,
                        Texts::tr("The connection file '%1' cannot be used: %2").arg(path, reason));
}

// Why a connection file or a certificate it names breaks setUpFile, said
// after its name.
Failure unfitToSetUp(const struct stat& info) {
    switch (unfitness(info, setUpFile)) {
    case Unfit::NotAFile:
        return Failure(Texts::tr("is not a file"));
    case Unfit::OtherOwner:
        return Failure(Texts::tr("belongs to another user of this computer"));
    case Unfit::OthersMayChange:
        return Failure(Texts::tr("may be changed by other users of this computer"));
    default:
        return {};
    }
}

// The file's first line and what the system knows of it, read from one
// open file.
struct FileHead {
    QString line;
    struct stat info {};
};

FileHead readHead(const QString& path) {
    QFile file;
    if (const Failure failure = openRegularFile(file, path))
        throw unusable(path, failure.reason() + QLatin1Char('.'));
    struct stat info {};
    if (::fstat(file.handle(), &info) != 0)
        throw unusable(path, systemErrorText(errno) + QLatin1Char('.'));
    if (const Failure failure = unfitToSetUp(info))
        throw unusable(path,
                       Texts::tr("it %1, who could send your password to another server. Use a "
                                 "connection file of your own that only you may change "
                                 "(\"chmod go-w\").")
                           .arg(failure.reason()));
    return {QString::fromUtf8(file.readLine(longestLine)).trimmed(), info};
}

// A NUL would end the connection string the client library is given
// early, and with it the settings kelvane adds.
QUrl connectionUri(const QString& path, const QString& line) {
    const QUrl url(line, QUrl::StrictMode);
    if (!url.isValid() || !schemes.contains(url.scheme()) || line.contains(QChar::Null) ||
        line.contains(QLatin1String("%00")))
        throw unusable(path, Texts::tr("its first line must be a URI such as "
                                       "postgresql://user@host:5432/dbname."));
    return url;
}

// The URI's settings, each given once under a plain name.
QList<std::pair<QString, QString>> settingsOf(const QString& path, const QUrl& url) {
    static const QRegularExpression plainKey(QStringLiteral("^[a-z_]+$"));
    const auto settings = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    QStringList seen;
    for (const auto& [key, value] : settings) {
        if (!plainKey.match(key).hasMatch())
            throw unusable(path,
                           Texts::tr("the setting '%1' in its URI is not understood.").arg(key));
        if (seen.contains(key))
            throw unusable(path, Texts::tr("it gives the setting '%1' twice.").arg(key));
        seen << key;
    }
    return settings;
}

// libpq reads "key='value'" pairs; Qt turns every ";" into a blank first.
QString optionPair(const QString& path, const QString& key, const QString& value) {
    if (value.contains(QLatin1Char(';')))
        throw unusable(path, Texts::tr("the setting '%1' in its URI is not understood.").arg(key));
    QString quoted = value;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QStringLiteral("%1='%2'").arg(key, quoted);
}

// A part of the server's address may also come as a setting (a socket
// folder cannot be written as the URI's host), but only once: the client
// library looks the password up for the host it is given last.
QString* addressPart(ServerConnection& server, const QString& key) {
    if (key == QLatin1String("host"))
        return &server.host;
    if (key == QLatin1String("user"))
        return &server.user;
    if (key == QLatin1String("dbname"))
        return &server.database;
    if (key == QLatin1String("password"))
        return &server.password;
    return nullptr;
}

bool takeAddressPart(const QString& path, ServerConnection& server, const QString& key,
                     const QString& value) {
    const auto twice = [&] {
        return unusable(path, Texts::tr("its setting '%1' differs from its URI.").arg(key));
    };
    if (key == QLatin1String("port")) {
        bool isNumber = false;
        const int port = value.toInt(&isNumber);
        if (!isNumber || port <= 0 || port > 65535)
            throw unusable(path, Texts::tr("its port '%1' is not a port number.").arg(value));
        if (server.port >= 0 && server.port != port)
            throw twice();
        server.port = port;
        return true;
    }
    QString* part = addressPart(server, key);
    if (!part)
        return false;
    if (!part->isEmpty() && *part != value)
        throw twice();
    *part = value;
    return true;
}

// A certificate or key the file names must be a file that no one but the
// user (or root) may change; a key is never looked up through a crypto
// engine ("engine:key"), which would load a program library by that name.
void checkSetting(const QString& path, const QString& key, const QString& value) {
    if (!passedSettings.contains(key))
        throw unusable(path,
                       Texts::tr("the setting '%1' is not allowed in a connection file.").arg(key));
    if (!fileSettings.contains(key))
        return;
    if (key == sslKey && value.contains(QLatin1Char(':')))
        throw unusable(
            path, Texts::tr("its client key '%1' (sslkey) names a crypto engine; name a key file.")
                      .arg(value));
    struct stat info {};
    if (::stat(QFile::encodeName(value).constData(), &info) != 0)
        throw unusable(path, Texts::tr("the file '%1' it names (%2) cannot be read: %3.")
                                 .arg(value, key, systemErrorText(errno)));
    if (const Failure failure = unfitToSetUp(info))
        throw unusable(
            path, Texts::tr("the file '%1' it names (%2) %3.").arg(value, key, failure.reason()));
}

// The user's own root certificate, passed on by name, since libpq takes
// the home folder from the password database rather than HOME.
QString userRootCertificate() { return QDir::homePath() + QStringLiteral("/.postgresql/root.crt"); }

// Without a word from the file the connection is encrypted: "prefer", the
// client library's own default, lets anyone on the gala network force
// plain text or pose as the server. With a root certificate installed the
// server must prove its name; without one the traffic is still private.
QList<std::pair<QString, QString>> securityDefaults(const QStringList& keys) {
    if (keys.contains(sslMode))
        return {};
    const QString verifyFull = QStringLiteral("verify-full");
    if (keys.contains(sslRootCert))
        return {{sslMode, verifyFull}};
    if (QFileInfo(userRootCertificate()).isFile())
        return {{sslMode, verifyFull}, {sslRootCert, userRootCertificate()}};
    return {{sslMode, QStringLiteral("require")}};
}

QString options(const QString& path, const QList<std::pair<QString, QString>>& settings) {
    QStringList pairs;
    QStringList keys;
    for (const auto& [key, value] : settings) {
        pairs << optionPair(path, key, value);
        keys << key;
    }
    const auto defaults = securityDefaults(keys) + defaultOptions +
                          QList<std::pair<QString, QString>>{{serverOptions, pinnedSearchPath}};
    for (const auto& [key, value] : defaults) {
        if (!keys.contains(key))
            pairs << optionPair(path, key, value);
    }
    return pairs.join(QLatin1Char(' '));
}

// The server a file names and the sslmode it asks for (empty: ours).
struct ConnectionSettings {
    ServerConnection server;
    QString sslMode;
};

ConnectionSettings readSettings(const QString& path) {
    const FileHead head = readHead(path);
    const QUrl url = connectionUri(path, head.line);
    ConnectionSettings read;
    ServerConnection& server = read.server;
    server.host = url.host(QUrl::FullyDecoded);
    server.port = url.port();
    server.user = url.userName(QUrl::FullyDecoded);
    server.password = url.password(QUrl::FullyDecoded);
    server.database = url.path(QUrl::FullyDecoded).mid(1);
    QList<std::pair<QString, QString>> passed;
    bool holdsPassword = false;
    for (const auto& [key, value] : settingsOf(path, url)) {
        if (takeAddressPart(path, server, key, value))
            continue;
        checkSetting(path, key, value);
        passed.append({key, value});
        holdsPassword = holdsPassword || key == sslPassword;
        if (key == sslMode)
            read.sslMode = value;
    }
    server.options = options(path, passed);
    holdsPassword = holdsPassword || !server.password.isEmpty();
    constexpr Ownership keepsAPassword{Ownership::Owner::UserOrRoot, S_IRGRP | S_IROTH, false};
    if (holdsPassword && unfitness(head.info, keepsAPassword) == Unfit::OthersMayRead)
        throw unusable(
            path, Texts::tr("it holds a password and other users of this computer can read it. "
                            "Make it private with \"chmod 600 '%1'\", or keep the password "
                            "in ~/.pgpass instead.")
                      .arg(path));
    return read;
}

} // namespace

bool isConnectionFile(const QByteArray& head) {
    const QByteArray start = head.trimmed();
    return start.startsWith("postgresql://") || start.startsWith("postgres://");
}

ServerConnection readConnectionFile(const QString& path) {
    return readSettings(path).server;
}

QString unencryptedSslMode(const QString& path) {
    if (!isConnectionFileAt(path))
        return QString();
    try {
        const ConnectionSettings read = readSettings(path);
        // A socket on this computer (no host, or a folder as host) never
        // crosses the network; the client library does not encrypt it.
        const QString& host = read.server.host;
        if (host.isEmpty() || host.startsWith(QLatin1Char('/')) ||
            !unencryptedModes.contains(read.sslMode))
            return QString();
        return read.sslMode;
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
