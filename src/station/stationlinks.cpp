#include "stationlinks.h"

#include "stationtexts.h"

#include "store/kelvaneerror.h"
#include "store/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace station {

namespace {

constexpr qsizetype longestLinksFile = 1024;
constexpr auto tokenEncoding = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

QByteArray randomToken() {
    std::array<quint32, Tokens::tokenBytes / sizeof(quint32)> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char*>(words.data()), Tokens::tokenBytes)
        .toBase64(tokenEncoding);
}

bool isToken(const QByteArray& text) {
    const QByteArray decoded = QByteArray::fromBase64(text, tokenEncoding);
    return decoded.size() == Tokens::tokenBytes && decoded.toBase64(tokenEncoding) == text;
}

// The file's bytes when it is the user's own plain file that only the
// user may read or write; nothing otherwise. A link or a pipe at the
// path is neither followed nor waited on.
std::optional<QByteArray> readPrivateFile(const QString& path) {
    const int descriptor = ::open(QFile::encodeName(path).constData(),
                                  O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return std::nullopt;
    QFile file;
    struct stat info {};
    const bool fit = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) &&
                     !store::notPrivate(descriptor) && info.st_size <= longestLinksFile &&
                     file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    if (!fit) {
        ::close(descriptor);
        return std::nullopt;
    }
    return file.read(longestLinksFile);
}

} // namespace

QString roleName(Role role) {
    switch (role) {
    case Role::Watch:
        return QStringLiteral("watch");
    case Role::Announce:
        return QStringLiteral("announce");
    case Role::Send:
        return QStringLiteral("send");
    }
    return {};
}

bool mayDo(Role role, Action action) {
    return action == Action::Send ? role == Role::Send : role == Role::Announce;
}

bool sameToken(QByteArrayView given, QByteArrayView expected) {
    if (given.size() != expected.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < given.size(); ++i)
        difference |= static_cast<unsigned char>(given[i] ^ expected[i]);
    return difference == 0;
}

void Tokens::renew() {
    for (QByteArray& token : m_tokens)
        token = randomToken();
}

std::optional<Role> Tokens::roleOf(QByteArrayView token) const {
    std::optional<Role> found;
    for (const Role role : allRoles) {
        if (sameToken(token, tokenOf(role)) && !tokenOf(role).isEmpty())
            found = role;
    }
    return found;
}

bool Tokens::load(const QString& path) {
    const std::optional<QByteArray> bytes = readPrivateFile(path);
    if (!bytes)
        return false;
    decltype(m_tokens) loaded;
    for (const QByteArray& line : bytes->split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        for (const Role role : allRoles) {
            if (fields.size() == 2 && fields[0] == roleName(role).toLatin1() && isToken(fields[1]))
                loaded[static_cast<size_t>(role)] = fields[1];
        }
    }
    if (std::all_of(loaded.cbegin(), loaded.cend(),
                    [](const QByteArray& token) { return token.isEmpty(); }))
        return false;
    for (QByteArray& token : loaded) {
        if (token.isEmpty())
            token = randomToken();
    }
    m_tokens = loaded;
    return true;
}

// Written whole to a new file that only the user may read, then renamed
// over the old one: a crash leaves the old links or the new, never half.
std::optional<QString> Tokens::save(const QString& path) const {
    QByteArray text;
    for (const Role role : allRoles)
        text += roleName(role).toLatin1() + ' ' + tokenOf(role) + '\n';
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        return StationTexts::tr("%1: the folder cannot be made").arg(folder);
    const QString temporary = path + QStringLiteral(".new");
    ::unlink(QFile::encodeName(temporary).constData());
    const int descriptor = ::open(QFile::encodeName(temporary).constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return QStringLiteral("%1: %2").arg(temporary, store::systemErrorText(errno));
    const bool written =
        ::write(descriptor, text.constData(), static_cast<size_t>(text.size())) == text.size() &&
        ::fsync(descriptor) == 0;
    const int error = errno;
    ::close(descriptor);
    if (!written || ::rename(QFile::encodeName(temporary).constData(),
                             QFile::encodeName(path).constData()) != 0) {
        ::unlink(QFile::encodeName(temporary).constData());
        return QStringLiteral("%1: %2").arg(path, store::systemErrorText(written ? errno : error));
    }
    return std::nullopt;
}

QString tokensPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kelvane/station-links");
}

} // namespace station
