#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// The rules that turn announcer rows into what the screen shows.

// A row's Message as text; a null Message is an error.
QString messageText(const QVariant& message);

// The list line of a row: its Sequence as plain digits (nothing for 0 or
// a null Sequence), ":" and the first non-empty line of its Message. A
// first line longer than listedLineLength is cut there, and one that runs
// on past the part of the Message read (more is true) is cut where that
// part ends; either is marked with "…".
QString listLine(const QVariant& sequence, const QString& messageStart, bool more = false);
inline constexpr qsizetype listedLineLength = 1000;

// The message as the text box shows it, when only its first shown
// characters of whole were read: a note of what is left out follows.
QString shownText(const QString& message, qint64 whole);

// The message as the text box shows it: each CR LF (or lone CR) a line break.
QString displayText(const QString& message);

// The number a chosen line stands for, held in 16 bits (out of range is an
// Overflow error). A line whose row has no Sequence cannot be chosen.
std::optional<qint16> chosenNumber(const QVariant& sequence);

// Whether a row's Sequence equals a chosen number.
bool sameSequence(const QVariant& sequence, qint16 number);
