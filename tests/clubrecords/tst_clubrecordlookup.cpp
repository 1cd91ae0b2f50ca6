#include "clubfixture.h"
#include "testengine.h"

#include "clubrecords/recordbook.h"
#include "clubrecords/recordcards.h"

#include "print/recordingprinter.h"

#include "store/kelvaneerror.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <functional>

namespace {

int errorOf(const std::function<void()>& work, QString* description = nullptr) {
    try {
        work();
    } catch (const store::KelvaneError& error) {
        if (description)
            *description = error.description();
        return error.number();
    }
    return 0;
}

int clubRecordCount(const ClubFixture& fixture) {
    int count = -1;
    withTestConnection(fixture.path(), [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (query.exec(QStringLiteral("SELECT count(*) FROM \"Club Records\"")) && query.next())
            count = query.value(0).toInt();
    });
    return count;
}

RecordLookup lookUp(RecordBook& book, const CardKey& key) {
    return book.read({key}).front().lookup();
}

ClubRecord recordOf(RecordBook& book, const CardKey& key) {
    return std::get<ClubRecord>(lookUp(book, key));
}

} // namespace

class TestClubRecordLookup : public QObject {
    Q_OBJECT

private slots:
    void oneRowGivesTheRecord();
    void noRowGivesTheKeyAndAnEmptyRecord();
    void twoRowsAreSeveralRecords();
    void nullColumnsGiveEmptyTexts();
    void datesComeBackAsShortDates_data();
    void datesComeBackAsShortDates();
    void aTextThatIsNoDateIsATypeMismatchWhenLookedUp();
    void keysAreBoundNotSpliced();
    void keysAreReadInTheirOrder();
    void cardsAreFoundByIndex();
    void cardsOutsideTheListAreAnError();
    void withoutClubDatabaseOnlyNothingCanBeRead();
    void missingQueryIsAnError();
    void savedQueryThatDoesMoreThanReadIsRefused_data();
    void savedQueryThatDoesMoreThanReadIsRefused();
    void setupIsLoaded();
    void setupMustMatchTheCards();
};

void TestClubRecordLookup::oneRowGivesTheRecord() {
    ClubFixture fixture;
    fixture.addRecord({"F", "12", "S1", "50", "Amy Hartley", "29.87", QDate(2004, 12, 25), "Chloe Barnes",
                       "30.12", QDate(2005, 3, 2)});
    RecordBook book = fixture.book();
    QCOMPARE(recordOf(book, {"F", "12", "S1", "50"}),
             (ClubRecord{"F", "12", "S1", "50", "Amy Hartley", "29.87", "25/12/04", "Chloe Barnes",
                         "30.12", "02/03/05"}));
}

void TestClubRecordLookup::noRowGivesTheKeyAndAnEmptyRecord() {
    ClubFixture fixture;
    RecordBook book = fixture.book();
    QCOMPARE(recordOf(book, {"F", "Op", "IM", "100"}),
             (ClubRecord{"F", "Op", "IM", "100", "", "", "", "", "", ""}));
}

void TestClubRecordLookup::twoRowsAreSeveralRecords() {
    ClubFixture fixture;
    fixture.addRecord(recordRow("F", "12", "S1", "50", "Amy Hartley", "29.87", QDate(2004, 1, 1)));
    fixture.addRecord(recordRow("F", "12", "S1", "50", "Lucy Wright", "29.90", QDate(2003, 1, 1)));
    RecordBook book = fixture.book();
    const CardKey key{"F", "12", "S1", "50"};
    QCOMPARE(lookUp(book, key), RecordLookup(SeveralRecords{key}));
    QCOMPARE(severalRecordsText(key),
             QStringLiteral("Multiple records exist for F 12 S1 50 - Cannot continue"));
}

