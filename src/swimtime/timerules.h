#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The number a text begins with. Blanks (space, tab, line feed) are skipped
// wherever they stand; then an optional sign, digits with at most one "."
// as the decimal point (whatever the locale) and an optional exponent are
// read, up to the first other character. No number reads as 0; a value
// beyond double range reads as an infinity (or 0 when it is too small).
double leadingNumber(QStringView text);

// Reads a typed swim time as seconds: minutes and seconds split at the first
// ":", else ";", else "-", else the first of at least two "."; or plain
// seconds. Never fails: text that is no time reads as a number, often 0.
// A value beyond single precision (say 1e50) reads as infinity, which
// Seconds_To_Time rejects; so does a text whose parts overflow in opposite
// directions.
float Time_To_Seconds(QStringView text);

// The seconds as swim-time text ("1:05.30", "05.30", "60:00.00"), the empty
// text for exactly 0, or nothing for a time over one hour or no number at
// all (an infinity or NaN).
//
// The seconds left after the whole minutes are rounded to hundredths as the
// decimal they stand for in single precision (the shortest decimal that
// reads back as the same single, so 59.995 is 59.995 and not the
// 59.99499... the single holds), halves away from zero: 0.125 is written
// 00.13 and 59.995 carries to the next minute.
std::optional<QString> swimTimeText(float seconds);
