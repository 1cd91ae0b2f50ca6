#include "swimtime/daterules.h"
#include "swimtime/timerules.h"

#include <QLocale>
#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>

Q_DECLARE_METATYPE(std::optional<QString>)

namespace QTest {
template <>
char* toString(const std::optional<QString>& text) {
    return text ? toString(*text) : qstrdup("(rejected)");
}
} // namespace QTest

namespace {

constexpr float infinity = std::numeric_limits<float>::infinity();
constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();

// "Today" for every row that leaves out the year: a leap year.
const QDate leapToday(2024, 3, 15);

QString repeated(const char* piece, int times) { return QString::fromLatin1(piece).repeated(times); }

QString withNul(const char* before, const char* after) {
    return QString::fromLatin1(before) + QChar(u'\0') + QString::fromLatin1(after);
}

const std::optional<QString> rejected = std::nullopt;

} // namespace

class TestSwimTimeRules : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void decimalCommaLocaleIsInEffect();
    void normalisedDate_data();
    void normalisedDate();
    void dayAndMonthMeanTodaysYear_data();
    void dayAndMonthMeanTodaysYear();
    void twoDigitYearWindow_data();
    void twoDigitYearWindow();
    void compactDate();
    void dateTexts_data();
    void dateTexts();
    void leadingNumber_data();
    void leadingNumber();
    void timeToSeconds_data();
    void timeToSeconds();
    void swimTimeText_data();
    void swimTimeText();
    void typedTimeWrittenBack_data();
    void typedTimeWrittenBack();
};

void TestSwimTimeRules::initTestCase() {
    qInfo("Qt locale %s, C numeric locale %s", qPrintable(QLocale().name()), std::setlocale(LC_NUMERIC, nullptr));
}

// The second run of this test sets LC_ALL=de_DE.UTF-8; every row must then
// give the same results as under the C locale.
void TestSwimTimeRules::decimalCommaLocaleIsInEffect() {
    if (!qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("de_DE")))
        QSKIP("not the decimal-comma run");
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    if (QByteArray(std::setlocale(LC_NUMERIC, nullptr)).startsWith("de_DE"))
        QCOMPARE(*std::localeconv()->decimal_point, ',');
    else
        qWarning("de_DE.UTF-8 is not generated on this machine: only Qt's locale is German");
}