void TestClubRecordLookup::nullColumnsGiveEmptyTexts() {
    ClubFixture fixture;
    fixture.addRecord({"M", "Ov", "FS", "1500", QVariant(), "17:02.55", QVariant(), "Sam Okafor", QVariant(),
                       QDate(2005, 7, 9)});
    RecordBook book = fixture.book();
    QCOMPARE(
        recordOf(book, {"M", "Ov", "FS", "1500"}),
        (ClubRecord{"M", "Ov", "FS", "1500", "", "17:02.55", "", "Sam Okafor", "", "09/07/05"}));
}

void TestClubRecordLookup::datesComeBackAsShortDates_data() {
    QTest::addColumn<QDate>("stored");
    QTest::addColumn<QString>("text");
    QTest::newRow("Christmas 2004") << QDate(2004, 12, 25) << "25/12/04";
    QTest::newRow("1925 keeps two digits") << QDate(1925, 6, 1) << "01/06/25";
    QTest::newRow("leading zeros") << QDate(1999, 1, 9) << "09/01/99";
}

void TestClubRecordLookup::datesComeBackAsShortDates() {
    QFETCH(QDate, stored);
    QFETCH(QString, text);
    ClubFixture fixture;
    fixture.addRecord(recordRow("F", "9", "BR", "50", "Katie Dunn", "48.10", stored));
    RecordBook book = fixture.book();
    QCOMPARE(recordOf(book, {"F", "9", "BR", "50"}).Record_Date, text);
}

// Read with the rest of its sheet, and an error only at its own turn.
void TestClubRecordLookup::aTextThatIsNoDateIsATypeMismatchWhenLookedUp() {
    if (testingPostgres())
        QSKIP("a server's date column holds dates only");
    ClubFixture fixture;
    fixture.exec(QStringLiteral("INSERT INTO \"Club Records\" (Sex, Age, Stroke, Distance, \"Record Date\")"
                                " VALUES ('F', '9', 'BR', '50', 'last summer')"));
    RecordBook book = fixture.book();
    const std::vector<KeyRows> read = book.read({{"F", "9", "BR", "50"}, {"F", "9", "BR", "100"}});
    QCOMPARE(errorOf([&] { (void)read[0].lookup(); }), int(store::ErrorNumber::TypeMismatch));
    QCOMPARE(std::get<ClubRecord>(read[1].lookup()).Distance, QStringLiteral("100"));
}

void TestClubRecordLookup::keysAreBoundNotSpliced() {
    ClubFixture fixture;
    fixture.addRecord(recordRow("F", "12", "FS", "50", "Amy Hartley", "29.87", QDate()));
    RecordBook book = fixture.book();
    const ClubRecord record = recordOf(book, {"F' OR '1'='1", "12", "FS", "50"});
    QCOMPARE(record.Record_Holder, QString());
    QCOMPARE(record.Sex, QStringLiteral("F' OR '1'='1"));
}

// More keys than one read takes, each with its own record.
void TestClubRecordLookup::keysAreReadInTheirOrder() {
    ClubFixture fixture;
    std::vector<CardKey> keys;
    for (int i = 1; i <= 30; ++i) {
        keys.push_back({"M", "Ov", "FS", QString::number(i)});
        if (i % 3 != 0)
            fixture.addRecord(recordRow("M", "Ov", "FS", QString::number(i),
                                        "H" + QString::number(i), "1:00.00", QDate()));
    }
    fixture.addRecord(recordRow("M", "Ov", "FS", "13", "Again", "1:00.00", QDate()));
    RecordBook book = fixture.book();
    const std::vector<KeyRows> read = book.read(keys);
    QCOMPARE(read.size(), keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        const RecordLookup found = read[i].lookup();
        const int distance = int(i) + 1;
        if (distance == 13) {
            QCOMPARE(found, RecordLookup(SeveralRecords{keys[i]}));
            continue;
        }
        const ClubRecord& record = std::get<ClubRecord>(found);
        QCOMPARE(record.Distance, keys[i].distance);
        QCOMPARE(record.Record_Holder,
                 distance % 3 == 0 ? QString() : "H" + QString::number(distance));
    }
}

