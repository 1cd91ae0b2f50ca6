#pragma once

#include <QtGlobal>

namespace store {

// Windows keep small numbers (sequence numbers, counts, card indices) in 16
// bits; anything outside that range is an "Overflow" error, never a wrap.
qint16 toInt16(qint64 value);

// Rounds to the nearest whole number, an exact half going to the even
// neighbour, and checks the 16-bit range.
qint16 roundToInt16(double value);

} // namespace store
