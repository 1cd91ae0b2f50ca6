#include "announcerfixture.h"
#include "diskfaults.h"
#include "specialfile.h"

#include "announcerfeed.h"

#include "store/database.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

Run feedCommand(const QStringList& args, const QByteArray& input = {}) {
    QProcess process;
    process.start(builtProgram("KELVANE_FEED"), args);
    process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(10000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestFeed : public QObject {
    Q_OBJECT

private slots:
    void initAddList();
    void initNeverOverwrites();
    void refusesBadInput_data();
    void refusesBadInput();
    void systemRefusalIsNotDamage_data();
    void systemRefusalIsNotDamage();
    void demoLogsEveryCommittedRow();
    void addsToADatabaseTheProgramHasOpen();
};

void TestFeed::initAddList() {
    QTemporaryDir dir;
    const QString path = dir.filePath("gala.mdb");
    QCOMPARE(feedCommand({"init", path}).status, 0);
    QCOMPARE(feedCommand({"add", path, "5", "Event 1\nresults"}).status, 0);
    QCOMPARE(feedCommand({"add", path, "2"}, QByteArray("from stdin\n")).status, 0);
    const Run list = feedCommand({"list", path});
    QCOMPARE(list.status, 0);
    QCOMPARE(list.out, QStringLiteral("2\t2\tfrom stdin\\r\\n\n1\t5\tEvent 1\\r\\nresults\n"));
}

void TestFeed::initNeverOverwrites() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("keep me"));
    const Run run = feedCommand({"init", fixture.path()});
    QCOMPARE(run.status, 1);
    QVERIFY(run.err.contains("already exists"));
    QCOMPARE(fixture.rowCount(), 1);
}

void TestFeed::refusesBadInput_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("no command") << QStringList() << 2 << "usage" << QByteArray();
    QTest::newRow("unknown command") << QStringList{"drop", "F"} << 2 << "usage" << QByteArray();
    QTest::newRow("sequence not a number")
        << QStringList{"add", "F", "twelve", "x"} << 2 << "whole number" << QByteArray();
    QTest::newRow("sequence beyond 16 bits")
        << QStringList{"add", "F", "40000", "x"} << 1 << "between" << QByteArray();
    QTest::newRow("not a database")
        << QStringList{"add", "TEXT", "1", "x"} << 1 << "not an announcer database" << QByteArray();
    QTest::newRow("other sqlite file")
        << QStringList{"list", "OTHER"} << 1 << "not an announcer database" << QByteArray();
    QTest::newRow("missing file") << QStringList{"list", "MISSING"} << 1 << "cannot open"
                                  << QByteArray();
    QTest::newRow("a list that never ends")
        << QStringList{"list", "ENDLESS"} << 1 << "was stopped" << QByteArray();
    QTest::newRow("named pipe") << QStringList{"list", "PIPE"} << 1
                                << "it is a named pipe, not a file" << QByteArray();
    QTest::newRow("init on a named pipe")
        << QStringList{"init", "PIPE"} << 1 << "it is a named pipe, not a file" << QByteArray();
    QTest::newRow("bad interval") << QStringList{"demo", "F", "-5"} << 2 << "whole numbers"
                                  << QByteArray();
    QTest::newRow("unwritable log")
        << QStringList{"demo", "F", "0", "1", "MISSING/log"} << 1 << "cannot write" << QByteArray();
    QTest::newRow("a NUL in the message")
        << QStringList{"add", "F", "2"} << 1 << "NUL" << QByteArray("a\0b", 3);
}

void TestFeed::refusesBadInput() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, error);
    QFETCH(QByteArray, input);
    AnnouncerFixture fixture;
    const QString text = fixture.dir() + "/notes.txt";
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Sequence,Message\n");
    file.close();
    const QString other = fixture.dir() + "/other.db";
    QProcess::execute("sqlite3", {other, "CREATE TABLE t(x)"});
    args.replaceInStrings(QRegularExpression("^F$"), fixture.path());
    args.replaceInStrings(QRegularExpression("^TEXT$"), text);
    args.replaceInStrings(QRegularExpression("^OTHER$"), other);
    const QString endless = fixture.dir() + "/endless.db";
    QProcess::execute("sqlite3",
                      {endless,
                       "CREATE TABLE Announcements (Id INTEGER PRIMARY KEY, Sequence, Message);"
                       "CREATE VIEW \"Sorted Announcements\" AS WITH RECURSIVE c(x) AS "
                       "(SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT x AS Id, x AS Sequence, "
                       "'m' AS Message FROM c"});
    args.replaceInStrings(QRegularExpression("^ENDLESS$"), endless);
    args.replaceInStrings(QRegularExpression("^MISSING$"), fixture.dir() + "/missing.mdb");
    const QString pipe = fixture.dir() + "/pipe.mdb";
    QVERIFY(makeSpecialFile("fifo", pipe));
    args.replaceInStrings(QRegularExpression("^PIPE$"), pipe);
    const Run run = feedCommand(args, input);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(error), qPrintable(run.err));
    QCOMPARE(fixture.rowCount(), 0);
}

void TestFeed::systemRefusalIsNotDamage_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("full disk, list") << "full disk" << QStringList{"list", "F"};
    QTest::newRow("file size limit, add") << "file size limit" << QStringList{"add", "F", "2", "x"};
}

// The limit on file size is inherited by the feed, and so is the ignored
// signal that would otherwise end it.
void TestFeed::systemRefusalIsNotDamage() {
    QFETCH(QString, fault);
    QFETCH(QStringList, args);
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("sound"));
    RefusedDatabase refused(fault, fixture.path());
    if (!refused.unavailable().isEmpty())
        QSKIP(qPrintable(refused.unavailable()));
    args.replaceInStrings(QRegularExpression("^F$"), refused.path());
    const Run run = feedCommand(args);
    refused.lift();
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err,
             QStringLiteral("kelvane-feed: %1: %2\n")
                 .arg(refused.path(), QString::fromLocal8Bit(std::strerror(refused.error()))));
    QCOMPARE(feedCommand({"list", refused.path()}).out, QStringLiteral("1\t1\tsound\n"));
}

// The log is the checker's only knowledge of what was written: it must
// name exactly the rows in the file, with their Ids.
void TestFeed::demoLogsEveryCommittedRow() {
    QTemporaryDir dir;
    const QString path = dir.filePath("gala.mdb");
    const QString log = dir.filePath("written.log");
    QCOMPARE(feedCommand({"demo", path, "0", "3", log}).status, 0);
    QFile written(log);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(written.readAll()), feedCommand({"list", path}).out);
}

// Run inside the program (the window gallery, the benchmarks), it writes
// to a database the program itself has open.
void TestFeed::addsToADatabaseTheProgramHasOpen() {
    AnnouncerFixture fixture;
    const auto db = store::openDatabase(fixture.path(), QStringLiteral("announcer database"));
    feed::addAnnouncement(fixture.path(), 3, QStringLiteral("here"));
    QCOMPARE(db->openRecordset(QStringLiteral("Sorted Announcements"))->recordCount(), 1);
}

QTEST_GUILESS_MAIN(TestFeed)
#include "tst_feed.moc"
