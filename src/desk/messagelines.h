#pragma once

#include "desksettings.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace desk {

// The rules that turn announcer rows into what the screen shows.

// A row's Message as text; a null Message is an empty one.
QString messageText(const QVariant& message);

// A row's Sequence as a number held in 16 bits; none when it is null, not
// a number or out of that range (a row another program wrote).
std::optional<qint16> sequenceNumber(const QVariant& sequence);
// The Sequence as the list shows it: plain digits, nothing for 0 or a null
// Sequence, and one that is no 16-bit number as stored with a "?" after it.
QString sequenceText(const QVariant& sequence);
// The Sequence as the read-out log keeps it: the 16-bit number, or the
// stored text of one that is none; null for a null Sequence.
QVariant loggedSequence(const QVariant& sequence);

// What a row's Sequence makes of its line: one of the meet program's
// messages (numbered), or one sent from a send page, at the Sequence sent
// messages are added with or at the lower one of urgent messages.
enum class LineKind { Numbered, Sent, Urgent };
LineKind lineKind(const QVariant& sequence, const desk::SentSequences& sent);

// The list line of a row: sequenceText, ":" and the first non-empty line
// of its Message; a sent message's line is that first line alone (it names
// its sender). A first line longer than listedLineLength is cut there,
// and one that runs on past the part of the Message read (more is true)
// is cut where that part ends; either is marked with "…".
QString listLine(const QVariant& sequence, const QString& messageStart, bool more = false,
                 LineKind kind = LineKind::Numbered);
inline constexpr qsizetype listedLineLength = 1000;

// The message as the text box shows it, when only its first shown
// characters of whole were read: a note of what is left out follows.
QString shownText(const QString& message, qint64 whole);

// The message as the text box shows it: each CR LF (or lone CR) a line break.
QString displayText(const QString& message);

// Whether a row's Sequence equals a chosen number.
bool sameSequence(const QVariant& sequence, qint16 number);

} // namespace desk