void TestSwimTimeRules::normalisedDate_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QString>>("expected");
    const std::optional<QString> firstSep05 = QStringLiteral("01/09/05");

    QTest::newRow("compact upper case") << "01SEP05" << firstSep05;
    QTest::newRow("compact lower case") << "01sep05" << firstSep05;
    QTest::newRow("compact mixed case") << "01sEp05" << firstSep05;
    QTest::newRow("compact with a month number") << "01 9 05" << firstSep05;
    QTest::newRow("seven characters with dashes are cut: 1-09-05") << "1-09-05" << firstSep05;
    QTest::newRow("seven characters, one-digit year") << "1-Sep-5" << rejected;
    QTest::newRow("seven characters with apostrophe are not cut") << "1Sep'05" << rejected;
    QTest::newRow("seven characters with slash are not cut") << "01/9/05" << firstSep05;
    QTest::newRow("compact form needs seven characters") << "01SEP2005" << rejected;
    QTest::newRow("compact, impossible day") << "31APR05" << rejected;

    QTest::newRow("1 Sep 05") << "1 Sep 05" << firstSep05;
    QTest::newRow("1-9-05") << "1-9-05" << firstSep05;
    QTest::newRow("01/09/2005") << "01/09/2005" << firstSep05;
    QTest::newRow("1/9/05") << "1/9/05" << firstSep05;
    QTest::newRow("normalised text comes back unchanged") << "01/09/05" << firstSep05;
    QTest::newRow("full month name") << "1 September 2005" << firstSep05;
    QTest::newRow("month name in odd case") << "1 sEPTEMBER 05" << firstSep05;
    QTest::newRow("May is full and short") << "3 may 99" << std::optional<QString>("03/05/99");
    QTest::newRow("blanks around the date") << "  1/9/05\t " << firstSep05;
    QTest::newRow("blanks around separators") << "1 / 9 -  05" << firstSep05;
    QTest::newRow("tabs and line feeds as blanks") << "1\t9\n05" << firstSep05;
    QTest::newRow("mixed separators") << "1/9-05" << firstSep05;
    QTest::newRow("four-digit year of another century") << "1/9/1905" << firstSep05;
    QTest::newRow("long trailing blanks") << "1/9/05" + repeated(" ", 10000) << firstSep05;

    QTest::newRow("29/02/00 (2000 is a leap year)") << "29/02/00" << std::optional<QString>("29/02/00");
    QTest::newRow("29/02/30 (1930 is not)") << "29/02/30" << rejected;
    QTest::newRow("29/02/04") << "29/02/04" << std::optional<QString>("29/02/04");
    QTest::newRow("29/02/05") << "29/02/05" << rejected;
    QTest::newRow("29/02/1900 (century)") << "29/02/1900" << rejected;
    QTest::newRow("31/04/05") << "31/04/05" << rejected;
    QTest::newRow("31/09/05") << "31/09/05" << rejected;
    QTest::newRow("00/01/05") << "00/01/05" << rejected;
    QTest::newRow("month 0") << "1/0/05" << rejected;
    QTest::newRow("month 13") << "1/13/05" << rejected;
    QTest::newRow("day 32") << "32/1/05" << rejected;
    QTest::newRow("year 0000") << "1/1/0000" << rejected;

    QTest::newRow("empty text") << "" << rejected;
    QTest::newRow("only blanks") << "   \t " << rejected;
    QTest::newRow("abc") << "abc" << rejected;
    QTest::newRow("day alone") << "15" << rejected;
    QTest::newRow("four fields") << "1/9/05/06" << rejected;
    QTest::newRow("doubled separator") << "1//9/05" << rejected;
    QTest::newRow("slash and dash together") << "1/-9/05" << rejected;
    QTest::newRow("trailing separator") << "1/9/05/" << rejected;
    QTest::newRow("leading separator") << "/1/9/05" << rejected;
    QTest::newRow("dots are no separator") << "1.9.2005" << rejected;
    QTest::newRow("apostrophe year") << "1 Sep '05" << rejected;
    QTest::newRow("one-digit year") << "1/9/5" << rejected;
    QTest::newRow("three-digit year") << "1/9/005" << rejected;
    QTest::newRow("five-digit year") << "1/9/20051" << rejected;
    QTest::newRow("three-digit day") << "001/9/05" << rejected;
    QTest::newRow("four-letter abbreviation") << "1 Sept 05" << rejected;
    QTest::newRow("month name in another language") << "1 Mai 05" << rejected;
    QTest::newRow("month first is not reordered") << "Sep 1 05" << rejected;
    QTest::newRow("month-day order is not reordered") << "12/31/05" << rejected;
    QTest::newRow("year first is not reordered") << "2005/09/01" << rejected;
    QTest::newRow("ordinal day") << "1st Sep 05" << rejected;
    QTest::newRow("signed day") << "+1/9/05" << rejected;
    QTest::newRow("time of day after the date") << "1/9/05 10:30" << rejected;
    QTest::newRow("words after the date") << "1/9/05 x" << rejected;
    QTest::newRow("full-width digits") << QString::fromUtf8("\uFF11/9/05") << rejected;
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\u0661/9/05") << rejected;
    QTest::newRow("long s folding to s") << QString::fromUtf8("1 \u017Fep 05") << rejected;
    QTest::newRow("embedded NUL at the end") << withNul("1/9/05", "") << rejected;
    QTest::newRow("embedded NUL inside") << withNul("1/9", "/05") << rejected;
    QTest::newRow("10000-digit year") << "1/9/" + repeated("0", 10000) << rejected;
    QTest::newRow("10000 blanks") << repeated(" ", 10000) << rejected;
}

void TestSwimTimeRules::normalisedDate() {
    QFETCH(QString, text);
    QFETCH(std::optional<QString>, expected);
    QCOMPARE(::normalisedDate(text, leapToday), expected);
}

void TestSwimTimeRules::dayAndMonthMeanTodaysYear_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<std::optional<QString>>("expected");
    QTest::newRow("digits") << "15/3" << leapToday << std::optional<QString>("15/03/24");
    QTest::newRow("month name") << "1 Sep" << leapToday << std::optional<QString>("01/09/24");
    QTest::newRow("29 February in a leap year") << "29-02" << leapToday << std::optional<QString>("29/02/24");
    QTest::newRow("29 February in another year") << "29-02" << QDate(2023, 6, 1) << rejected;
    QTest::newRow("year outside the two-digit window") << "1/1" << QDate(2031, 1, 1)
                                                       << std::optional<QString>("01/01/31");
}

