#include "announcerfixture.h"
#include "diskfaults.h"
#include "jetfixture.h"
#include "processmemory.h"
#include "specialfile.h"
#include "testengine.h"

#include "store/database.h"
#include "store/failure.h"
#include "store/int16.h"
#include "store/kelvaneerror.h"
#include "store/outcome.h"
#include "store/ownfile.h"
#include "store/regularfile.h"
#include "store/sqliteguard.h"

#include <QDir>
#include <QProcess>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstring>
#include <future>
#include <thread>

using store::ErrorNumber;
using store::KelvaneError;

namespace {

const QString announcer = QStringLiteral("announcer database");

int errorNumberOf(const std::function<void()>& work, QString* description = nullptr) {
    try {
        work();
    } catch (const KelvaneError& error) {
        if (description)
            *description = error.description();
        return error.number();
    }
    return 0;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Runs SQL on its own connection in its own thread, holding a transaction
// open for a while, as the meet-management program might; holding tells
// when it has its lock.
void holdTransaction(const QString& path, const QString& begin, int holdMs, bool* ok, std::promise<void>* holding) {
    const QString name = QStringLiteral("writer");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        *ok = query.exec(begin) &&
              query.exec(QStringLiteral("INSERT INTO Announcements (Sequence, Message) VALUES (99, 'late')"));
        holding->set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
        *ok = *ok && query.exec(QStringLiteral("COMMIT"));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// Saves a query in the file as a club database holds one, its parameters
// named in the order of its placeholders.
void saveQuery(const QString& path, const QString& name, const QString& sql,
               const QStringList& parameters) {
    const auto quoted = [](QString text) {
        return "'" + text.replace('\'', QStringLiteral("''")) + "'";
    };
    execOn(path,
           QStringLiteral("CREATE TABLE IF NOT EXISTS \"Saved Queries\" (Name TEXT, Sql TEXT)"));
    execOn(path,
           QStringLiteral("CREATE TABLE IF NOT EXISTS \"Saved Query Parameters\" (Query TEXT, "
                          "Name TEXT, Position INTEGER)"));
    execOn(path, QStringLiteral("INSERT INTO \"Saved Queries\" VALUES (%1, %2)")
                     .arg(quoted(name), quoted(sql)));
    for (int i = 0; i < parameters.size(); ++i)
        execOn(path, QStringLiteral("INSERT INTO \"Saved Query Parameters\" VALUES (%1, %2, %3)")
                         .arg(quoted(name), quoted(parameters[i]))
                         .arg(i + 1));
}

// Whether a program can write the file now, as the club's own writer would;
// a read lock left behind would hold it for the whole lock wait, and fail.
bool writerCanCommit(const QString& path) {
    try {
        execOn(path,
               QStringLiteral("INSERT INTO Announcements (Sequence, Message) VALUES (99, 'late')"));
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT

private slots:
    void walksRowsInRowSourceOrder();
    void nullValuesAndUnknownFields();
    void missingRowSourceIsAnError();
    void notADatabase_data();
    void notADatabase();
    void specialFileIsRefusedAtOnce_data();
    void specialFileIsRefusedAtOnce();
    void systemRefusalIsNotDamage_data();
    void systemRefusalIsNotDamage();
    void vanishedFileIsNotCreated();
    void fullDiskSaysWhatToDo();
    void runawayRowSourceIsStopped_data();
    void runawayRowSourceIsStopped();
    void savedQueryBindsItsParameters();
    void savedQueryErrors();
    void savedQueryReadsAlikeForEveryList();
    void savedQueryForManyListsIsBoundedAsOneRead_data();
    void savedQueryForManyListsIsBoundedAsOneRead();
    void closedDatabaseIsAnError();
    void answersHoldWhatTheySay();
    void cutWriteLeavesTheFileAsItWas_data();
    void cutWriteLeavesTheFileAsItWas();
    void dateColumnsComeBackAsDates();
    void otherProgramsCommitsStaySeen_data();
    void otherProgramsCommitsStaySeen();
    void readerWaitsForWriterTransaction_data();
    void readerWaitsForWriterTransaction();
    void int16Conversions_data();
    void int16Conversions();
};

void TestStore::walksRowsInRowSourceOrder() {
    AnnouncerFixture fixture;
    fixture.addRow(7, QStringLiteral("seven"));
    fixture.addRow(3, QStringLiteral("three"));
    auto db = store::openDatabase(fixture.path(), announcer);
    auto rows = db->openRecordset(QStringLiteral("Sorted Announcements"));
    QCOMPARE(rows->recordCount(), 2);
    QStringList seen;
    for (rows->moveFirst(); !rows->eof(); rows->moveNext())
        seen << rows->value(QStringLiteral("Sequence")).toString() + rows->value(QStringLiteral("Message")).toString();
    QCOMPARE(seen, QStringList({QStringLiteral("3three"), QStringLiteral("7seven")}));
    rows->close();
    QCOMPARE(errorNumberOf([&] { rows->moveFirst(); }), int(ErrorNumber::ObjectClosed));
}

void TestStore::nullValuesAndUnknownFields() {
    AnnouncerFixture fixture;
    fixture.addRow(QVariant(), QVariant());
    auto db = store::openDatabase(fixture.path(), announcer);
    auto rows = db->openRecordset(QStringLiteral("Sorted Announcements"));
    rows->moveFirst();
    QVERIFY(rows->value(QStringLiteral("Message")).isNull());
    QVERIFY(rows->value(QStringLiteral("Sequence")).isNull());
    QCOMPARE(errorNumberOf([&] { rows->value(QStringLiteral("message")); }), int(ErrorNumber::ItemNotFound));
    rows->moveNext();
    QVERIFY(rows->eof());
    QCOMPARE(errorNumberOf([&] { rows->value(QStringLiteral("Message")); }), int(ErrorNumber::NoCurrentRecord));
}

void TestStore::missingRowSourceIsAnError() {
    AnnouncerFixture fixture;
    auto db = store::openDatabase(fixture.path(), announcer);
    QString description;
    QCOMPARE(errorNumberOf([&] { db->openRecordset(QStringLiteral("Sorted Announcementz")); }, &description),
             int(ErrorNumber::CannotFindTableOrQuery));
    QVERIFY(description.contains(QStringLiteral("Sorted Announcementz")));
}

void TestStore::notADatabase_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("text") << QByteArray("Sequence,Message\r\n1,Hello\r\n");
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + 13) % 251);
    QTest::newRow("random bytes") << noise;
    QTest::newRow("sqlite header only") << QByteArray("SQLite format 3\0", 16) + QByteArray(84, '\0');
    const QString sample = QStringLiteral("announcer-jet4.mdb");
    const QByteArray jet = fileBytes(jetSamplePath(sample));
    QVERIFY_JET_SAMPLE(jet, sample);
    QTest::newRow("jet header only") << jet.left(4096);
}

void TestStore::notADatabase() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gala, day 1.mdb"));
    writeFile(path, content);
    QString description;
    QCOMPARE(errorNumberOf([&] { store::openDatabase(path, announcer); }, &description),
             int(ErrorNumber::NotADatabase));
    QVERIFY2(description.contains(path) && description.contains(QStringLiteral("not an announcer database")),
             qPrintable(description));
}

