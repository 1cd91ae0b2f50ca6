// The date rule that Validate_Date shows or rejects (normalisedDate), on
// any typed text and any day the program may run; the dates written by
// hand as Qt writes them.

#include "fuzzsupport.h"

#include "swimtime/daterules.h"

#include <QLocale>
#include <QRegularExpression>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QDate today = QDate(1930, 1, 1).addDays(input.ConsumeIntegralInRange<int>(0, 200 * 366));
    const QString text = QString::fromStdString(input.ConsumeRemainingBytesAsString());
    require(shortDateText(today) == today.toString(u"dd/MM/yy"), "a short date as Qt writes it",
            today.toString());
    require(compactDateText(today) == QLocale::c().toString(today, u"ddMMMyy"),
            "a compact date as Qt writes it", today.toString());

    if (const std::optional<QDate> date = readDate(text, today))
        require(date->isValid(), "a date read is a real date", text);

    const std::optional<QString> shown = normalisedDate(text, today);
    if (!shown)
        return 0;
    static const QRegularExpression shape(QStringLiteral("^[0-9]{2}/[0-9]{2}/[0-9]{2}$"));
    require(shape.match(*shown).hasMatch(), "a date is shown as dd/mm/yy", *shown);
    require(normalisedDate(*shown, today) == shown, "a date shown reads back unchanged",
            text + QStringLiteral(" -> ") + *shown);
    return 0;
}
