#pragma once

#include "store/failure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

namespace station {

// What a browser's link lets it do. A watch page shows the list and the
// message on the desk's display; an announce page also chooses, dismisses
// and undoes, each at its own display. A send page sees nothing of the
// desk: an official sends messages to the list and follows their own. A
// screen page is the pool's caption screen: the message read out, in large
// type, and nothing else of the desk.
enum class Role { Watch, Announce, Send, Screen };
inline constexpr std::array allRoles = {Role::Watch, Role::Announce, Role::Send, Role::Screen};

QString roleName(Role role);

// What a page may ask of the desk beyond watching it. Today's read-out
// log and the links (New links too) are the announcer's, as in the
// station window, and so is what the caption screen may show.
enum class Action { Choose, Dismiss, Undo, Send, ReadOuts, Links, NewLinks, Plan, HoldBack, Blank };
bool mayDo(Role role, Action action);

// Equal texts, compared in a time that depends only on their lengths (a
// token's length is no secret), so that timing the answers to wrong
// guesses tells nothing about the right one.
bool sameToken(QByteArrayView given, QByteArrayView expected);

// One secret token per role: 128 random bits as 22 characters of URL-safe
// base64, carried in the link's fragment and handed over on the live
// connection.
class Tokens {
public:
    static constexpr int tokenBytes = 16;

    // New tokens for every role; the old ones stop working.
    void renew();
    [[nodiscard]] QByteArray tokenOf(Role role) const {
        return m_tokens[static_cast<size_t>(role)];
    }
    // The role whose token this is; every token is compared, whichever
    // matches.
    [[nodiscard]] std::optional<Role> roleOf(QByteArrayView token) const;

    // Kept between runs in a file of the user's own that nobody else may
    // read (store::privateFile; a link on a phone keeps working after a
    // restart of kelvane). Loading a file that is missing, unfit or not the
    // user's own alone gives false and changes nothing; a role the file has
    // no token for (one added since it was written) gets a new one.
    bool load(const QString& path);
    // Replaces the file as a whole (store::replaceAtomically): a crash
    // leaves the old links or the new, never half. Why the file could not
    // be written; nothing when it was.
    store::Failure save(const QString& path) const;

private:
    std::array<QByteArray, allRoles.size()> m_tokens;
};

// $XDG_CONFIG_HOME/kelvane/station-links.
QString tokensPath();

} // namespace station