void TestStore::specialFileIsRefusedAtOnce_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("named pipe") << "fifo" << "it is a named pipe, not a file";
    QTest::newRow("socket") << "socket" << "it is a socket, not a file";
    QTest::newRow("link to a device") << "device" << "it is a device, not a file";
    QTest::newRow("folder") << "folder" << "it is a folder, not a file";
}

// Opening a named pipe without a writer, or reading a device, would hold
// the program for good; the kind is refused before anything is read.
void TestStore::specialFileIsRefusedAtOnce() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("announcer.mdb"));
    QVERIFY(makeSpecialFile(kind, path));
    QString description;
    QCOMPARE(errorNumberOf([&] { store::openDatabase(path, announcer); }, &description),
             int(ErrorNumber::NotADatabase));
    QCOMPARE(description, QStringLiteral("Cannot open '%1': %2.").arg(path, reason));
}

void TestStore::systemRefusalIsNotDamage_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("full disk") << "full disk";
    QTest::newRow("file size limit") << "file size limit";
    QTest::newRow("folder not writable") << "folder not writable";
}

// A sound file that the system will not let us use is reported with the
// system's own words (strerror of the error the fault causes, so in any
// language), never as damaged: the announcer might throw it away.
void TestStore::systemRefusalIsNotDamage() {
    QFETCH(QString, fault);
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("sound"));
    RefusedDatabase refused(fault, fixture.path());
    if (!refused.unavailable().isEmpty())
        QSKIP(qPrintable(refused.unavailable()));
    QString description;
    const int number = errorNumberOf([&] { store::openDatabase(refused.path(), announcer); }, &description);
    refused.lift();
    QCOMPARE(description, QStringLiteral("The announcer database '%1' cannot be read: %2.")
                              .arg(refused.path(), QString::fromLocal8Bit(std::strerror(refused.error()))));
    QCOMPARE(number, int(ErrorNumber::DiskOrNetworkError));
    QCOMPARE(store::openDatabase(refused.path(), announcer)->openRecordset(QStringLiteral("Sorted Announcements"))->recordCount(), 1);
}

