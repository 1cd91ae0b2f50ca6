#include "stationlinks.h"

#include "store/ownfile.h"

#include <QRandomGenerator>
#include <QStandardPaths>

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

} // namespace

QString roleName(Role role) {
    switch (role) {
    case Role::Watch:
        return QStringLiteral("watch");
    case Role::Announce:
        return QStringLiteral("announce");
    case Role::Send:
        return QStringLiteral("send");
    case Role::Screen:
        return QStringLiteral("screen");
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
    const std::optional<QByteArray> bytes =
        store::readOwn(path, store::privateFile, longestLinksFile);
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

store::Failure Tokens::save(const QString& path) const {
    QByteArray text;
    for (const Role role : allRoles)
        text += roleName(role).toLatin1() + ' ' + tokenOf(role) + '\n';
    return store::replaceAtomically(path, text);
}

QString tokensPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kelvane/station-links");
}

} // namespace station