void TestClubRecordLookup::cardsAreFoundByIndex() {
    ClubFixture fixture;
    fixture.addRecord(recordRow("F", "9", "FS", "50", "Ellie Walsh", "38.02", QDate(2001, 5, 5)));
    fixture.addRecord(recordRow("M", "Ov", "IM", "400", "Owen Griffiths", "4:58.61", QDate(2003, 2, 2)));
    RecordBook book = fixture.book();
    const ClubSetup& setup = book.setup();
    const auto last = qint16(setup.cardKeys.size());
    QCOMPARE(recordOf(book, setup.cards(1, 1).front()).Record_Holder,
             QStringLiteral("Ellie Walsh"));
    QCOMPARE(
        recordOf(book, setup.cards(last, last).front()),
        (ClubRecord{"M", "Ov", "IM", "400", "Owen Griffiths", "4:58.61", "02/02/03", "", "", ""}));
    QCOMPARE(setup.cards(36, 36),
             (std::vector<CardKey>{{"M", "9", "FS", "50"}})); // the first boys' ACR card
    QCOMPARE(setup.cards(35, 37).size(), size_t(3));
}

void TestClubRecordLookup::cardsOutsideTheListAreAnError() {
    ClubFixture fixture;
    const ClubSetup setup = fixture.setup();
    const auto size = qint16(setup.cardKeys.size());
    const int subscript = int(store::ErrorNumber::SubscriptOutOfRange);
    QCOMPARE(errorOf([&] { (void)setup.cards(0, 1); }), subscript);
    QCOMPARE(errorOf([&] { (void)setup.cards(size, qint16(size + 1)); }), subscript);
    QCOMPARE(errorOf([&] { (void)setup.cards(-1, -1); }), subscript);
    QVERIFY(setup.cards(1, 0).empty());
}

// An empty block reads nothing, so it needs no club database.
void TestClubRecordLookup::withoutClubDatabaseOnlyNothingCanBeRead() {
    RecordBook book;
    QVERIFY(book.read({}).empty());
    QCOMPARE(errorOf([&] {
                 book.read({{"F", "9", "BR", "50"}});
             }),
             int(store::ErrorNumber::ObjectClosed));
}

void TestClubRecordLookup::missingQueryIsAnError() {
    ClubFixture fixture;
    RecordBook book = fixture.book(fixture.setup());
    fixture.exec(QStringLiteral("DELETE FROM \"Saved Queries\""));
    QCOMPARE(errorOf([&] {
                 book.read({{"F", "9", "BR", "50"}});
             }),
             int(store::ErrorNumber::ItemNotFound));
}

void TestClubRecordLookup::savedQueryThatDoesMoreThanReadIsRefused_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("engine");
    const QString keys =
        QStringLiteral("\"Sex\" = ? AND \"Age\" = ? AND \"Stroke\" = ? AND \"Distance\" = ?");
    QTest::newRow("copies the file elsewhere")
        << "VACUUM INTO 'DIR/copy' || substr(? || ? || ? || ?, 1, 0)"
        << "sqlite";
    QTest::newRow("makes another file")
        << "ATTACH DATABASE 'DIR/copy' || substr(? || ? || ? || ?, 1, 0) AS x"
        << "sqlite";
    QTest::newRow("deletes the records it reads")
        << QStringLiteral("DELETE FROM \"Club Records\" WHERE %1 RETURNING *").arg(keys) << "";
    QTest::newRow("deletes them inside a WITH")
        << QStringLiteral("WITH gone AS (DELETE FROM \"Club Records\" WHERE %1 RETURNING *) "
                          "SELECT * FROM gone")
               .arg(keys)
        << "postgresql";
    QTest::newRow("ends the read it runs in") << "COMMIT"
                                              << "sqlite";
}