// A delete that finds the disk full names the file and the disk to free
// space on, never a view of the file.
void TestStore::fullDiskSaysWhatToDo() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("Event 1"));
    const SmallDisk disk;
    if (!disk.mounted())
        QSKIP(qPrintable(disk.reason()));
    const QString path = disk.path() + QStringLiteral("/announcer.mdb");
    QVERIFY(QFile::copy(fixture.path(), path));
    auto db = store::openDatabase(path, announcer);
    auto rows = db->openRecordset(QStringLiteral("Sorted Announcements"));
    rows->moveFirst();
    disk.fill();
    QString description;
    QCOMPARE(errorNumberOf([&] { rows->deleteCurrent(); }, &description),
             int(ErrorNumber::DiskOrNetworkError));
    QCOMPARE(description, QStringLiteral("The disk that holds the database %1 is full. Free some "
                                         "space on it (the disk mounted at %2), then try again.")
                              .arg(path, disk.path()));
}

void TestStore::vanishedFileIsNotCreated() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gone.mdb"));
    QCOMPARE(errorNumberOf([&] { store::openDatabase(path, announcer); }), int(ErrorNumber::NotADatabase));
    QVERIFY(!QFile::exists(path));
}

void TestStore::runawayRowSourceIsStopped_data() {
    QTest::addColumn<QString>("view");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("asSavedQuery");
    const QString counter = QStringLiteral("WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c%1) "
                                           "SELECT x AS Id, x AS Sequence, 'm' AS Message FROM c%2");
    QTest::newRow("endless rows") << counter.arg(QString(), QString()) << -1 << false;
    QTest::newRow("endless search for a first row")
        << counter.arg(QString(), QStringLiteral(" WHERE x < 0")) << -1 << false;
    QTest::newRow("a hundred thousand sorted rows still read whole")
        << counter.arg(QStringLiteral(" LIMIT 100000"), QStringLiteral(" ORDER BY -x")) << 100000
        << false;
    const QString thirty =
        QStringLiteral("WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c LIMIT 30) "
                       "SELECT x AS Id, x AS Sequence, %1 AS Message, %2 AS Extra FROM c "
                       "ORDER BY -x");
    QTest::newRow("slow values") << thirty.arg(QStringLiteral("hex(randomblob(30000000))"),
                                               QStringLiteral("0"))
                                 << -1 << false;
    QTest::newRow("a value far beyond any message")
        << thirty.arg(QStringLiteral("hex(zeroblob(400000000))"), QStringLiteral("0")) << -1
        << false;
    QTest::newRow("a costly column not read costs nothing")
        << thirty.arg(QStringLiteral("'m'"), QStringLiteral("hex(zeroblob(100000000))")) << 30
        << false;
    QTest::newRow("a saved query's endless rows of long text")
        << QString(counter)
               .replace(QStringLiteral("'m'"), QStringLiteral("hex(randomblob(1000))"))
               .arg(QString(), QString())
        << -1 << true;
}

