// The rules behind the announcer's desk, without a window: the read-out
// log's file format, arrivals and their ages, the reading size steps and
// the undo history.
#include "desk/arrivals.h"
#include "desk/changerefresh.h"
#include "desk/desksettings.h"
#include "desk/dismissalhistory.h"
#include "desk/readoutlog.h"

#include "specialfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <chrono>
#include <limits>
#include <utility>

#include <unistd.h>

namespace {

const QDateTime twoPm(QDate(2025, 6, 14), QTime(14, 0), QTimeZone(3600));

store::RowKey key(int value) {
    return store::RowKey(value);
}

std::vector<store::RowKey> keys(std::initializer_list<int> values) {
    std::vector<store::RowKey> result;
    for (int value : values)
        result.push_back(key(value));
    return result;
}

desk::readoutlog::Entry entry(const QString& event, const QString& row, int minute,
                              const QString& message = "m") {
    return {twoPm.addSecs(60LL * minute),
            event,
            QStringLiteral("/gala/announcer.mdb"),
            row,
            7,
            message,
            "desk"};
}

} // namespace

class TestDeskRules : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void logRecordsReadBack_data();
    void logRecordsReadBack();
    void logFileIsCsvWithAHeader();
    void brokenRecordsArePassedOver();
    void logPlaceIsNeverFollowed_data();
    void logPlaceIsNeverFollowed();
    void readOutsPairEvents();
    void arrivalsAreNewUntilShown();
    void arrivalText_data();
    void arrivalText();
    void createdTime_data();
    void createdTime();
    void readingSizeSteps_data();
    void readingSizeSteps();
    void readingSizeIsRemembered();
    void sentSequences_data();
    void sentSequences();
    void historyTakesTheLatestOfItsDatabase();
    void changeReportsRefresh_data();
    void changeReportsRefresh();

private:
    QTemporaryDir m_home;
};

