#include "daterules.h"

#include "asciitext.h"

#include <QList>
#include <QLocale>

#include <array>

namespace swimtime {
namespace {

// Cuts the text into its fields. Between two fields stand blanks with at
// most one "/" or "-" among them; nothing may stand before the first field
// or after the last one but blanks.
std::optional<QList<QStringView>> dateFields(QStringView text) {
    QList<QStringView> fields;
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    while (i < text.size()) {
        const qsizetype start = i;
        while (i < text.size() && (isAsciiDigit(text[i]) || isAsciiLetter(text[i])))
            ++i;
        if (i == start)
            return std::nullopt;
        fields.append(text.sliced(start, i - start));
        int marks = 0;
        const qsizetype separatorStart = i;
        for (; i < text.size() && (isBlank(text[i]) || text[i] == u'/' || text[i] == u'-'); ++i) {
            if (!isBlank(text[i]))
                ++marks;
        }
        if (marks > 1 || (i == text.size() && marks > 0))
            return std::nullopt;
        if (i < text.size() && i == separatorStart)
            return std::nullopt;
    }
    return fields;
}

// The value of a field of minWidth to maxWidth ASCII digits, else -1.
int digitsValue(QStringView field, qsizetype minWidth, qsizetype maxWidth) {
    if (field.size() < minWidth || field.size() > maxWidth)
        return -1;
    int value = 0;
    for (QChar c : field) {
        if (!isAsciiDigit(c))
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

constexpr std::array<const char*, 12> monthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

int monthNumber(QStringView field) {
    if (const int number = digitsValue(field, 1, 2); number >= 0)
        return number;
    for (QChar c : field) {
        if (!isAsciiLetter(c))
            return -1;
    }
    for (int i = 0; i < int(monthNames.size()); ++i) {
        const QLatin1StringView name(monthNames[size_t(i)]);
        if (field.compare(name, Qt::CaseInsensitive) == 0 ||
            (field.size() == 3 && name.startsWith(field, Qt::CaseInsensitive)))
            return i + 1;
    }
    return -1;
}

int yearNumber(QStringView field) {
    if (const int twoDigits = digitsValue(field, 2, 2); twoDigits >= 0)
        return twoDigits < 30 ? 2000 + twoDigits : 1900 + twoDigits;
    return digitsValue(field, 4, 4);
}

// Dates are written for every card of a print: by hand, as Qt's general
// date formatting costs several times the rest of a card's texts.
void appendTwoDigits(QString& text, int number) {
    text += QChar(u'0' + number / 10);
    text += QChar(u'0' + number % 10);
}

bool inCommonEra(QDate date) { return date.isValid() && date.year() > 0; }

} // namespace
} // namespace swimtime

using namespace swimtime;

std::optional<QDate> readDate(QStringView text, QDate today) {
    const std::optional<QList<QStringView>> fields = dateFields(text);
    if (!fields || fields->size() < 2 || fields->size() > 3)
        return std::nullopt;
    const int day = digitsValue(fields->at(0), 1, 2);
    const int month = monthNumber(fields->at(1));
    const int year = fields->size() == 3 ? yearNumber(fields->at(2)) : today.year();
    if (day < 0 || month < 0 || year < 0)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QDate> Read_Compact_Date(QStringView text, QDate today) {
    QString spaced = text.mid(0, 2).toString();
    spaced += u' ';
    spaced += text.mid(2, 3);
    spaced += u' ';
    spaced += text.mid(5, 2);
    return readDate(spaced, today);
}

std::optional<QString> normalisedDate(QStringView text, QDate today) {
    const bool compact = text.size() == 7 && !text.contains(u'/') && !text.contains(u'\'');
    const std::optional<QDate> date = compact ? Read_Compact_Date(text, today) : readDate(text, today);
    if (!date)
        return std::nullopt;
    return shortDateText(*date);
}

QString shortDateText(QDate date) {
    if (!inCommonEra(date))
        return date.toString(u"dd/MM/yy");
    QString text;
    text.reserve(8);
    appendTwoDigits(text, date.day());
    text += u'/';
    appendTwoDigits(text, date.month());
    text += u'/';
    appendTwoDigits(text, date.year() % 100);
    return text;
}

QString compactDateText(QDate date) {
    if (!inCommonEra(date))
        return QLocale::c().toString(date, u"ddMMMyy");
    QString text;
    text.reserve(7);
    appendTwoDigits(text, date.day());
    text += QLatin1StringView(monthNames[size_t(date.month() - 1)]).first(3);
    appendTwoDigits(text, date.year() % 100);
    return text;
}