// Within the work limit, and in far less memory than the gigabytes these
// views ask for (a sanitizer's quarantine included), whatever they do.
void TestStore::runawayRowSourceIsStopped() {
    QFETCH(QString, view);
    QFETCH(int, rows);
    QFETCH(bool, asSavedQuery);
    AnnouncerFixture fixture;
    if (asSavedQuery) {
        execOn(fixture.path(),
               QStringLiteral("CREATE TABLE \"Saved Queries\" (Name TEXT, Sql TEXT)"));
        execOn(fixture.path(),
               QStringLiteral("CREATE TABLE \"Saved Query Parameters\" (Query TEXT, "
                              "Name TEXT, Position INTEGER)"));
        execOn(fixture.path(),
               QStringLiteral("INSERT INTO \"Saved Queries\" VALUES ('Runaway', '%1')")
                   .arg(QString(view).replace(QLatin1Char('\''), QStringLiteral("''"))));
    } else {
        execOn(fixture.path(), QStringLiteral("DROP VIEW \"Sorted Announcements\""));
        execOn(fixture.path(), QStringLiteral("CREATE VIEW \"Sorted Announcements\" AS ") + view);
    }
    auto db = store::openDatabase(fixture.path(), announcer);
    const store::RowSelection screenFields{
        .fields = {QStringLiteral("Sequence"), QStringLiteral("Message")}};
    const qint64 residentBefore = residentKiB();
    resetPeakResident();
    QElapsedTimer clock;
    clock.start();
    QString description;
    int read = 0;
    const int error = errorNumberOf(
        [&] {
            read = asSavedQuery
                       ? db->queryDef(QStringLiteral("Runaway"))->openRecordset()->recordCount()
                       : db->openRows(QStringLiteral("Sorted Announcements"), screenFields)
                             ->recordCount();
        },
        &description);
    const qint64 elapsed = clock.elapsed();
    const qint64 grownMiB = (peakResidentKiB() - residentBefore) / 1024;
    QCOMPARE(read, std::max(rows, 0));
    QCOMPARE(error, rows < 0 ? int(ErrorNumber::TooCostly) : 0);
    // Only a stopped read has a time to keep: how long a whole read takes
    // says how loaded the machine is (a sanitizer's build on two busy cores
    // reads the hundred thousand rows in five seconds).
    if (rows < 0) {
        QCOMPARE(description,
                 QStringLiteral("Database operation on '%1' was stopped: it asks for far more work "
                                "than any sound database needs.")
                     .arg(fixture.path()));
        QVERIFY2(elapsed < store::defaultWorkLimit.count() + 1500,
                 qPrintable(QString::number(elapsed)));
    }
    QVERIFY2(grownMiB < 1024, qPrintable(QStringLiteral("%1 MiB more").arg(grownMiB)));
    // The allowance belongs to one read: the next one starts afresh.
    QCOMPARE(errorNumberOf([&] { db->openRecordset(QStringLiteral("Announcements")); }), 0);
}