void TestDeskRules::initTestCase() {
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath("data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath("config")));
}

void TestDeskRules::logRecordsReadBack_data() {
    QTest::addColumn<int>("day"); // a file of its own for each row
    QTest::addColumn<QString>("database");
    QTest::addColumn<QVariant>("sequence");
    QTest::addColumn<QString>("message");
    QTest::newRow("plain") << 1 << "/gala/announcer.mdb" << QVariant(12) << "Event 12 results";
    QTest::newRow("CR LF, quotes and commas")
        << 2 << "/gala/a,b \"x\".mdb" << QVariant(-3) << "Event 3\r\n1st \"Amy\", 1:04.32\r\n";
    QTest::newRow("no Sequence, empty text") << 3 << "/gala/announcer.mdb" << QVariant() << "";
    QTest::newRow("non-ASCII, lone LF")
        << 4 << "/home/zoë/gala.conn" << QVariant(1) << QString::fromUtf8("Zoë Ødegård – 🏊\nnext");
    QTest::newRow("Sequence a text with line breaks")
        << 5 << "/gala/announcer.mdb" << QVariant("\r\n2\r\n") << "x";
    for (const char* start : {"=", "+", "-", "@", "\t", "\r", "'", "''"})
        QTest::addRow("formula start %s", start)
            << 6 << QString("%1x.mdb").arg(start) << QVariant(start)
            << QString("%1HYPERLINK(\"http://x\")").arg(start);
}

void TestDeskRules::logRecordsReadBack() {
    QFETCH(int, day);
    QFETCH(QString, database);
    QFETCH(QVariant, sequence);
    QFETCH(QString, message);
    const QDate date(2025, 6, day);
    QFile::remove(desk::readoutlog::fileOf(date));
    const desk::readoutlog::Entry written{QDateTime(date, QTime(9, 30, 5)),
                                          desk::readoutlog::dismissed,
                                          database,
                                          "41",
                                          sequence,
                                          message,
                                          "browser 127.0.0.1 #1"};
    QVERIFY(!desk::readoutlog::append(written));
    const auto entries = desk::readoutlog::read(desk::readoutlog::fileOf(date));
    QCOMPARE(entries.size(), size_t(1));
    QCOMPARE(entries[0].time, written.time);
    QCOMPARE(entries[0].event, written.event);
    QCOMPARE(entries[0].database, database);
    QCOMPARE(entries[0].row, QStringLiteral("41"));
    QCOMPARE(entries[0].sequence.isNull(), sequence.isNull());
    QCOMPARE(entries[0].sequence.toString(), sequence.toString());
    QCOMPARE(entries[0].message, message);
    QCOMPARE(entries[0].station, written.station);
}

// What another program reads: a header, one record a line, the time with
// its offset, the text quoted; the file is its owner's alone.
void TestDeskRules::logFileIsCsvWithAHeader() {
    const QDate day(2025, 7, 1);
    const QDateTime time(day, QTime(14, 32, 5), QTimeZone(7200));
    QVERIFY(!desk::readoutlog::append({time.toLocalTime(), desk::readoutlog::dismissed, "/g/a.mdb",
                                       "9", 12, "a\r\n\"b\"", "desk"}));
    QVERIFY(!desk::readoutlog::append(
        {time.toLocalTime(), desk::readoutlog::undone, "/g/a.mdb", "9", 12, "a\r\n\"b\"", "desk"}));
    const QString path = desk::readoutlog::fileOf(day);
    QVERIFY(path.endsWith("/data/kelvane/read-out-2025-07-01.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines[0], QByteArray("time,event,database,row,sequence,message,station\r"));
    QVERIFY2(QDateTime::fromString(QString::fromLatin1(lines[1].split(',')[0]), Qt::ISODate) ==
                 time,
             lines[1].constData());
    QVERIFY(lines[1].endsWith(",dismissed,\"/g/a.mdb\",\"9\",12,\"a\r"));
    QCOMPARE(lines[2], QByteArray("\"\"b\"\"\",desk\r"));
    // A spreadsheet opening the log sees text, not a formula.
    QVERIFY(!desk::readoutlog::append(
        {time, desk::readoutlog::dismissed, "=1+1", "-2", 3, "@SUM(A1)", "+x"}));
    QVERIFY(file.seek(0));
    QVERIFY(file.readAll().endsWith(",\"'=1+1\",\"'-2\",3,\"'@SUM(A1)\",'+x\r\n"));
    QCOMPARE(file.permissions() & (QFile::ReadOther | QFile::ReadGroup),
             QFileDevice::Permissions());
}

void TestDeskRules::brokenRecordsArePassedOver() {
    QTemporaryDir dir;
    QFile file(dir.filePath("log.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("time,event,database,row,sequence,message\r\n"
               "not a time,dismissed,\"d\",\"1\",1,\"x\"\r\n"
               "2025-06-14T14:00:00+01:00,dismissed,\"d\",\"2\",2,\"kept\"\r\n"
               "time,event,database,row,sequence,message,station\r\n"
               "2025-06-14T14:00:30+01:00,dismissed,\"d\",\"4\",4,\"kept too\",desk\r\n"
               "too,few\r\n"
               "2025-06-14T14:01:00+01:00,dismissed,\"d\",\"3\",3,\"cut short by a cr");
    file.close();
    const auto entries = desk::readoutlog::read(file.fileName());
    QCOMPARE(entries.size(), size_t(2));
    QCOMPARE(entries[0].message, QStringLiteral("kept"));
    QCOMPARE(entries[1].station, QStringLiteral("desk"));
    QVERIFY(desk::readoutlog::read(dir.filePath("missing.csv")).empty());
}

// Whatever is found at the log's place other than the user's own folder
// and plain file is neither written through nor waited on: the dismissal
// is refused instead (its caller then keeps the row).
void TestDeskRules::logPlaceIsNeverFollowed_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to a file") << "link";
    QTest::newRow("dangling link") << "dangling";
    QTest::newRow("folder a link") << "folder link";
    QTest::newRow("second name of a file") << "hard link";
    QTest::newRow("named pipe") << "fifo";
}

void TestDeskRules::logPlaceIsNeverFollowed() {
    QFETCH(QString, kind);
    const QDate day(2025, 8, 1);
    const QString logFolder = desk::readoutlog::folder();
    QDir(logFolder).removeRecursively();
    QFile::remove(logFolder);
    QDir().mkpath(kind == "folder link" ? QFileInfo(logFolder).path() : logFolder);
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("bashrc");
    QFile original(target);
    QVERIFY(original.open(QIODevice::WriteOnly));
    original.write("# mine\n");
    original.close();
    const QString path = desk::readoutlog::fileOf(day);
    if (kind == "link")
        QVERIFY(QFile::link(target, path));
    else if (kind == "dangling")
        QVERIFY(QFile::link(elsewhere.filePath("made"), path));
    else if (kind == "folder link")
        QVERIFY(QFile::link(elsewhere.path(), logFolder));
    else if (kind == "hard link")
        QVERIFY(::link(QFile::encodeName(target).constData(),
                       QFile::encodeName(path).constData()) == 0);
    else
        QVERIFY(makeSpecialFile(kind, path));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(desk::readoutlog::append(
        {QDateTime(day, QTime(9, 0)), desk::readoutlog::dismissed, "d", "1", 1, "$(x)", "desk"}));
    QVERIFY(desk::readoutlog::read(path).empty());
    QVERIFY(clock.elapsed() < 2000);
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(original.readAll(), QByteArray("# mine\n"));
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files), QStringList({"bashrc"}));
    QFile::remove(path);
    QFile::remove(logFolder);
}

// A failed delete takes its dismissal off the list (the announcer
// dismisses it again), an undo marks it, and each event belongs to the
// latest dismissal of its own row.
void TestDeskRules::readOutsPairEvents() {
    const auto readOuts = desk::readoutlog::readOuts({
        entry(desk::readoutlog::dismissed, "1", 0, "one"),
        entry(desk::readoutlog::notDeleted, "1", 0, "one"),
        entry(desk::readoutlog::dismissed, "1", 1, "one"),
        entry(desk::readoutlog::dismissed, "2", 2, "two"),
        entry(desk::readoutlog::undone, "2", 3, "two"),
        entry(desk::readoutlog::undone, "5", 3, "never dismissed today"),
        entry(desk::readoutlog::dismissed, "3", 4, "three"),
    });
    QCOMPARE(readOuts.size(), size_t(3));
    QCOMPARE(readOuts[0].message, QStringLiteral("three"));
    QCOMPARE(readOuts[1].message, QStringLiteral("two"));
    QCOMPARE(readOuts[1].undone, twoPm.addSecs(180));
    QCOMPARE(readOuts[2].time, twoPm.addSecs(60));
    QVERIFY(!readOuts[2].undone.isValid());
}

void TestDeskRules::arrivalsAreNewUntilShown() {
    desk::Arrivals arrivals;
    const QString db = QStringLiteral("/gala/a.mdb");
    QCOMPARE(arrivals.listed(db, keys({1, 2}), twoPm), 0);
    QVERIFY(!arrivals.isNew(key(1)));
    QCOMPARE(arrivals.listed(db, keys({1, 2, 3}), twoPm.addSecs(60)), 1);
    QVERIFY(arrivals.isNew(key(3)));
    QCOMPARE(arrivals.firstSeen(key(3)), twoPm.addSecs(60));
    QCOMPARE(arrivals.listed(db, keys({1, 2, 3, 4}), twoPm.addSecs(120)), 1);
    QVERIFY(arrivals.isNew(key(3)));
    QCOMPARE(arrivals.firstSeen(key(1)), twoPm);
    // Each line is new until it is itself shown.
    arrivals.shown(key(3));
    QVERIFY(!arrivals.isNew(key(3)));
    QVERIFY(arrivals.isNew(key(4)));
    arrivals.known(key(9), twoPm.addSecs(180));
    QCOMPARE(arrivals.listed(db, keys({2, 9}), twoPm.addSecs(200)), 0);
    QVERIFY(!arrivals.isNew(key(9)));
    QVERIFY(!arrivals.firstSeen(key(1)).isValid());
    QVERIFY(!arrivals.isNew(key(4)));
    // Identical rows share a key: the key listed twice hides no row gone.
    QCOMPARE(arrivals.listed(db, keys({2, 2}), twoPm.addSecs(240)), 0);
    QVERIFY(!arrivals.firstSeen(key(9)).isValid());
    // Another database: its keys mean other rows, and its first listing is
    // where reading starts.
    QCOMPARE(arrivals.listed("/gala/b.mdb", keys({2, 4}), twoPm.addSecs(300)), 0);
    QCOMPARE(arrivals.firstSeen(key(2)), twoPm.addSecs(300));
}

void TestDeskRules::arrivalText_data() {
    QTest::addColumn<QDateTime>("arrived");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("text");
    const QDateTime arrived(QDate(2025, 6, 14), QTime(14, 32, 10));
    QTest::newRow("just now") << arrived << arrived.addSecs(59) << "arrived 14:32, just now";
    QTest::newRow("minutes") << arrived << arrived.addSecs(185) << "arrived 14:32, 3 min ago";
    QTest::newRow("hours") << arrived << arrived.addSecs(4500) << "arrived 14:32, 1 h 15 min ago";
    QTest::newRow("yesterday") << arrived << arrived.addSecs(43200)
                               << "arrived 14 Jun 14:32, 12 h 0 min ago";
    QTest::newRow("days") << arrived << arrived.addDays(3) << "arrived 14 Jun 14:32, 3 days ago";
    QTest::newRow("writer's clock ahead")
        << arrived.addSecs(90) << arrived << "arrived 14:33, just now";
}

void TestDeskRules::arrivalText() {
    QFETCH(QDateTime, arrived);
    QFETCH(QDateTime, now);
    QFETCH(QString, text);
    QCOMPARE(desk::arrivalText(arrived, now), text);
}

void TestDeskRules::createdTime_data() {
    QTest::addColumn<QVariant>("created");
    QTest::addColumn<QDateTime>("time");
    const QDateTime local(QDate(2025, 6, 14), QTime(14, 32, 10));
    const QDateTime utc(QDate(2025, 6, 14), QTime(13, 32, 10), Qt::UTC);
    QTest::newRow("date and time") << QVariant(local) << local;
    QTest::newRow("ISO text with Z") << QVariant("2025-06-14T13:32:10Z") << utc;
    QTest::newRow("SQL text, no zone: local") << QVariant("2025-06-14 14:32:10") << local;
    QTest::newRow("none") << QVariant() << QDateTime();
    QTest::newRow("not a time") << QVariant("soon") << QDateTime();
}

void TestDeskRules::createdTime() {
    QFETCH(QVariant, created);
    QFETCH(QDateTime, time);
    QCOMPARE(desk::createdTime(created), time);
}

void TestDeskRules::readingSizeSteps_data() {
    QTest::addColumn<double>("points");
    QTest::addColumn<double>("larger");
    QTest::addColumn<double>("smaller");
    QTest::newRow("designed") << 9.75 << 12.0 << 8.0;
    QTest::newRow("smallest") << 8.0 << 9.75 << 8.0;
    QTest::newRow("largest") << 36.0 << 36.0 << 32.0;
    QTest::newRow("between steps") << 13.0 << 14.0 << 12.0;
}

void TestDeskRules::readingSizeSteps() {
    QFETCH(double, points);
    QFETCH(double, larger);
    QFETCH(double, smaller);
    QCOMPARE(desk::largerReadingPoints(points), larger);
    QCOMPARE(desk::smallerReadingPoints(points), smaller);
}

// Urgent messages are always listed before the other sent ones.
void TestDeskRules::sentSequences_data() {
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("urgent");
    QTest::addColumn<int>("normal");
    QTest::addColumn<int>("urgentSequence");
    QTest::newRow("unset") << ""
                           << "" << 0 << -1;
    QTest::newRow("both set") << "500"
                              << "-20" << 500 << -20;
    QTest::newRow("only sent") << "500"
                               << "" << 500 << 499;
    QTest::newRow("urgent not lower") << "5"
                                      << "9" << 5 << 4;
    QTest::newRow("out of range") << "40000"
                                  << "x" << 0 << -1;
    QTest::newRow("lowest") << "-32768"
                            << "" << -32768 << -32768;
}

void TestDeskRules::sentSequences() {
    QFETCH(QString, sent);
    QFETCH(QString, urgent);
    QFETCH(int, normal);
    QFETCH(int, urgentSequence);
    const QString path = m_home.filePath(QTest::currentDataTag());
    QSettings file(path, QSettings::IniFormat);
    file.setValue(QStringLiteral("station/sentSequence"), sent);
    file.setValue(QStringLiteral("station/urgentSequence"), urgent);
    file.sync();
    const desk::DeskSettings settings(path);
    QCOMPARE(int(settings.sentSequences().normal), normal);
    QCOMPARE(int(settings.sentSequences().urgent), urgentSequence);
}

// Kept in a file of its own under the XDG config folder, written at once
// and told; a value that is no size (edited by hand) gives the designed
// size.
void TestDeskRules::readingSizeIsRemembered() {
    QCOMPARE(desk::DeskSettings::defaultPath(), m_home.filePath("config/kelvane/desk.ini"));
    const QString path = m_home.filePath("desk.ini");
    desk::DeskSettings settings(path);
    QSignalSpy changed(&settings, &desk::DeskSettings::changed);
    QCOMPARE(settings.readingPoints(), desk::designedReadingPoints);
    settings.rememberReadingPoints(14);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(settings.readingPoints(), 14.0);
    QCOMPARE(desk::DeskSettings(path).readingPoints(), 14.0);
    for (const char* value : {"huge", "500", "-1"}) {
        QSettings(path, QSettings::IniFormat).setValue("reading/points", value);
        QCOMPARE(desk::DeskSettings(path).readingPoints(), desk::designedReadingPoints);
    }
    for (const char* value : {"no", "off", "maybe"}) {
        QSettings(path, QSettings::IniFormat).setValue("arrival/soundOn", value);
        QVERIFY2(!desk::DeskSettings(path).arrivalSoundOn(), value);
    }
    settings.setArrivalSoundOn(true);
    QVERIFY(desk::DeskSettings(path).arrivalSoundOn());
    QCOMPARE(desk::arrivalSoundArguments("-D/dev/x").mid(1), QStringList({"--", "-D/dev/x"}));
}

void TestDeskRules::historyTakesTheLatestOfItsDatabase() {
    desk::DismissalHistory history;
    for (int n = 1; n <= int(desk::DismissalHistory::levels) + 2; ++n)
        history.push(
            {n % 2 ? "odd.mdb" : "even.mdb", key(n), n, QString::number(n), true, false, "desk"});
    history.push({"other.mdb", key(100), 100, "x", true, false, "browser 10.0.0.2 #1"});
    history.push({"other.mdb", key(101), 101, "x", true, false, "desk"});
    QCOMPARE(history.take("even.mdb")->key, key(22));
    QCOMPARE(history.take("odd.mdb")->key, key(21));
    QCOMPARE(history.take("even.mdb")->key, key(20));
    int left = 0;
    while (history.take("odd.mdb"))
        ++left;
    // The oldest went when the history was full.
    QCOMPARE(left, int(desk::DismissalHistory::levels) / 2 - 2);
    // A browser takes back its own dismissal only; the desk any station's.
    QVERIFY(!history.take("other.mdb", "browser 10.0.0.3 #2"));
    QCOMPARE(history.take("other.mdb", "browser 10.0.0.2 #1")->key, key(100));
    QCOMPARE(history.take("other.mdb")->key, key(101));
    QVERIFY(!history.take("other.mdb"));
    // Long texts are kept up to a bound, the latest whatever its length.
    const QString huge(desk::DismissalHistory::keptCharacters, QLatin1Char('w'));
    for (int n = 1; n <= 3; ++n)
        history.push({"big.mdb", key(n), n, huge, true, false, "desk"});
    QCOMPARE(history.take("big.mdb")->key, key(3));
    QCOMPARE(history.take("big.mdb")->key, key(2));
    QVERIFY(!history.take("big.mdb"));
}

// A burst of change reports gives one refresh, a moment later.
void TestDeskRules::changeReportsRefresh_data() {
    QTest::addColumn<QList<int>>("reports"); // milliseconds
    QTest::addColumn<QList<int>>("refreshes");
    QList<int> burst;
    QList<int> steady;
    for (int ms = 0; ms < 20; ++ms)
        burst << ms;
    for (int ms = 0; ms < 300; ms += 10)
        steady << ms;
    QTest::newRow("one report: at once") << QList<int>{0} << QList<int>{0};
    QTest::newRow("one commit's reports: at once, then the rest gathered")
        << QList<int>{0, 1, 2} << QList<int>{0, 61};
    QTest::newRow("a burst: twice") << burst << QList<int>{0, 61};
    QTest::newRow("reports apart: each at once")
        << QList<int>{0, 60, 200} << QList<int>{0, 60, 200};
    QTest::newRow("a steady writer: once per gathering")
        << steady << QList<int>{0, 70, 130, 190, 250, 310};
}

// The gathering's timer is driven by hand on a clock of the test's.
void TestDeskRules::changeReportsRefresh() {
    QFETCH(QList<int>, reports);
    QFETCH(QList<int>, refreshes);
    int now = 0;
    QList<int> done;
    desk::ChangeRefresh refresh(
        [&] { done << now; },
        [&] { return desk::ChangeRefresh::Clock::time_point(std::chrono::milliseconds(now)); });
    int due = -1;
    const auto runUntil = [&](int time) {
        if (due >= 0 && due <= time) {
            now = std::exchange(due, -1);
            refresh.gathered();
        }
        now = time;
    };
    for (const int report : reports) {
        runUntil(report);
        refresh.changed();
        if (refresh.isGathering() && due < 0)
            due = now + desk::ChangeRefresh::delayMs;
    }
    runUntil(std::numeric_limits<int>::max());
    QCOMPARE(done, refreshes);
}

QTEST_GUILESS_MAIN(TestDeskRules)
#include "tst_deskrules.moc"
