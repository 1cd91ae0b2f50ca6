#include "clubrecords/cardblocks.h"
#include "clubrecords/recordcards.h"

#include "store/kelvaneerror.h"

#include <QTest>

#include <functional>

namespace {

constexpr int noError = 0;
constexpr int overflow = int(store::ErrorNumber::Overflow);
constexpr int typeMismatch = int(store::ErrorNumber::TypeMismatch);
constexpr int subscriptOutOfRange = int(store::ErrorNumber::SubscriptOutOfRange);

int errorOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const store::KelvaneError& error) {
        return error.number();
    }
    return noError;
}

ClubSetup standardSetup() {
    ClubSetup setup;
    setup.freestyleCode = QStringLiteral("FS");
    setup.butterflyCode = QStringLiteral("BF");
    setup.breaststrokeCode = QStringLiteral("BR");
    setup.backstrokeCode = QStringLiteral("BK");
    setup.medleyCode = QStringLiteral("IM");
    const QStringList labels = {"", "9", "10", "11", "12", "13"};
    for (int i = 0; i < labels.size(); ++i)
        setup.ageGroupLabels[size_t(i)] = labels[i];
    setup.ageGroupCount = 5;
    return setup;
}

std::optional<QDate> dateOrNone(const QDate& date) {
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

} // namespace

class TestCardRules : public QObject {
    Q_OBJECT

private slots:
    void cardBlocks_data();
    void cardBlocks();
    void blockArithmeticOverflows_data();
    void blockArithmeticOverflows();
    void filter_data();
    void filter();
    void badBoundIsATypeMismatch_data();
    void badBoundIsATypeMismatch();
    void ageGroupTexts_data();
    void ageGroupTexts();
    void openGroupOutsideTheTable();
    void strokeNames_data();
    void strokeNames();
    void previewTextBytes();
    void previewOfOverallCard();
};

void TestCardRules::cardBlocks_data() {
    QTest::addColumn<bool>("boys");
    QTest::addColumn<bool>("acr");
    QTest::addColumn<qint16>("d");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("boys ACRs, D 6") << true << true << qint16(6) << 4 << 6;
    QTest::newRow("girls ACRs, D 6") << false << true << qint16(6) << 1 << 3;
    QTest::newRow("girls overall, D 6, N 17") << false << false << qint16(6) << 7 << 23;
    QTest::newRow("boys overall, D 6, N 17") << true << false << qint16(6) << 24 << 40;
    QTest::newRow("girls ACRs, D 5: half rounds down to even") << false << true << qint16(5) << 1 << 2;
    QTest::newRow("boys ACRs, D 5: card 3 in neither block") << true << true << qint16(5) << 4 << 5;
    QTest::newRow("girls ACRs, D 7: half rounds up to even") << false << true << qint16(7) << 1 << 4;
    QTest::newRow("boys ACRs, D 7: card 4 in both blocks") << true << true << qint16(7) << 4 << 7;
    QTest::newRow("girls ACRs, D 0: empty") << false << true << qint16(0) << 1 << 0;
    QTest::newRow("boys ACRs, D 0: empty") << true << true << qint16(0) << 1 << 0;
    QTest::newRow("girls overall, D 0") << false << false << qint16(0) << 1 << 17;
}

void TestCardRules::cardBlocks() {
    QFETCH(bool, boys);
    QFETCH(bool, acr);
    QFETCH(qint16, d);
    QFETCH(int, first);
    QFETCH(int, last);
    const qint16 n = overallCardsPerSex(3, 2, 3);  // P 3, Q 2, R 3
    QCOMPARE(n, qint16(17));
    const CardBlock block = acr ? acrBlock(boys, d) : overallBlock(boys, d, n);
    QCOMPARE(int(block.first), first);
    QCOMPARE(int(block.last), last);
}

void TestCardRules::blockArithmeticOverflows_data() {
    QTest::addColumn<std::function<void()>>("work");
    QTest::addColumn<int>("error");
    using Work = std::function<void()>;
    QTest::newRow("4 x P beyond 16 bits") << Work([] { overallCardsPerSex(8192, 0, 0); }) << overflow;
    QTest::newRow("4 x P at the limit") << Work([] { overallCardsPerSex(8191, 3, 0); }) << noError;
    QTest::newRow("N beyond 16 bits by R") << Work([] { overallCardsPerSex(8191, 3, 1); }) << overflow;
    QTest::newRow("D + N beyond 16 bits") << Work([] { overallBlock(false, 32000, 768); }) << overflow;
    QTest::newRow("D + N + 1 beyond 16 bits") << Work([] { overallBlock(true, 32000, 767); }) << overflow;
    QTest::newRow("2 x N beyond 16 bits") << Work([] { overallBlock(true, 0, 16384); }) << overflow;
    QTest::newRow("D + 2 x N beyond 16 bits") << Work([] { overallBlock(true, 30000, 1384); }) << overflow;
    QTest::newRow("boys ACR start of the largest D") << Work([] { acrBlock(true, 32767); }) << noError;
    QTest::newRow("negative counts stay in range") << Work([] { overallCardsPerSex(-8192, 0, 0); }) << noError;
}

void TestCardRules::blockArithmeticOverflows() {
    QFETCH(std::function<void()>, work);
    QFETCH(int, error);
    QCOMPARE(errorOf(work), error);
}

