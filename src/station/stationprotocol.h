#pragma once

#include "captionscreen.h"
#include "sentmessages.h"
#include "stationlinks.h"

#include "desk/desksettings.h"
#include "desk/readoutlog.h"

#include <QString>
#include <QUrl>

#include <optional>
#include <vector>

namespace desk {
class AnnouncerDesk;
class PlannedSheet;
} // namespace desk

// The messages of the live connection, one JSON object each (see
// docs/browser-station.md). The page speaks first with its token; the
// station answers with the whole state and then with every change. The
// station's messages are UTF-8 in binary frames: made once, sent to every
// page as they are.
namespace station::protocol {

// What a page asks for.
struct Request {
    enum class Type {
        Hello,
        Choose,
        Dismiss,
        Undo,
        Send,
        ReadOuts,
        Links,
        NewLinks,
        Plan,
        HoldBack,
        Blank,
        Pong
    };
    Type type = Type::Pong;
    QString token;
    // The row a choice or a dismissal is about: for Dismiss, the message
    // the page has on display.
    QString key;
    // The language of the page's texts (hello only).
    QString language;
    // A send page's own identity, which it keeps (hello only).
    QString page;
    // A message to send: who sends it, its text, whether it is urgent,
    // and the page's number for it, which the answer repeats.
    QString sender;
    QString text;
    bool urgent = false;
    int number = 0;
    // A change of the planned messages (plan only): "add", "change",
    // "remove" or "duplicate", the message's id, and its times ("HH:mm",
    // an empty "not after" for none) and repeat; text and urgent above.
    QString edit;
    int id = 0;
    QString notBefore;
    QString notAfter;
    int repeatMinutes = 0;
    // Hold the message back from the caption screen, or blank it (true),
    // or let it show again (false).
    bool on = false;
};
// The request a message holds; nothing for anything else.
std::optional<Request> parseRequest(const QString& message);

QByteArray welcome(Role role, const QString& station);
// The list as the desk lists it, and whether a database is open at all.
QByteArray list(desk::AnnouncerDesk& desk);
// A message on display: the desk's own ("desk"), or the page's ("shown").
QByteArray shown(const QString& type, const QString& key, const QString& text);
QByteArray trouble(const QString& text);
QByteArray notice(const QString& text);
QByteArray ping();
// For send pages: why this desk cannot take messages (empty when it can)
// and the announcer's ready texts.
QByteArray taking(const store::Failure& refusal, const QStringList& readyTexts);
// The messages the send page identified as page sent, with their states.
QByteArray sent(const SentMessages& messages, const QString& page);
// Whether the page's message numbered number was added, or why not.
QByteArray answer(int number, const QString& refusal);

// Today's dismissals for an announce page, newest first, their whole texts
// as far as the bounds below allow (a page must never be sent more than it
// can take at once); none when no database is open.
inline constexpr int mostReadOuts = 200;
inline constexpr qsizetype readOutsBytes = qsizetype{256} * 1024;
QByteArray readOuts(const std::optional<std::vector<desk::readoutlog::ReadOut>>& readOuts);

// The planned messages for an announce page, each with its state and the
// desk's time now (the page works out ages from it), and why the desk adds
// nothing now.
QByteArray planned(const desk::PlannedSheet& sheet);

// The links to hand out, each with its QR code, for an announce page, and
// how many other pages New links would drop now.
struct HandedLink {
    Role role;
    QUrl url;
};
QByteArray links(const std::vector<HandedLink>& links, int otherPages);

// For a screen page: what the caption screen shows, in the colours and
// with the gala's name of the desk's settings.
QByteArray caption(const CaptionScreen& screen, const desk::ScreenChoice& choice);
// For announce pages: the messages held back from the caption screen, and
// whether it is blanked.
QByteArray screen(const CaptionScreen& screen);

} // namespace station::protocol