void TestStore::savedQueryBindsItsParameters() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("F"));
    fixture.addRow(2, QStringLiteral("M"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("setup"));
        db.setDatabaseName(fixture.path());
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE \"Saved Queries\" (Name TEXT PRIMARY KEY, Sql TEXT NOT NULL)")));
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE \"Saved Query Parameters\" (Query TEXT NOT NULL, "
                                      "Name TEXT NOT NULL, Position INTEGER NOT NULL, PRIMARY KEY (Query, Name))")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO \"Saved Queries\" VALUES ('By Text', "
                                      "'SELECT Sequence FROM Announcements WHERE Message = ? AND Sequence > ?')")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO \"Saved Query Parameters\" VALUES "
                                      "('By Text', 'Enter Min', 2), ('By Text', 'Enter Text', 1)")));
        QVERIFY(q.exec(
            QStringLiteral("INSERT INTO \"Saved Queries\" VALUES ('Numbered', "
                           "'SELECT Sequence FROM Announcements WHERE Message IN (?1, ?1, ?1)')")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO \"Saved Query Parameters\" VALUES "
                                      "('Numbered', 'A', 1), ('Numbered', 'B', 2), ('Numbered', "
                                      "'C', 3), ('Numbered', 'D', 4)")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("setup"));

    auto db = store::openDatabase(fixture.path(), announcer);
    auto query = db->queryDef(QStringLiteral("By Text"));
    query->setParameter(QStringLiteral("Enter Text"), QStringLiteral("M"));
    query->setParameter(QStringLiteral("Enter Min"), QStringLiteral("0"));
    auto rows = query->openRecordset();
    QCOMPARE(rows->recordCount(), 1);
    rows->moveFirst();
    QCOMPARE(rows->value(QStringLiteral("Sequence")).toInt(), 2);
    QCOMPARE(errorNumberOf([&] { rows->deleteCurrent(); }), int(ErrorNumber::DatabaseOperationFailed));

    query->setParameter(QStringLiteral("Enter Text"), QStringLiteral("M' OR '1'='1"));
    QCOMPARE(query->openRecordset()->recordCount(), 0);

    // Fewer placeholders than listed parameters are refused before the
    // SQLite driver, which reads past its own list then, sees them.
    auto numbered = db->queryDef(QStringLiteral("Numbered"));
    QCOMPARE(errorNumberOf([&] { numbered->openRecordset(); }),
             int(ErrorNumber::DatabaseOperationFailed));

    // Several lists in one read, each bound on its own; a parameter they
    // do not name keeps the value set.
    const auto each = query->openEach(
        {QStringLiteral("Enter Text")},
        {{QStringLiteral("M")}, {QStringLiteral("F")}, {QStringLiteral("M' OR '1'='1")}});
    QCOMPARE(each.size(), size_t(3));
    QCOMPARE(each[2]->recordCount(), 0);
    for (int run = 0; run < 2; ++run) {
        QCOMPARE(each[size_t(run)]->recordCount(), 1);
        each[size_t(run)]->moveFirst();
        QCOMPARE(each[size_t(run)]->value(QStringLiteral("Sequence")), QVariant(qint64(2 - run)));
    }
    QCOMPARE(errorNumberOf([&] {
                 query->openEach({QStringLiteral("Enter Nothing")}, {{QStringLiteral("M")}});
             }),
             int(ErrorNumber::ItemNotFound));
}

// The first list of a read goes through QtSql, the others straight to
// SQLite: every kind of value comes back the same either way.
void TestStore::savedQueryReadsAlikeForEveryList() {
    AnnouncerFixture fixture;
    execOn(fixture.path(), QStringLiteral("CREATE TABLE Dated (Day DATE, Moment DATETIME)"));
    execOn(fixture.path(),
           QStringLiteral("INSERT INTO Dated VALUES ('2004-12-25', '2005-03-02T10:15:00')"));
    saveQuery(fixture.path(), QStringLiteral("Every Kind"),
              QStringLiteral("SELECT ? AS Text, 42 AS Whole, 2.5 AS Fraction, x'00ff' AS Bytes, "
                             "NULL AS Empty, ? AS Unset, Day, Moment FROM Dated"),
              {QStringLiteral("Text"), QStringLiteral("Unset")});
    auto db = store::openDatabase(fixture.path(), announcer);
    const QStringList text = {QStringLiteral("Zoë Ó Briain, 1:04.32")};
    const auto each = db->queryDef(QStringLiteral("Every Kind"))
                          ->openEach({QStringLiteral("Text")}, {text, text});
    each[0]->moveFirst();
    each[1]->moveFirst();
    QCOMPARE(each[1]->fields(), each[0]->fields());
    for (const QString& field : each[0]->fields()) {
        const QVariant viaQtSql = each[0]->value(field);
        const QVariant direct = each[1]->value(field);
        QCOMPARE(direct.isNull(), viaQtSql.isNull());
        if (!viaQtSql.isNull())
            QCOMPARE(direct, viaQtSql);
    }
    QCOMPARE(each[1]->value(QStringLiteral("Text")), QVariant(text.first()));
    QCOMPARE(each[1]->value(QStringLiteral("Day")), QVariant(QDate(2004, 12, 25)));
    QVERIFY(each[1]->value(QStringLiteral("Unset")).isNull());
}

