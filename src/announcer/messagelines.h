#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// The rules that turn announcer rows into what the screen shows.

// A row's Message as text; a null Message is an error.
QString messageText(const QVariant& message);

// The list line of a row: its Sequence as plain digits (nothing for 0 or
// a null Sequence), ":" and the first non-empty line of its Message.
QString listLine(const QVariant& sequence, const QString& message);

// The message as the text box shows it: each CR LF (or lone CR) a line break.
QString displayText(const QString& message);

// The number a chosen line stands for, held in 16 bits (out of range is an
// Overflow error). A line whose row has no Sequence cannot be chosen.
std::optional<qint16> chosenNumber(const QVariant& sequence);

// Whether a row's Sequence equals a chosen number.
bool sameSequence(const QVariant& sequence, qint16 number);