void TestSwimTimeRules::dayAndMonthMeanTodaysYear() {
    QFETCH(QString, text);
    QFETCH(QDate, today);
    QFETCH(std::optional<QString>, expected);
    QCOMPARE(::normalisedDate(text, today), expected);
}

void TestSwimTimeRules::twoDigitYearWindow_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("year");
    QTest::newRow("00 is 2000") << "1/1/00" << 2000;
    QTest::newRow("29 is 2029") << "1/1/29" << 2029;
    QTest::newRow("30 is 1930") << "1/1/30" << 1930;
    QTest::newRow("99 is 1999") << "1/1/99" << 1999;
    QTest::newRow("four digits as written") << "1/1/1905" << 1905;
    QTest::newRow("four digits beyond the window") << "1/1/2095" << 2095;
}

void TestSwimTimeRules::twoDigitYearWindow() {
    QFETCH(QString, text);
    QFETCH(int, year);
    const std::optional<QDate> date = readDate(text, leapToday);
    QVERIFY(date);
    QCOMPARE(date->year(), year);
}

void TestSwimTimeRules::compactDate() {
    QCOMPARE(Read_Compact_Date(u"01SEP05", leapToday), std::optional<QDate>(QDate(2005, 9, 1)));
    QCOMPARE(Read_Compact_Date(u"29feb30", leapToday), std::nullopt);
}

void TestSwimTimeRules::dateTexts_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("shortText");
    QTest::addColumn<QString>("compactText");
    QTest::newRow("Christmas 2004") << QDate(2004, 12, 25) << "25/12/04" << "25Dec04";
    QTest::newRow("first of June") << QDate(2025, 6, 1) << "01/06/25" << "01Jun25";
    QTest::newRow("a century ago") << QDate(1925, 3, 7) << "07/03/25" << "07Mar25";
    QTest::newRow("year 5") << QDate(5, 1, 9) << "09/01/05" << "09Jan05";
    QTest::newRow("before the common era, as Qt writes it") << QDate(-5, 2, 3) << "03/02/-5" << "03Feb-5";
    QTest::newRow("no date") << QDate() << "" << "";
}

void TestSwimTimeRules::dateTexts() {
    QFETCH(QDate, date);
    QFETCH(QString, shortText);
    QFETCH(QString, compactText);
    QCOMPARE(shortDateText(date), shortText);
    QCOMPARE(compactDateText(date), compactText);
}

void TestSwimTimeRules::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("05.30") << "05.30" << 5.3;
    QTest::newRow("blanks inside the number") << " 1 2" << 12.0;
    QTest::newRow("blanks between sign, digits and exponent") << " - 1 . 5 e 1" << -15.0;
    QTest::newRow("7kg") << "7kg" << 7.0;
    QTest::newRow("abc") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("comma ends the number") << "1,5" << 1.0;
    QTest::newRow("second point ends the number") << "1.5.6" << 1.5;
    QTest::newRow("point first") << "-.5" << -0.5;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("sign alone") << "+" << 0.0;
    QTest::newRow("two signs") << "--5" << 0.0;
    QTest::newRow("exponent") << "1.5E2x" << 150.0;
    QTest::newRow("exponent without digits") << "7e+" << 7.0;
    QTest::newRow("no hexadecimal") << "0x10" << 0.0;
    QTest::newRow("no words for infinity") << "inf" << 0.0;
    QTest::newRow("no words for NaN") << "nan" << 0.0;
    QTest::newRow("overflowing exponent") << "1e400" << std::numeric_limits<double>::infinity();
    QTest::newRow("negative overflow") << "-1e400" << -std::numeric_limits<double>::infinity();
    QTest::newRow("underflowing exponent") << "1e-400" << 0.0;
    QTest::newRow("exponent with 20 digits") << "1e99999999999999999999" << std::numeric_limits<double>::infinity();
    QTest::newRow("negative exponent with 20 digits") << "1e-99999999999999999999" << 0.0;
    QTest::newRow("10000 nines") << repeated("9", 10000) << std::numeric_limits<double>::infinity();
    QTest::newRow("10000 zeros then 1.5") << repeated("0", 10000) + "1.5" << 1.5;
    QTest::newRow("a one 10000 places down") << "0." + repeated("0", 10000) + "1" << 0.0;
    QTest::newRow("large exponent cancelled by many zeros") << "0." + repeated("0", 400) + "1e401" << 1.0;
    QTest::newRow("full-width digits") << QString::fromUtf8("\uFF11\uFF12") << 0.0;
    QTest::newRow("NUL ends the number") << withNul("12", "34") << 12.0;
}