void TestStore::savedQueryForManyListsIsBoundedAsOneRead_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("lists");
    QTest::addColumn<int>("error");
    // Rows of 33 and 24 Mi characters, one for each of the two messages or
    // for the first: one read holds 64 Mi at most.
    QTest::newRow("rows of one list beyond the bound")
        << QStringLiteral("SELECT hex(zeroblob(17301504)) AS Text FROM Announcements WHERE ? = ?")
        << 1 << int(ErrorNumber::TooCostly);
    QTest::newRow("rows of all lists together beyond the bound")
        << QStringLiteral("SELECT hex(zeroblob(12582912)) AS Text FROM Announcements WHERE "
                          "Sequence = 1 AND ? = ?")
        << 3 << int(ErrorNumber::TooCostly);
    // Each list takes about half of one read's ten million steps.
    QTest::newRow("each list with the allowance of one read")
        << QStringLiteral(
               "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c WHERE x < 300000) "
               "SELECT count(*) AS Text FROM c WHERE ? = ?")
        << 3 << 0;
}

// A file's saved query cannot fill memory by being run for many lists, nor
// run short of time by sharing one allowance; stopped, it leaves the file
// free for its writer.
void TestStore::savedQueryForManyListsIsBoundedAsOneRead() {
    QFETCH(QString, sql);
    QFETCH(int, lists);
    QFETCH(int, error);
    AnnouncerFixture fixture;
    // A reader's lock keeps a writer out of a file with a rollback journal.
    execOn(fixture.path(), QStringLiteral("PRAGMA journal_mode = DELETE"));
    fixture.addRow(1, QStringLiteral("first"));
    fixture.addRow(2, QStringLiteral("second"));
    saveQuery(fixture.path(), QStringLiteral("Costly"), sql,
              {QStringLiteral("A"), QStringLiteral("B")});
    auto db = store::openDatabase(fixture.path(), announcer);
    const std::vector<QStringList> values(size_t(lists),
                                          QStringList{QStringLiteral("x"), QStringLiteral("x")});
    QCOMPARE(errorNumberOf([&] {
                 db->queryDef(QStringLiteral("Costly"))
                     ->openEach({QStringLiteral("A"), QStringLiteral("B")}, values);
             }),
             error);
    QVERIFY(writerCanCommit(fixture.path()));
}

void TestStore::savedQueryErrors() {
    AnnouncerFixture fixture;
    auto db = store::openDatabase(fixture.path(), announcer);
    QCOMPARE(errorNumberOf([&] { db->queryDef(QStringLiteral("Club Record")); }),
             int(ErrorNumber::CannotFindTableOrQuery));
}

void TestStore::closedDatabaseIsAnError() {
    AnnouncerFixture fixture;
    auto db = store::openDatabase(fixture.path(), announcer);
    db->close();
    QCOMPARE(errorNumberOf([&] { db->openRecordset(QStringLiteral("Sorted Announcements")); }),
             int(ErrorNumber::ObjectClosed));
}

// An outcome is a result or an error, never both or neither, and a failure
// a reason or none: reading what is not there throws, never reads garbage.
void TestStore::answersHoldWhatTheySay() {
    const store::Outcome<int> result(7);
    QVERIFY(result.ok());
    QCOMPARE(result.value(), 7);
    QVERIFY_THROWS_EXCEPTION(std::bad_variant_access, static_cast<void>(result.error()));
    const store::Outcome<int> error(KelvaneError(ErrorNumber::DatabaseLocked, "busy"));
    QVERIFY(!error.ok());
    QCOMPARE(error.error().number(), int(ErrorNumber::DatabaseLocked));
    QVERIFY_THROWS_EXCEPTION(std::bad_variant_access, static_cast<void>(error.value()));
    QVERIFY(!store::Failure());
    QVERIFY_THROWS_EXCEPTION(std::bad_optional_access,
                             static_cast<void>(store::Failure().reason()));
    QCOMPARE(store::Failure("full").reason(), QStringLiteral("full"));
}

