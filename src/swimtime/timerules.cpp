#include "timerules.h"

#include "asciitext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace swimtime {
namespace {

constexpr float oneHour = 3600.0f;
constexpr double infinity = std::numeric_limits<double>::infinity();

// Walks a text while stepping over blanks, which count nowhere in a number.
class BlankSkippingReader {
public:
    explicit BlankSkippingReader(QStringView text)
        : m_text(text) {}

    QChar peek() {
        while (m_position < m_text.size() && isBlank(m_text[m_position]))
            ++m_position;
        return m_position < m_text.size() ? m_text[m_position] : QChar();
    }
    bool take(QChar c) {
        if (peek() != c)
            return false;
        ++m_position;
        return true;
    }
    // Takes an optional sign; true when it is a minus.
    bool takeSign() {
        if (take(u'-'))
            return true;
        take(u'+');
        return false;
    }
    // Appends the ASCII digits that follow; returns how many.
    qsizetype takeDigits(std::string& digits) {
        qsizetype count = 0;
        for (QChar c = peek(); isAsciiDigit(c); c = peek()) {
            digits.push_back(char(c.unicode()));
            ++m_position;
            ++count;
        }
        return count;
    }

private:
    QStringView m_text;
    qsizetype m_position = 0;
};

// Exponents are capped far beyond any double, so that reading one can
// neither overflow nor lose the direction it points in. An "e" without
// digits after it is no exponent; reading ends there anyway.
constexpr qint64 exponentCap = 1'000'000;

qint64 readExponent(BlankSkippingReader& reader) {
    if (!reader.take(u'e') && !reader.take(u'E'))
        return 0;
    const bool negative = reader.takeSign();
    std::string digits;
    if (reader.takeDigits(digits) == 0)
        return 0;
    qint64 exponent = 0;
    for (char digit : digits)
        exponent = std::min(exponentCap, exponent * 10 + (digit - '0'));
    return negative ? -exponent : exponent;
}

// The seconds as whole hundredths, rounded halves away from zero on the
// shortest decimal of the single: ASCII digits without leading zeros,
// padded to at least four.
std::string roundedHundredths(float magnitude) {
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::fixed);
    const std::string_view text(buffer.data(), written.ptr - buffer.data());
    const std::size_t point = text.find('.');
    std::string digits(text.substr(0, point));
    std::string fraction(point == std::string_view::npos ? std::string_view() : text.substr(point + 1));
    fraction.resize(3, '0');
    digits += fraction.substr(0, 2);
    if (fraction[2] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.size() < 4)
        digits.insert(0, 4 - digits.size(), '0');
    return digits;
}

qsizetype minutesSeparator(QStringView text) {
    for (QChar separator : {u':', u';', u'-'}) {
        if (const qsizetype at = text.indexOf(separator); at >= 0)
            return at;
    }
    const qsizetype firstPoint = text.indexOf(u'.');
    return firstPoint != text.lastIndexOf(u'.') ? firstPoint : -1;
}

} // namespace
} // namespace swimtime

using namespace swimtime;

double leadingNumber(QStringView text) {
    BlankSkippingReader reader(text);
    const bool negative = reader.takeSign();
    std::string digits;
    reader.takeDigits(digits);
    qsizetype fractionDigits = 0;
    if (reader.take(u'.'))
        fractionDigits = reader.takeDigits(digits);
    if (digits.empty())
        return 0.0;
    const qint64 exponent = readExponent(reader) - fractionDigits;
    const double sign = negative ? -1.0 : 1.0;

    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty())
        return sign * 0.0;
    // Where the leading digit stands: far outside double range either way,
    // the value is known without converting.
    const qint64 magnitude = qint64(digits.size()) + exponent;
    if (magnitude > 400)
        return sign * infinity;
    if (magnitude < -400)
        return sign * 0.0;
    const std::string number = digits + 'e' + std::to_string(exponent);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = magnitude > 0 ? infinity : 0.0;
    return sign * value;
}

float Time_To_Seconds(QStringView text) {
    const qsizetype separator = minutesSeparator(text);
    const double seconds = separator < 0
                               ? leadingNumber(text)
                               : leadingNumber(text.first(separator)) * 60.0 + leadingNumber(text.sliced(separator + 1));
    if (std::isnan(seconds) || seconds > std::numeric_limits<float>::max())
        return std::numeric_limits<float>::infinity();
    if (seconds < -std::numeric_limits<float>::max())
        return -std::numeric_limits<float>::infinity();
    return float(seconds);
}

std::optional<QString> swimTimeText(float seconds) {
    if (!std::isfinite(seconds) || seconds > oneHour)
        return std::nullopt;
    if (seconds == 0.0f)
        return QString();
    int minutes = 0;
    float remainder = seconds;
    // Exact in single precision: taking 60 from a single below 3600 leaves
    // a multiple of its own unit.
    while (remainder >= 60.0f) {
        ++minutes;
        remainder -= 60.0f;
    }
    std::string hundredths = roundedHundredths(std::fabs(remainder));
    if (remainder >= 0.0f && hundredths == "6000") {
        ++minutes;
        hundredths = "0000";
    }
    const bool negative = remainder < 0.0f && hundredths != "0000";
    hundredths.insert(hundredths.size() - 2, 1, '.');
    QString text = minutes > 0 ? QString::number(minutes) + u':' : QString();
    if (negative)
        text += u'-';
    return text + QString::fromLatin1(hundredths);
}