void TestSwimTimeRules::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::leadingNumber(text), value);
}

void TestSwimTimeRules::timeToSeconds_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("seconds");
    QTest::newRow("1:05.3") << "1:05.3" << 65.3f;
    QTest::newRow("1;05.3") << "1;05.3" << 65.3f;
    QTest::newRow("1-05.3") << "1-05.3" << 65.3f;
    QTest::newRow("1.05.3") << "1.05.3" << 65.3f;
    QTest::newRow("65.3") << "65.3" << 65.3f;
    QTest::newRow("1:") << "1:" << 60.0f;
    QTest::newRow(":30") << ":30" << 30.0f;
    QTest::newRow("1:2:3 takes the first colon") << "1:2:3" << 62.0f;
    QTest::newRow("-5 has the dash as separator") << "-5" << 5.0f;
    QTest::newRow("1,05 ends at the comma") << "1,05" << 1.0f;
    QTest::newRow("colon before a point") << "1.5:3" << 93.0f;
    QTest::newRow("colon before a semicolon") << "1;2:3" << 63.0f;
    QTest::newRow("semicolon before a dash") << "1-2;3" << 63.0f;
    QTest::newRow("first of many points") << "1.2.3.4" << 62.3f;
    QTest::newRow("blanks everywhere") << " 1 : 0 5 . 3 " << 65.3f;
    QTest::newRow("exponent in the seconds") << ":1e1" << 10.0f;
    QTest::newRow("dash of an exponent separates") << "1e-1" << 61.0f;
    QTest::newRow("negative seconds") << ":-5" << -5.0f;
    QTest::newRow("negative zero") << ":-0" << 0.0f;
    QTest::newRow("empty") << "" << 0.0f;
    QTest::newRow("whitespace") << " \t\n" << 0.0f;
    QTest::newRow("abc") << "abc" << 0.0f;
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\u0663:\u0660\u0665") << 0.0f;
    QTest::newRow("NUL inside the seconds") << withNul("1:3", "0") << 63.0f;
    QTest::newRow("largest single") << "3.4028234e38" << 3.4028234e38f;
    QTest::newRow("beyond single precision") << "1e39" << infinity;
    QTest::newRow("overflowing exponent") << "1e400" << infinity;
    QTest::newRow("overflowing minutes") << "1e37:0" << infinity;
    QTest::newRow("overflowing negative seconds") << ":-1e400" << -infinity;
    QTest::newRow("opposite overflows (NaN)") << "1e400:-1e400" << infinity;
    QTest::newRow("underflowing exponent") << ":1e-400" << 0.0f;
    QTest::newRow("10000 blanks then 5") << repeated(" ", 10000) + "5" << 5.0f;
    QTest::newRow("10000 colons") << repeated(":", 10000) << 0.0f;
    QTest::newRow("10000 points") << repeated(".", 10000) << 0.0f;
    QTest::newRow("10000 digits") << repeated("9", 10000) << infinity;
}

void TestSwimTimeRules::timeToSeconds() {
    QFETCH(QString, text);
    QFETCH(float, seconds);
    const float actual = Time_To_Seconds(text);
    QCOMPARE(actual, seconds);
    QVERIFY(!std::isnan(actual));
}