void TestCardRules::filter_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("finish");
    QTest::addColumn<qint16>("undated");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("passes");
    const QString open = openStartMarker, close = openFinishMarker;
    const QString start = QStringLiteral("01/09/04"), finish = QStringLiteral("31/08/05");
    QTest::newRow("inside the bounds") << start << finish << qint16(0) << QDate(2005, 1, 1) << true;
    QTest::newRow("on the start day") << start << finish << qint16(0) << QDate(2004, 9, 1) << false;
    QTest::newRow("on the finish day") << start << finish << qint16(0) << QDate(2005, 8, 31) << false;
    QTest::newRow("day after start") << start << finish << qint16(0) << QDate(2004, 9, 2) << true;
    QTest::newRow("day before finish") << start << finish << qint16(0) << QDate(2005, 8, 30) << true;
    QTest::newRow("before the start") << start << finish << qint16(1) << QDate(2003, 1, 1) << false;
    QTest::newRow("undated, flag 1") << start << finish << qint16(1) << QDate() << true;
    QTest::newRow("undated, flag 0") << start << finish << qint16(0) << QDate() << false;
    QTest::newRow("undated, flag 0, open bounds") << open << close << qint16(0) << QDate() << false;
    QTest::newRow("undated, flag 2 is not 1") << open << close << qint16(2) << QDate() << false;
    QTest::newRow("open bounds, old date") << open << close << qint16(0) << QDate(1931, 1, 1) << true;
    QTest::newRow("open start") << open << finish << qint16(0) << QDate(1950, 1, 1) << true;
    QTest::newRow("open finish") << start << close << qint16(0) << QDate(2029, 12, 31) << true;
    QTest::newRow("1925 bound read as 2025") << QStringLiteral("01/06/25") << close << qint16(0)
                                            << QDate(2005, 1, 1) << false;
    QTest::newRow("start after finish") << finish << start << qint16(0) << QDate(2005, 1, 1) << false;
}

void TestCardRules::filter() {
    QFETCH(QString, start);
    QFETCH(QString, finish);
    QFETCH(qint16, undated);
    QFETCH(QDate, date);
    QFETCH(bool, passes);
    QCOMPARE(dateFilter(start, finish, undated).passes(dateOrNone(date)), passes);
}

void TestCardRules::badBoundIsATypeMismatch_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("finish");
    QTest::newRow("empty start") << QString() << openFinishMarker;
    QTest::newRow("finish marker as start") << openFinishMarker << openFinishMarker;
    QTest::newRow("start marker as finish") << openStartMarker << openStartMarker;
    QTest::newRow("no such day") << QStringLiteral("31/09/05") << openFinishMarker;
    QTest::newRow("words") << openStartMarker << QStringLiteral("end of term");
}

void TestCardRules::badBoundIsATypeMismatch() {
    QFETCH(QString, start);
    QFETCH(QString, finish);
    QCOMPARE(errorOf([&] { dateFilter(start, finish, 0); }), typeMismatch);
}

void TestCardRules::ageGroupTexts_data() {
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("text");
    QTest::newRow("open group, five groups") << "Op" << "Over 12";
    QTest::newRow("overall") << "Ov" << "Overall";
    QTest::newRow("youngest label") << "9" << "9/Under";
    QTest::newRow("other group") << "11" << "Age 11";
    QTest::newRow("case matters") << "op" << "Age op";
    QTest::newRow("empty") << "" << "Age ";
}

void TestCardRules::ageGroupTexts() {
    QFETCH(QString, age);
    QFETCH(QString, text);
    QCOMPARE(ageGroupText(standardSetup(), age), text);
}

void TestCardRules::openGroupOutsideTheTable() {
    ClubSetup setup = standardSetup();
    const auto openGroup = [&] { ageGroupText(setup, QStringLiteral("Op")); };
    setup.ageGroupCount = 0;
    QCOMPARE(errorOf(openGroup), subscriptOutOfRange);
    setup.ageGroupCount = 23;
    QCOMPARE(errorOf(openGroup), subscriptOutOfRange);
    setup.ageGroupCount = 22;
    QCOMPARE(errorOf(openGroup), noError);
}

void TestCardRules::strokeNames_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("freestyle") << "FS" << "Freestyle";
    QTest::newRow("butterfly") << "BF" << "Butterfly";
    QTest::newRow("breaststroke") << "BR" << "Breaststroke";
    QTest::newRow("backstroke") << "BK" << "Backstroke";
    QTest::newRow("medley") << "IM" << "Ind Medley";
    QTest::newRow("lower case matches nothing") << "fs" << "";
    QTest::newRow("unknown code") << "XX" << "";
}

void TestCardRules::strokeNames() {
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(strokeName(standardSetup(), code), name);
}

void TestCardRules::previewTextBytes() {
    const ClubRecord record{"F", "12", "FS", "50", "Amy Hartley", "29.87", "25/12/04", "Chloe Barnes",
                            "30.12", "02/03/05"};
    QCOMPARE(CardPreview().text(record).toUtf8(), QByteArray("Sex       F\r\n"
                                                             "Age       12\r\n"
                                                             "Stroke    FS\r\n"
                                                             "Dist      50\r\n"
                                                             "Rec:Name  Amy Hartley\r\n"
                                                             "    Time  29.87\r\n"
                                                             "    Date  25/12/04\r\n"
                                                             "Year:Name Chloe Barnes\r\n"
                                                             "     Time 30.12\r\n"
                                                             "     Date 02/03/05"));
}

void TestCardRules::previewOfOverallCard() {
    const ClubRecord record{"M", "Ov", "BK", "200", "", "", "", "", "", ""};
    QCOMPARE(CardPreview().text(record).toUtf8(), QByteArray("Sex       M\r\n"
                                                             "Overall Club Record\r\n"
                                                             "Stroke    BK\r\n"
                                                             "Dist      200\r\n"
                                                             "Rec:Name  \r\n"
                                                             "    Time  \r\n"
                                                             "    Date  \r\n"
                                                             "Year:Name \r\n"
                                                             "     Time \r\n"
                                                             "     Date "));
}

QTEST_APPLESS_MAIN(TestCardRules)
#include "tst_cardrules.moc"