// Nothing is printed, made or changed, and the error names the file and
// the query.
void TestClubRecordLookup::savedQueryThatDoesMoreThanReadIsRefused() {
    QFETCH(QString, sql);
    QFETCH(QString, engine);
    if (!engine.isEmpty() && (engine == QLatin1String("postgresql")) != testingPostgres())
        QSKIP("SQL of another engine");
    ClubFixture fixture;
    fixture.addRecord(recordRow("F", "9", "FS", "50", "Ellie Walsh", "38.02", QDate(2001, 5, 5)));
    sql.replace(QStringLiteral("DIR"), fixture.dir())
        .replace(QLatin1Char('\''), QStringLiteral("''"));
    fixture.exec(
        QStringLiteral("UPDATE \"Saved Queries\" SET \"Sql\" = '%1' WHERE \"Name\" = 'Club Record'")
            .arg(sql));
    RecordBook book = fixture.book(fixture.setup());
    print::RecordingPrinter printer;
    QString description;
    const auto print = [&] {
        Print_Record_Cards(printer, book, 1, 3, openStartMarker, openFinishMarker, 1,
                           {[](const QString&) {}, [](const CardKey&) {}});
    };
    QCOMPARE(errorOf(print, &description), int(store::ErrorNumber::ReadOnly));
    QVERIFY2(description.contains(fixture.path()) && description.contains(clubRecordQuery),
             qPrintable(description));
    QVERIFY(printer.printed().empty());
    QVERIFY(!QFile::exists(fixture.dir() + QStringLiteral("/copy")));
    QCOMPARE(clubRecordCount(fixture), 1);
}

void TestClubRecordLookup::setupIsLoaded() {
    ClubFixture fixture;
    const ClubSetup setup = fixture.setup();
    QCOMPARE(setup.freestyleCode, QStringLiteral("FS"));
    QCOMPARE(setup.medleyCode, QStringLiteral("IM"));
    QCOMPARE(setup.fontFaceH, QStringLiteral("Arial"));
    QCOMPARE(setup.ageGroupCount, qint16(7));
    QCOMPARE(setup.ageGroupLabels[1], QStringLiteral("9"));
    QCOMPARE(setup.ageGroupLabels[size_t(setup.ageGroupCount - 1)], QStringLiteral("14"));
    QCOMPARE(setup.acrCardCount, qint16(70));
    QCOMPARE(4 * setup.overallCountP + setup.overallCountQ + setup.overallCountR, 17);
    QCOMPARE(setup.cardKeys.size(), size_t(70 + 2 * 17));
    QCOMPARE(setup.cardKeys[70].age, QStringLiteral("Ov"));
    QCOMPARE(setup.cardKeys[70].sex, QStringLiteral("F"));
    QCOMPARE(setup.cardKeys[87].sex, QStringLiteral("M"));
}

void TestClubRecordLookup::setupMustMatchTheCards() {
    ClubFixture fixture;
    const auto setupError = [&] { return errorOf([&] { (void)fixture.setup(); }); };
    fixture.exec(QStringLiteral("UPDATE \"Club Setup\" SET \"Value\" = '71' WHERE \"Name\" = 'ACR_Card_Count'"));
    QCOMPARE(setupError(), int(store::ErrorNumber::DatabaseOperationFailed));
    fixture.exec(QStringLiteral("UPDATE \"Club Setup\" SET \"Value\" = 'many' WHERE \"Name\" = 'ACR_Card_Count'"));
    QCOMPARE(setupError(), int(store::ErrorNumber::TypeMismatch));
    fixture.exec(QStringLiteral("DELETE FROM \"Club Setup\" WHERE \"Name\" = 'ACR_Card_Count'"));
    QCOMPARE(setupError(), int(store::ErrorNumber::ItemNotFound));
}

QTEST_GUILESS_MAIN(TestClubRecordLookup)
#include "tst_clubrecordlookup.moc"
