// Connection files: any content, private to its owner or readable by
// others, read as a connection to a database server. The first byte picks
// the file's mode, the rest is the file.

#include "fuzzsupport.h"

#include "store/connectionfile.h"
#include "store/kelvaneerror.h"

#include <QFile>
#include <QSqlDatabase>
#include <QUrl>
#include <QUrlQuery>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

using Settings = QList<std::pair<QString, QString>>;

// The settings kelvane adds of its own accord when the file names none.
const QStringList ownSettings = {QStringLiteral("sslmode"), QStringLiteral("sslrootcert"),
                                 QStringLiteral("connect_timeout"),
                                 QStringLiteral("tcp_user_timeout"), QStringLiteral("options")};

// One value as libpq reads it: in single quotes, or up to the next blank;
// a backslash takes the next character as it is.
std::optional<QString> settingValue(const QString& text, qsizetype& at) {
    const bool quoted = at < text.size() && text[at] == QLatin1Char('\'');
    at += quoted ? 1 : 0;
    QString value;
    for (; at < text.size(); ++at) {
        if (quoted && text[at] == QLatin1Char('\'')) {
            ++at;
            return value;
        }
        if (!quoted && text[at].isSpace())
            break;
        if (text[at] == QLatin1Char('\\') && ++at == text.size())
            return std::nullopt;
        value += text[at];
    }
    return quoted ? std::nullopt : std::optional(value);
}

// libpq's "key=value ..." settings, as the client library splits them
// after Qt has turned every ";" into a blank; none when they do not split.
std::optional<Settings> libpqSettings(QString text) {
    text.replace(QLatin1Char(';'), QLatin1Char(' '));
    Settings settings;
    qsizetype at = 0;
    while (true) {
        while (at < text.size() && text[at].isSpace())
            ++at;
        if (at == text.size())
            return settings;
        const qsizetype equals = text.indexOf(QLatin1Char('='), at);
        if (equals < 0)
            return std::nullopt;
        const QString key = text.mid(at, equals - at).trimmed();
        at = equals + 1;
        while (at < text.size() && text[at].isSpace())
            ++at;
        const std::optional<QString> value = settingValue(text, at);
        if (!value || key.isEmpty() || key.contains(QLatin1Char(' ')))
            return std::nullopt;
        settings.append({key, *value});
    }
}

// The file's own settings: the query of the URI on its first line.
QStringList fileSettings(const QByteArray& content) {
    const qsizetype end = content.indexOf('\n');
    const QString firstLine =
        QString::fromUtf8(content.left(end < 0 ? content.size() : end)).trimmed();
    QStringList keys;
    const QUrl uri(firstLine, QUrl::StrictMode);
    for (const auto& [key, value] : QUrlQuery(uri).queryItems(QUrl::FullyDecoded))
        keys << key;
    return keys;
}

void checkServer(const store::ServerConnection& server, const QByteArray& content,
                 bool othersMayRead) {
    const std::optional<Settings> settings = libpqSettings(server.options);
    require(settings.has_value(), "the settings split as the client library splits them",
            server.options);
    const QStringList named = fileSettings(content);
    for (const auto& [key, value] : *settings) {
        require(named.contains(key) || ownSettings.contains(key),
                "every setting was named in the file or is kelvane's own",
                key + QLatin1Char('=') + value);
        require(!othersMayRead ||
                    (key != QLatin1String("password") && key != QLatin1String("sslpassword")),
                "a file others may read passes on no password", server.options);
    }
    require(!othersMayRead || server.password.isEmpty(),
            "a file others may read passes on no password", server.password);
}

void checkConnection(const QString& path, const std::optional<store::ServerConnection>& server) {
    const QString name = QStringLiteral("fuzz");
    bool added = false;
    try {
        const QSqlDatabase db = store::addServerConnection(name, path);
        added = true;
        require(server && db.hostName() == server->host && db.databaseName() == server->database &&
                    db.userName() == server->user && db.connectOptions() == server->options,
                "a connection is added with the settings the file was read with", path);
    } catch (const store::KelvaneError&) {
        require(!server, "a file that reads is added as a connection", path);
    }
    if (added)
        QSqlDatabase::removeDatabase(name);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static const QFileDevice::Permissions modes[] = {
        QFile::ReadOwner | QFile::WriteOwner,
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup,
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther,
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
            QFile::ReadOther | QFile::WriteOther};
    const QFileDevice::Permissions mode = modes[data[0] % 4];
    const QByteArray content(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QString path = scratchPath(QStringLiteral("gala.kelvane-server"));
    writeScratchFile(path, content);
    QFile::setPermissions(path, mode);

    store::isConnectionFile(content);
    store::isConnectionFileAt(path);
    const QString plainMode = store::unencryptedSslMode(path);
    require(plainMode.isEmpty() || plainMode == QLatin1String("disable") ||
                plainMode == QLatin1String("allow") || plainMode == QLatin1String("prefer"),
            "an unencrypted mode is one that lets plain text through", plainMode);
    std::optional<store::ServerConnection> server;
    try {
        server = store::readConnectionFile(path);
    } catch (const store::KelvaneError&) {
        // Not a connection file kelvane may use: the announcer is told why.
    }
    if (server)
        checkServer(*server, content, (mode & (QFile::ReadGroup | QFile::ReadOther)) != 0);
    checkConnection(path, server);
    return 0;
}