// SQLite keeps dates as ISO text; a column declared DATE or DATETIME reads
// back as a date, also through a view, and any other text stays text.
void TestStore::dateColumnsComeBackAsDates() {
    AnnouncerFixture fixture;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("dates"));
        db.setDatabaseName(fixture.path());
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE Dated (Id INTEGER PRIMARY KEY, Day DATE, Moment DATETIME, "
                                      "Plain TEXT)")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO Dated (Day, Moment, Plain) VALUES "
                                      "('2004-12-25', '2005-03-02T10:15:00', '2004-12-25'), "
                                      "('not a date', NULL, NULL)")));
        QVERIFY(q.exec(QStringLiteral("CREATE VIEW \"Dated View\" AS SELECT Day, Plain FROM Dated")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("dates"));
    auto db = store::openDatabase(fixture.path(), announcer);
    auto rows = db->openRecordset(QStringLiteral("Dated"));
    rows->moveFirst();
    QCOMPARE(rows->value(QStringLiteral("Day")), QVariant(QDate(2004, 12, 25)));
    QCOMPARE(rows->value(QStringLiteral("Moment")).toDateTime(), QDateTime(QDate(2005, 3, 2), QTime(10, 15)));
    QCOMPARE(rows->value(QStringLiteral("Plain")), QVariant(QStringLiteral("2004-12-25")));
    rows->moveNext();
    QCOMPARE(rows->value(QStringLiteral("Day")), QVariant(QStringLiteral("not a date")));
    QVERIFY(rows->value(QStringLiteral("Moment")).isNull());
    auto view = db->openRecordset(QStringLiteral("Dated View"));
    view->moveFirst();
    QCOMPARE(view->value(QStringLiteral("Day")), QVariant(QDate(2004, 12, 25)));
}

// Whatever else this program does with an open SQLite database's file,
// the commits of another program's writer (a process of its own, which
// ends after each) are still read: closing a descriptor of the file here
// would drop the connection's locks, and the writer would then remove the
// write-ahead log as the file's last user.
void TestStore::otherProgramsCommitsStaySeen_data() {
    QTest::addColumn<std::function<void(const QString&)>>("meanwhile");
    QTest::newRow("another connection") << std::function([](const QString& path) {
        execOn(path, QStringLiteral("INSERT INTO Announcements (Sequence, Message) VALUES (1, 'here')"));
    });
    QTest::newRow("the file opened again") << std::function([](const QString& path) {
        QVERIFY(store::openDatabase(path, announcer)->openRecordset(QStringLiteral("Sorted Announcements")));
    });
    QTest::newRow("the file read") << std::function([](const QString& path) {
        QFile file;
        QCOMPARE(store::openRegularFile(file, path).reason(), QStringLiteral("it is a database this program has open"));
    });
}

void TestStore::otherProgramsCommitsStaySeen() {
    QFETCH(std::function<void(const QString&)>, meanwhile);
    if (testingPostgres())
        QSKIP("the server keeps its own locks");
    AnnouncerFixture fixture;
    auto db = store::openDatabase(fixture.path(), announcer);
    const auto listed = [&] { return db->openRecordset(QStringLiteral("Sorted Announcements"))->recordCount(); };
    meanwhile(fixture.path());
    const int before = listed();
    for (int n = 1; n <= 2; ++n) {
        QCOMPARE(QProcess::execute(qEnvironmentVariable("KELVANE_FEED"),
                                   {QStringLiteral("add"), fixture.path(), QString::number(n), QStringLiteral("there")}),
                 0);
        QCOMPARE(listed(), before + n);
    }
}

