// The swim-time rules under Time_To_Seconds and Seconds_To_Time: any typed
// text read as seconds, and any single written back as swim-time text.

#include "fuzzsupport.h"

#include "swimtime/timerules.h"

#include <QRegularExpression>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

constexpr float oneHour = 3600.0f;

// Minutes and seconds below the hour, the full hour, or seconds alone
// (negative seconds keep their sign and every digit of their size).
bool isSwimTime(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(
        "^(?:(?:[1-9]|[1-5][0-9]):[0-5][0-9]\\.[0-9]{2}|60:00\\.00|[0-5][0-9]\\.[0-9]{2}|-[0-9]{2,}\\.[0-9]{2})$"));
    return pattern.match(text).hasMatch();
}

QString described(float seconds, const QString& text) {
    return QStringLiteral("%1 -> \"%2\"").arg(double(seconds), 0, 'g', 9).arg(text);
}

// What Seconds_To_Time shows for these seconds, and that reading it back
// gives the same time.
void checkWrittenTime(float seconds) {
    const std::optional<QString> text = swimTimeText(seconds);
    const bool showable = std::isfinite(seconds) && seconds <= oneHour;
    require(text.has_value() == showable, "only a time over the hour or no number is rejected",
            described(seconds, text.value_or(QStringLiteral("(rejected)"))));
    if (!text)
        return;
    if (seconds == 0.0f) {
        require(text->isEmpty(), "zero is the empty time", *text);
        return;
    }
    require(isSwimTime(*text), "the text is a swim time", described(seconds, *text));

    // The dash of a negative time reads as the minutes separator, so
    // "-05.00" reads back as 5: only the size of a negative time survives.
    const float back = Time_To_Seconds(*text);
    const float tolerance = 0.005f + std::fabs(seconds) * 1e-6f;
    require(std::fabs(back - std::fabs(seconds)) <= tolerance, "the text reads back as the same time",
            described(seconds, *text) + QStringLiteral(" -> %1").arg(double(back), 0, 'g', 9));
    // "00.00" reads back as exactly nothing, which is the empty time.
    if (seconds > 0.0f && back != 0.0f)
        require(swimTimeText(back) == text, "the text read back is written the same",
                described(seconds, *text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const float seconds = Time_To_Seconds(typed);
    require(!std::isnan(seconds), "a typed text never reads as no number", typed);
    checkWrittenTime(seconds);

    if (size >= sizeof(float)) {
        float raw = 0.0f;
        std::memcpy(&raw, data, sizeof raw);
        checkWrittenTime(raw);
    }
    return 0;
}