void TestSwimTimeRules::swimTimeText_data() {
    QTest::addColumn<float>("seconds");
    QTest::addColumn<std::optional<QString>>("text");
    const auto is = [](const char* text) { return std::optional<QString>(QString::fromLatin1(text)); };
    QTest::newRow("65.3") << 65.3f << is("1:05.30");
    QTest::newRow("5.5") << 5.5f << is("05.50");
    QTest::newRow("exactly one hour") << 3600.0f << is("60:00.00");
    QTest::newRow("just over one hour") << std::nextafter(3600.0f, 4000.0f) << rejected;
    QTest::newRow("3600.5") << 3600.5f << rejected;
    QTest::newRow("0.001") << 0.001f << is("00.00");
    QTest::newRow("-5") << -5.0f << is("-05.00");
    QTest::newRow("negatives keep no minutes") << -61.0f << is("-61.00");
    QTest::newRow("zero") << 0.0f << is("");
    QTest::newRow("negative zero") << -0.0f << is("");
    QTest::newRow("twelve minutes") << 720.0f << is("12:00.00");
    QTest::newRow("119.996 carries") << 119.996f << is("2:00.00");
    QTest::newRow("59.996 carries") << 59.996f << is("1:00.00");
    QTest::newRow("59.995 carries") << 59.995f << is("1:00.00");
    QTest::newRow("119.995 carries") << 119.995f << is("2:00.00");
    QTest::newRow("59.994 does not") << 59.994f << is("59.99");
    QTest::newRow("3599.996 carries to the hour") << 3599.996f << is("60:00.00");
    QTest::newRow("tie 0.125 rounds up") << 0.125f << is("00.13");
    QTest::newRow("tie 0.375 rounds up") << 0.375f << is("00.38");
    QTest::newRow("tie after a minute") << 60.125f << is("1:00.13");
    QTest::newRow("negative tie rounds away from zero") << -0.125f << is("-00.13");
    QTest::newRow("1.005 rounds as written") << 1.005f << is("01.01");
    QTest::newRow("0.0049 rounds down") << 0.0049f << is("00.00");
    QTest::newRow("tiny negative has no sign") << -0.004f << is("00.00");
    QTest::newRow("smallest single") << std::numeric_limits<float>::denorm_min() << is("00.00");
    QTest::newRow("lowest single") << std::numeric_limits<float>::lowest()
                                   << is("-340282346638528859811704183484516925440.00");
    QTest::newRow("largest single") << std::numeric_limits<float>::max() << rejected;
    QTest::newRow("infinity") << infinity << rejected;
    QTest::newRow("negative infinity") << -infinity << rejected;
    QTest::newRow("NaN") << notANumber << rejected;
}

void TestSwimTimeRules::swimTimeText() {
    QFETCH(float, seconds);
    QFETCH(std::optional<QString>, text);
    QCOMPARE(::swimTimeText(seconds), text);
}

void TestSwimTimeRules::typedTimeWrittenBack_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::optional<QString>>("written");
    const auto is = [](const char* text) { return std::optional<QString>(QString::fromLatin1(text)); };
    QTest::newRow("2:3") << "2:3" << is("2:03.00");
    QTest::newRow("65.3") << "65.3" << is("1:05.30");
    QTest::newRow("1.05.3") << "1.05.3" << is("1:05.30");
    QTest::newRow("1:5.3") << "1:5.3" << is("1:05.30");
    QTest::newRow("1:59.995") << "1:59.995" << is("2:00.00");
    QTest::newRow("3600") << "3600" << is("60:00.00");
    QTest::newRow("3600.01") << "3600.01" << rejected;
    QTest::newRow("61:00") << "61:00" << rejected;
    QTest::newRow("0") << "0" << is("");
    QTest::newRow("0:00") << "0:00" << is("");
    QTest::newRow("abc") << "abc" << is("");
    QTest::newRow("empty") << "" << is("");
    QTest::newRow("negative zero") << ":-0" << is("");
    QTest::newRow("dash of an exponent separates") << "1e-400" << is("7:40.00");
    QTest::newRow("underflow") << ":1e-400" << is("");
    QTest::newRow("overflowing exponent") << "1e400" << rejected;
    QTest::newRow("overflowing exponent after a dash") << "-1e400" << rejected;
    QTest::newRow("negative overflow") << ":-1e400" << rejected;
    QTest::newRow("opposite overflows (NaN)") << "1e400:-1e400" << rejected;
}

void TestSwimTimeRules::typedTimeWrittenBack() {
    QFETCH(QString, typed);
    QFETCH(std::optional<QString>, written);
    QCOMPARE(::swimTimeText(Time_To_Seconds(typed)), written);
}

QTEST_GUILESS_MAIN(TestSwimTimeRules)
#include "tst_swimtimerules.moc"