void TestStore::readerWaitsForWriterTransaction_data() {
    QTest::addColumn<QString>("journalMode");
    QTest::addColumn<QString>("begin");
    QTest::newRow("wal, writer mid-transaction") << "WAL" << "BEGIN IMMEDIATE";
    QTest::newRow("rollback journal, writer holds exclusive lock") << "DELETE" << "BEGIN EXCLUSIVE";
}

// The meet-management program holds a write transaction for two seconds
// while the screen refreshes and dismisses: both wait for it and succeed,
// and the writer's row is not lost. Waiting is not work: it does not count
// against a much shorter work limit.
void TestStore::readerWaitsForWriterTransaction() {
    QFETCH(QString, journalMode);
    QFETCH(QString, begin);
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("first"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mode"));
        db.setDatabaseName(fixture.path());
        QVERIFY(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = ") + journalMode);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("mode"));

    auto db = store::openDatabase(fixture.path(), announcer,
                                  {.workLimit = std::chrono::milliseconds(500)});
    bool writerOk = false;
    std::promise<void> holding;
    std::thread writer(holdTransaction, fixture.path(), begin, 2000, &writerOk, &holding);
    holding.get_future().wait();
    auto rows = db->openRecordset(QStringLiteral("Sorted Announcements"));
    QVERIFY(rows->recordCount() >= 1);
    rows->moveFirst();
    rows->deleteCurrent();
    rows->close();
    writer.join();
    QVERIFY(writerOk);
    const auto left = fixture.rows();
    QCOMPARE(left.size(), size_t(1));
    QCOMPARE(left.front().second, QStringLiteral("late"));
}

// A write the disk cuts short (here the file size limit, which lets the
// first write through in part and refuses the next) leaves an own file as
// it was: an append takes its part back, so the next record starts whole,
// and a replacement leaves the old file and nothing beside it.
void TestStore::cutWriteLeavesTheFileAsItWas_data() {
    QTest::addColumn<bool>("append");
    QTest::newRow("append and sync") << true;
    QTest::newRow("replace atomically") << false;
}

void TestStore::cutWriteLeavesTheFileAsItWas() {
    QFETCH(bool, append);
    QTemporaryDir dir;
    const QString path = dir.filePath("own/file");
    const auto write = [&](const QByteArray& bytes) {
        return append ? store::appendAndSync(path, bytes, "head\r\n")
                      : store::replaceAtomically(path, bytes);
    };
    const auto contents = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QVERIFY(!write("first\r\n"));
    const QByteArray before = contents();
    {
        const FileSizeLimit room(static_cast<rlim_t>(before.size()) + 5);
        QVERIFY(write(QByteArray(100, 'x')));
    }
    QCOMPARE(contents(), before);
    QCOMPARE(QDir(dir.filePath("own")).entryList(QDir::Files), QStringList({"file"}));
    QVERIFY(!write("second\r\n"));
    QCOMPARE(contents(), append ? before + "second\r\n" : QByteArray("second\r\n"));
}

void TestStore::int16Conversions_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("overflows");
    QTest::newRow("half to even down") << 2.5 << 2 << false;
    QTest::newRow("half to even up") << 3.5 << 4 << false;
    QTest::newRow("negative half") << -2.5 << -2 << false;
    QTest::newRow("top of range") << 32767.0 << 32767 << false;
    QTest::newRow("bottom of range") << -32768.0 << -32768 << false;
    QTest::newRow("rounds past the top") << 32767.5 << 0 << true;
    QTest::newRow("beyond the top") << 40000.0 << 0 << true;
    QTest::newRow("beyond the bottom") << -32769.0 << 0 << true;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 0 << true;
}

void TestStore::int16Conversions() {
    QFETCH(double, value);
    QFETCH(int, expected);
    QFETCH(bool, overflows);
    int result = 0;
    const int error = errorNumberOf([&] { result = store::roundToInt16(value); });
    QCOMPARE(error, overflows ? int(ErrorNumber::Overflow) : 0);
    if (!overflows)
        QCOMPARE(result, expected);
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
