#include "clubfixture.h"
#include "modalwatcher.h"
#include "testengine.h"

#include "clubrecords/clubrecordlookup.h"
#include "clubrecords/clubsetup.h"
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

const ClubRecord previous{"M", "10", "BK", "50", "Tom Fletcher", "41.20", "03/04/99", "", "", ""};

} // namespace

class TestClubRecordLookup : public QObject {
    Q_OBJECT

private slots:
    void oneRowFillsTheResult();
    void noRowKeepsTheKeyAndEmptiesTheRecord();
    void twoRowsLeaveTheResultAlone();
    void nullColumnsGiveEmptyTexts();
    void datesComeBackAsShortDates_data();
    void datesComeBackAsShortDates();
    void aTextThatIsNoDateIsATypeMismatch();
    void keysAreBoundNotSpliced();
    void switchedOffTouchesNothing();
    void fetchLooksUpTheCardsKey();
    void fetchOutsideTheCardsIsAnError();
    void missingQueryIsAnError();
    void savedQueryThatDoesMoreThanReadIsRefused_data();
    void savedQueryThatDoesMoreThanReadIsRefused();
    void setupIsLoaded();
    void setupMustMatchTheCards();
};

void TestClubRecordLookup::oneRowFillsTheResult() {
    ClubFixture fixture;
    fixture.addRecord({"F", "12", "S1", "50", "Amy Hartley", "29.87", QDate(2004, 12, 25), "Chloe Barnes",
                       "30.12", QDate(2005, 3, 2)});
    ModalWatcher watcher;
    QVERIFY(Lookup_Club_Record("F", "12", "S1", "50"));
    QCOMPARE(Club_Record_Result, (ClubRecord{"F", "12", "S1", "50", "Amy Hartley", "29.87", "25/12/04",
                                             "Chloe Barnes", "30.12", "02/03/05"}));
    QVERIFY(watcher.messages().isEmpty());
}

void TestClubRecordLookup::noRowKeepsTheKeyAndEmptiesTheRecord() {
    ClubFixture fixture;
    Club_Record_Result = previous;
    QVERIFY(Lookup_Club_Record("F", "Op", "IM", "100"));
    QCOMPARE(Club_Record_Result, (ClubRecord{"F", "Op", "IM", "100", "", "", "", "", "", ""}));
}

void TestClubRecordLookup::twoRowsLeaveTheResultAlone() {
    ClubFixture fixture;
    fixture.addRecord(recordRow("F", "12", "S1", "50", "Amy Hartley", "29.87", QDate(2004, 1, 1)));
    fixture.addRecord(recordRow("F", "12", "S1", "50", "Lucy Wright", "29.90", QDate(2003, 1, 1)));
    Club_Record_Result = previous;
    ModalWatcher watcher;
    QVERIFY(!Lookup_Club_Record("F", "12", "S1", "50"));
    QCOMPARE(watcher.messages(), QStringList({"Multiple records exist for F 12 S1 50 - Cannot continue"}));
    QCOMPARE(watcher.titles(), QStringList({"kelvane"}));
    QCOMPARE(Club_Record_Result, previous);
}

