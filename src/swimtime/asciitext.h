#pragma once

#include <QChar>

namespace swimtime {

// Typed dates and times are read with ASCII rules only: other scripts'
// digits and letters that merely fold to ASCII are not part of a number or
// a month name.
constexpr bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }
constexpr bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
constexpr bool isAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

} // namespace swimtime