void TestClubRecordLookup::nullColumnsGiveEmptyTexts() {
    ClubFixture fixture;
    fixture.addRecord({"M", "Ov", "FS", "1500", QVariant(), "17:02.55", QVariant(), "Sam Okafor", QVariant(),
                       QDate(2005, 7, 9)});
    QVERIFY(Lookup_Club_Record("M", "Ov", "FS", "1500"));
    QCOMPARE(Club_Record_Result,
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
    QVERIFY(Lookup_Club_Record("F", "9", "BR", "50"));
    QCOMPARE(Club_Record_Result.Record_Date, text);
}

void TestClubRecordLookup::aTextThatIsNoDateIsATypeMismatch() {
    if (testingPostgres())
        QSKIP("a server's date column holds dates only");
    ClubFixture fixture;
    fixture.exec(QStringLiteral("INSERT INTO \"Club Records\" (Sex, Age, Stroke, Distance, \"Record Date\")"
                                " VALUES ('F', '9', 'BR', '50', 'last summer')"));
    Club_Record_Result = previous;
    QCOMPARE(errorOf([] { Lookup_Club_Record("F", "9", "BR", "50"); }), int(store::ErrorNumber::TypeMismatch));
    QCOMPARE(Club_Record_Result, previous);
}

void TestClubRecordLookup::keysAreBoundNotSpliced() {
    ClubFixture fixture;
    fixture.addRecord(recordRow("F", "12", "FS", "50", "Amy Hartley", "29.87", QDate()));
    QVERIFY(Lookup_Club_Record("F' OR '1'='1", "12", "FS", "50"));
    QCOMPARE(Club_Record_Result.Record_Holder, QString());
    QCOMPARE(Club_Record_Result.Sex, QStringLiteral("F' OR '1'='1"));
}

void TestClubRecordLookup::switchedOffTouchesNothing() {
    ClubFixture fixture;
    fixture.addRecord(recordRow("F", "12", "S1", "50", "Amy Hartley", "29.87", QDate()));
    fixture.addRecord(recordRow("F", "12", "S1", "50", "Lucy Wright", "29.90", QDate()));
    Club_Record_Result = previous;
    Club_Records_Off = true;
    Club_DB->close();  // any use of the database would now be an error
    ModalWatcher watcher;
    QVERIFY(Lookup_Club_Record("F", "12", "S1", "50"));
    QVERIFY(Fetch_Card_Record(1));
    QVERIFY(Fetch_Card_Record(32767));
    Club_Records_Off = false;
    QCOMPARE(Club_Record_Result, previous);
    QVERIFY(watcher.messages().isEmpty());
}

void TestClubRecordLookup::fetchLooksUpTheCardsKey() {
    ClubFixture fixture;
    fixture.addRecord(recordRow("F", "9", "FS", "50", "Ellie Walsh", "38.02", QDate(2001, 5, 5)));
    fixture.addRecord(recordRow("M", "Ov", "IM", "400", "Owen Griffiths", "4:58.61", QDate(2003, 2, 2)));
    QVERIFY(Fetch_Card_Record(1));
    QCOMPARE(Club_Record_Result.Record_Holder, QStringLiteral("Ellie Walsh"));
    QVERIFY(Fetch_Card_Record(qint16(Card_Keys.size())));
    QCOMPARE(Club_Record_Result, (ClubRecord{"M", "Ov", "IM", "400", "Owen Griffiths", "4:58.61", "02/02/03",
                                             "", "", ""}));
    QVERIFY(Fetch_Card_Record(36));  // the first boys' ACR card
    QCOMPARE(Club_Record_Result.Sex, QStringLiteral("M"));
    QCOMPARE(Club_Record_Result.Age, QStringLiteral("9"));
}

void TestClubRecordLookup::fetchOutsideTheCardsIsAnError() {
    ClubFixture fixture;
    const int subscript = int(store::ErrorNumber::SubscriptOutOfRange);
    QCOMPARE(errorOf([] { Fetch_Card_Record(0); }), subscript);
    QCOMPARE(errorOf([] { Fetch_Card_Record(qint16(Card_Keys.size() + 1)); }), subscript);
    QCOMPARE(errorOf([] { Fetch_Card_Record(-1); }), subscript);
}

void TestClubRecordLookup::missingQueryIsAnError() {
    ClubFixture fixture;
    fixture.exec(QStringLiteral("DELETE FROM \"Saved Queries\""));
    QCOMPARE(errorOf([] { Lookup_Club_Record("F", "9", "BR", "50"); }), int(store::ErrorNumber::ItemNotFound));
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
    print::RecordingPrinter printer;
    QString description;
    const auto print = [&] {
        Print_Record_Cards(printer, 1, 3, openStartMarker, openFinishMarker, 1,
                           [](const QString&) {});
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
    QCOMPARE(Freestyle_Code, QStringLiteral("FS"));
    QCOMPARE(Medley_Code, QStringLiteral("IM"));
    QCOMPARE(Font_Face_H, QStringLiteral("Arial"));
    QCOMPARE(Age_Group_Count, qint16(7));
    QCOMPARE(Age_Group_Labels[1], QStringLiteral("9"));
    QCOMPARE(Age_Group_Labels[size_t(Age_Group_Count - 1)], QStringLiteral("14"));
    QCOMPARE(ACR_Card_Count, qint16(70));
    QCOMPARE(4 * Overall_Count_P + Overall_Count_Q + Overall_Count_R, 17);
    QCOMPARE(Card_Keys.size(), size_t(70 + 2 * 17));
    QCOMPARE(Card_Keys[70].age, QStringLiteral("Ov"));
    QCOMPARE(Card_Keys[70].sex, QStringLiteral("F"));
    QCOMPARE(Card_Keys[87].sex, QStringLiteral("M"));
}

void TestClubRecordLookup::setupMustMatchTheCards() {
    ClubFixture fixture;
    fixture.exec(QStringLiteral("UPDATE \"Club Setup\" SET \"Value\" = '71' WHERE \"Name\" = 'ACR_Card_Count'"));
    QCOMPARE(errorOf([] { loadClubSetup(*Club_DB); }), int(store::ErrorNumber::DatabaseOperationFailed));
    fixture.exec(QStringLiteral("UPDATE \"Club Setup\" SET \"Value\" = 'many' WHERE \"Name\" = 'ACR_Card_Count'"));
    QCOMPARE(errorOf([] { loadClubSetup(*Club_DB); }), int(store::ErrorNumber::TypeMismatch));
    fixture.exec(QStringLiteral("DELETE FROM \"Club Setup\" WHERE \"Name\" = 'ACR_Card_Count'"));
    QCOMPARE(errorOf([] { loadClubSetup(*Club_DB); }), int(store::ErrorNumber::ItemNotFound));
}

QTEST_MAIN(TestClubRecordLookup)
#include "tst_clubrecordlookup.moc"
