// The announcer's desk without a window: listing, choosing, dismissing,
// undo, the read-out log, passing trouble and files that change under it,
// on SQLite files, on Jet files, and (as tst_announcerdesk_postgresql) on
// the private server.
#include "announcerfixture.h"
#include "deskdriving.h"
#include "diskfaults.h"
#include "jetfixture.h"
#include "processmemory.h"
#include "testengine.h"
#include "withoutrootoverride.h"

#include "desk/announcerdesk.h"
#include "desk/readoutlog.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <sys/stat.h>

namespace {

// A fixed time of day for arrival times and the read-out log.
const QDateTime galaTime(QDate(2025, 6, 14), QTime(14, 0));

std::vector<desk::readoutlog::Entry> loggedOn(const QDate& day) {
    return desk::readoutlog::read(desk::readoutlog::fileOf(day));
}

QStringList events(const std::vector<desk::readoutlog::Entry>& entries) {
    QStringList result;
    for (const auto& entry : entries)
        result << entry.event + " " + entry.sequence.toString();
    return result;
}

// Everything the desk's window is told, in order: its display's notices
// and the desk's own.
class WindowNotices : public QObject {
public:
    explicit WindowNotices(desk::AnnouncerDesk& desk) {
        const auto note = [this](const QString& text) { m_texts << text; };
        connect(&desk, &desk::AnnouncerDesk::notice, this, note);
        connect(&desk.windowDisplay(), &desk::DeskDisplay::notice, this, note);
    }
    [[nodiscard]] const QStringList& texts() const { return m_texts; }
    [[nodiscard]] qsizetype count() const { return m_texts.size(); }
    [[nodiscard]] bool isEmpty() const { return m_texts.isEmpty(); }

private:
    QStringList m_texts;
};

QStringList notices(const WindowNotices& notices) {
    return notices.texts();
}

// Renames new content over the database's path, as a program that saves
// by writing a new file does.
void renameOver(const QString& path, const std::function<void(const QString& newFile)>& write) {
    const QString newFile = path + QStringLiteral(".new");
    write(newFile);
    QVERIFY(::rename(QFile::encodeName(newFile).constData(), QFile::encodeName(path).constData()) ==
            0);
}

quint16 serverPort(const QString& connectionFile) {
    QFile file(connectionFile);
    return file.open(QIODevice::ReadOnly)
               ? quint16(QUrl(QString::fromUtf8(file.readLine()).trimmed()).port())
               : 0;
}

QString sqlOf(const QString& sqlite, const QString& server) {
    return testingPostgres() ? server : sqlite;
}

// A row as another program may write it, without the checks kelvane-feed's
// tables make.
void addLooseRow(const AnnouncerFixture& fixture, const QVariant& sequence,
                 const QVariant& message) {
    if (testingPostgres())
        execOn(fixture.path(),
               QStringLiteral("ALTER TABLE \"Announcements\" DROP CONSTRAINT IF EXISTS "
                              "\"Announcements_Sequence_check\""));
    withTestConnection(fixture.path(), [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!testingPostgres())
            query.exec(QStringLiteral("PRAGMA ignore_check_constraints = ON"));
        query.prepare(QStringLiteral(
            "INSERT INTO \"Announcements\" (\"Sequence\", \"Message\") VALUES (?, ?)"));
        query.addBindValue(sequence);
        query.addBindValue(message);
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
    });
}

// A desk whose list Qt's model tester checks at every change.
class CheckedDesk : public desk::AnnouncerDesk {
public:
    explicit CheckedDesk(desk::DeskSettings& settings)
        : desk::AnnouncerDesk(settings) {}

private:
    QAbstractItemModelTester m_tester{messages(),
                                      QAbstractItemModelTester::FailureReportingMode::QtTest};
};

} // namespace

class TestAnnouncerDesk : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void listsChoosesAndDismisses();
    void duplicateSequences();
    void listingChangesRowsInPlace();
    void dismissNeedsAShownMessage();
    void awkwardMessages_data();
    void awkwardMessages();
    void hugeMessageLeavesTheDeskUsable_data();
    void hugeMessageLeavesTheDeskUsable();
    void badRowsNeverEndTheDesk_data();
    void badRowsNeverEndTheDesk();
    void closesWhenTheFileGoes_data();
    void closesWhenTheFileGoes();
    void looksOnlyWhileLookingAndViewed();
    void savedByReplacingTheFile_data();
    void savedByReplacingTheFile();
    void reopenListsTheNamedFile();
    void jetDismissalOnlyHides();
    void anotherProgramsRowAppearsWithoutATick_data();
    void anotherProgramsRowAppearsWithoutATick();
    void serverOutageIsShownAndSurvived();
    void serverDownAtTheStart();
    void undoPutsDismissalsBack();
    void undoRefused();
    void sentMessagesAreAdded();
    void fullDiskRefusesOnlyThatSend();
    void unloggedMessageIsNotDismissed();
    void wholeTextIsLoggedBeforeTheDelete_data();
    void wholeTextIsLoggedBeforeTheDelete();
    void newLinesAreNewUntilChosen();
    void creationTimeColumnIsUsed();
    void displayOnlyNeverDeletes();
    void stationsDismissOnlyTheirOwnMessage();
    void answersOutliveTheirDisplay_data();
    void answersOutliveTheirDisplay();

private:
    QTemporaryDir m_home;
    desk::DeskSettings m_settings{m_home.filePath("desk.ini")};
};

void TestAnnouncerDesk::initTestCase() {
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath("data")));
}

void TestAnnouncerDesk::cleanup() {
    QDir(desk::readoutlog::folder()).removeRecursively();
}

// Sequence 0 lists without a number and is chosen like any other.
void TestAnnouncerDesk::listsChoosesAndDismisses() {
    AnnouncerFixture fixture;
    fixture.addRow(12, QStringLiteral("Event 3 results\r\n1st Amy"));
    fixture.addRow(0, QStringLiteral("Parents of Tom"));
    CheckedDesk desk(m_settings);
    QSignalSpy shown(&desk.windowDisplay(), &desk::DeskDisplay::shownChanged);
    openDesk(desk, fixture.path());
    QCOMPARE(lines(desk), QStringList({"Parents of Tom", "12:Event 3 results"}));
    choose(desk, 1);
    QCOMPARE(desk.windowDisplay().shownText(), QStringLiteral("Event 3 results\n1st Amy"));
    QCOMPARE(desk.currentSequence(), qint16(12));
    QVERIFY(desk.windowDisplay().canDismiss());
    dismiss(desk);
    QCOMPARE(lines(desk), QStringList({"Parents of Tom"}));
    QVERIFY(desk.windowDisplay().shownText().isEmpty());
    QCOMPARE(desk.currentSequence(), qint16(12));
    choose(desk, 0);
    QCOMPARE(desk.windowDisplay().shownText(), QStringLiteral("Parents of Tom"));
    dismiss(desk);
    QVERIFY(lines(desk).isEmpty());
    QCOMPARE(shown.count(), 5);
    desk.close();
    QVERIFY(!desk.isOpen());
    QCOMPARE(fixture.rowCount(), 0);
}

// Each line is its own row: a choice shows that row's text and Dismiss
// deletes that row only, never an unseen one sharing its Sequence, even
// one that arrived after the choice.
void TestAnnouncerDesk::duplicateSequences() {
    AnnouncerFixture fixture;
    fixture.addRow(4, QStringLiteral("earlier"));
    fixture.addRow(4, QStringLiteral("later"));
    fixture.addRow(5, QStringLiteral("other"));
    CheckedDesk desk(m_settings);
    openDesk(desk, fixture.path());
    choose(desk, 0);
    QCOMPARE(desk.windowDisplay().shownText(), QStringLiteral("earlier"));
    fixture.addRow(4, QStringLiteral("URGENT: car blocking the ambulance bay"));
    refresh(desk);
    dismiss(desk);
    QCOMPARE(lines(desk),
             QStringList({"4:later", "4:URGENT: car blocking the ambulance bay", "5:other"}));
    choose(desk, 1);
    QCOMPARE(desk.windowDisplay().shownText(),
             QStringLiteral("URGENT: car blocking the ambulance bay"));
    dismiss(desk);
    QCOMPARE(lines(desk), QStringList({"4:later", "5:other"}));
    QCOMPARE(fixture.rowCount(), 2);
}

// A new listing changes the list in place: a row that stays keeps its
// index (where a view's cursor is), also when its new Sequence sorts it
// elsewhere; identical rows of a row source without a key column share
// their key and are each listed once.
void TestAnnouncerDesk::listingChangesRowsInPlace() {
    AnnouncerFixture fixture;
    for (int sequence = 1; sequence <= 6; ++sequence)
        fixture.addRow(sequence, QString::number(sequence));
    CheckedDesk desk(m_settings);
    openDesk(desk, fixture.path());
    QSignalSpy resets(desk.messages(), &QAbstractItemModel::modelReset);
    const QPersistentModelIndex three = desk.messages()->index(2);
    const QPersistentModelIndex six = desk.messages()->index(5);
    const auto sql = [&](const char* statement) { execOn(fixture.path(), statement); };
    sql(R"(DELETE FROM "Announcements" WHERE "Message" IN ('1', '5'))");
    sql(R"(UPDATE "Announcements" SET "Sequence" = 0 WHERE "Message" = '6')");
    sql(R"(UPDATE "Announcements" SET "Message" = '2 changed' WHERE "Message" = '2')");
    fixture.addRow(3, QStringLiteral("3b"));
    fixture.addRow(7, QStringLiteral("7"));
    refresh(desk);
    const QStringList listed({"6", "2:2 changed", "3:3", "3:3b", "4:4", "7:7"});
    QCOMPARE(lines(desk), listed);
    QCOMPARE(six.row(), 0);
    QCOMPARE(three.row(), 2);
    QCOMPARE(resets.count(), 0);
    // Nothing changed, nothing told (a station sends its pages the list on a change).
    QSignalSpy changed(desk.messages(), &QAbstractItemModel::dataChanged);
    refresh(desk);
    QCOMPARE(changed.count(), 0);
    sql(R"(DROP VIEW "Sorted Announcements")");
    sql("CREATE VIEW \"Sorted Announcements\" AS SELECT \"Sequence\", \"Message\" FROM "
        "\"Announcements\" ORDER BY \"Sequence\", \"Id\"");
    fixture.addRow(4, QStringLiteral("4"));
    refresh(desk);
    QStringList twice = listed;
    twice.insert(4, "4:4");
    QCOMPARE(lines(desk), twice);
    sql(R"(DELETE FROM "Announcements" WHERE "Id" = 4)");
    refresh(desk);
    QCOMPARE(lines(desk), listed);
    // Rounds of scattered deletes, new Sequences and inserts, identical
    // rows among them.
    QRandomGenerator random(38);
    for (int round = 0; round < 8; ++round) {
        const auto pick = [&](int bound) { return QString::number(random.bounded(bound)); };
        sql(qPrintable("DELETE FROM \"Announcements\" WHERE \"Id\" % 7 = " + pick(7)));
        sql(qPrintable("UPDATE \"Announcements\" SET \"Sequence\" = (\"Sequence\" * 7 + " +
                       pick(9) + ") % 9 + 1 WHERE \"Id\" % 3 = " + pick(3)));
        for (int added = 0; added < 6; ++added)
            fixture.addRow(random.bounded(1, 10), pick(3));
        refresh(desk);
        QStringList expected;
        for (const auto& [sequence, message] : fixture.rows())
            expected << (sequence.toInt() == 0 ? message : sequence.toString() + ":" + message);
        QCOMPARE(lines(desk), expected);
    }
}

// Dismiss deletes only the message on display: not before a choice, not on
// a second press, not once another program deleted it (it stays readable,
// marked), and not after the desk was opened again.
void TestAnnouncerDesk::dismissNeedsAShownMessage() {
    AnnouncerFixture fixture;
    fixture.addRow(0, QStringLiteral("zero"));
    fixture.addRow(7, QStringLiteral("seven"));
    CheckedDesk desk(m_settings);
    openDesk(desk, fixture.path());
    QVERIFY(!desk.windowDisplay().canDismiss());
    dismiss(desk);
    QCOMPARE(lines(desk).size(), 2);
    choose(desk, 1);
    dismiss(desk);
    fixture.addRow(7, QStringLiteral("seven again"));
    dismiss(desk);
    refresh(desk);
    QCOMPARE(lines(desk), QStringList({"zero", "7:seven again"}));
    choose(desk, 0);
    execOn(fixture.path(), QStringLiteral("DELETE FROM \"Announcements\" WHERE \"Sequence\" = 0"));
    refresh(desk);
    QVERIFY(desk.windowDisplay().shownIsGone());
    QCOMPARE(desk.windowDisplay().shownText(),
             QStringLiteral("\u2014 no longer in the database \u2014\n\nzero"));
    QVERIFY(desk.condition().shownGone);
    QVERIFY(!desk.windowDisplay().canDismiss());
    fixture.addRow(0, QStringLiteral("zero"));
    refresh(desk);
    choose(desk, 1);
    openDesk(desk, fixture.path());
    QVERIFY(desk.windowDisplay().shownText().isEmpty());
    dismiss(desk);
    QCOMPARE(fixture.rowCount(), 2);
}

void TestAnnouncerDesk::awkwardMessages_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("line");
    QStringList many;
    for (int i = 1; i <= 5000; ++i)
        many << QStringLiteral("line %1").arg(i);
    QTest::newRow("empty") << ""
                           << "9:";
    QTest::newRow("line breaks only") << "\r\n\r\n\r\n"
                                      << "9:";
    QTest::newRow("leading empty lines") << "\r\n\r\nHeat 2"
                                         << "9:Heat 2";
    QTest::newRow("2,100 empty lines first") << QString("\r\n").repeated(2100) + "Heat 2"
                                             << "9:Heat 2";
    QTest::newRow("lone LF and CR") << "a\nb\rc\r\nd"
                                    << "9:a\nb\rc";
    QTest::newRow("5000 lines") << many.join("\r\n") << "9:line 1";
    constexpr qsizetype sixtyKB = 61440;
    QTest::newRow("60 KB line: the list shows its start")
        << QString(sixtyKB, QLatin1Char('w')) << "9:" + QString(1000, QLatin1Char('w')) + "\u2026";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Zoë Ødegård – 1:02.34 🏊\r\nĐorđe")
                               << QString::fromUtf8("9:Zoë Ødegård – 1:02.34 🏊");
}

void TestAnnouncerDesk::awkwardMessages() {
    QFETCH(QString, message);
    QFETCH(QString, line);
    AnnouncerFixture fixture;
    fixture.addRow(9, message);
    CheckedDesk desk(m_settings);
    openDesk(desk, fixture.path());
    QCOMPARE(lines(desk), QStringList({line}));
    // A lone CR or LF keeps the line on one row of the screen.
    QCOMPARE(desk.messages()->index(0).data().toString(),
             QString(line).replace(QRegularExpression("[\r\n]"), "\u21b5"));
    choose(desk, 0);
    QString shown = message;
    shown.replace("\r\n", "\n").replace('\r', '\n');
    QCOMPARE(desk.windowDisplay().shownText(), shown);
}

void TestAnnouncerDesk::hugeMessageLeavesTheDeskUsable_data() {
    QTest::addColumn<qint64>("characters");
    QTest::newRow("1 MB") << qint64{1};
    QTest::newRow("20 MB") << qint64{20};
    QTest::newRow("200 MB") << qint64{200};
}

// Any writer can store a message of any length. The list shows the start
// of its first line, the text box its first 64 Ki characters with a note
// of the rest; memory stays far below the message's size, and the other
// messages can still be chosen and dismissed.
void TestAnnouncerDesk::hugeMessageLeavesTheDeskUsable() {
    QFETCH(qint64, characters);
    characters *= qint64{1000} * 1000;
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("before"));
    // Made by the database itself: the test need not hold it either.
    execOn(fixture.path(),
           sqlOf(QStringLiteral("INSERT INTO Announcements (Sequence, Message) "
                                "VALUES (9, replace(hex(zeroblob(%1)), '0', 'w'))")
                     .arg(characters / 2),
                 QStringLiteral("INSERT INTO \"Announcements\" (\"Sequence\", \"Message\") "
                                "VALUES (9, repeat('w', %1))")
                     .arg(characters)));
    fixture.addRow(12, QStringLiteral("after"));
    const qint64 before = residentKiB();
    CheckedDesk desk(m_settings);
    openDesk(desk, fixture.path());
    QCOMPARE(lines(desk),
             QStringList({"1:before", "9:" + QString(1000, 'w') + "\u2026", "12:after"}));
    choose(desk, 1);
    const qsizetype shownPart = std::min<qsizetype>(characters, desk::shownCharacters);
    QVERIFY(desk.windowDisplay().shownText().startsWith(QString(shownPart, 'w')));
    QCOMPARE(
        desk.windowDisplay().shownText().contains(QStringLiteral("characters, not shown here")),
        characters > desk::shownCharacters);
    QVERIFY(desk.windowDisplay().shownText().size() < shownPart + 100);
    check(desk);
    choose(desk, 2);
    dismiss(desk);
    choose(desk, 0);
    dismiss(desk);
    QCOMPARE(lines(desk).size(), 1);
    // What the database's own page cache holds goes with its connection.
    desk.close();
    const qint64 grownMiB = (residentKiB() - before) / 1024;
    QVERIFY2(grownMiB < 100, qPrintable(QStringLiteral("%1 MiB more").arg(grownMiB)));
    QCOMPARE(fixture.rowCount(), 1);
}

void TestAnnouncerDesk::badRowsNeverEndTheDesk_data() {
    QTest::addColumn<QVariant>("sequence");
    QTest::addColumn<QVariant>("message");
    QTest::addColumn<QString>("line");
    QTest::newRow("no text") << QVariant(2) << QVariant() << "2:";
    QTest::newRow("Sequence beyond 16 bits") << QVariant(40000) << QVariant("big") << "40000?:big";
    QTest::newRow("Sequence not a number")
        << QVariant("abc") << QVariant("letters") << "abc?:letters";
}

// A meet program that writes one bad row must not end the desk mid-gala:
// the row is listed, chosen, dismissed and put back by its key like any
// other, and the rest of the list works as before.
void TestAnnouncerDesk::badRowsNeverEndTheDesk() {
    QFETCH(QVariant, sequence);
    QFETCH(QVariant, message);
    QFETCH(QString, line);
    if (testingPostgres() && sequence.typeId() == QMetaType::QString)
        QSKIP("the server's Sequence column takes numbers only");
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    CheckedDesk desk(m_settings);
    WindowNotices notice(desk);
    openDesk(desk, fixture.path());
    addLooseRow(fixture, sequence, message);
    refresh(desk);
    const QStringList listed = lines(desk);
    QCOMPARE(listed.size(), 2);
    const int row = static_cast<int>(listed.indexOf(line));
    QVERIFY2(row >= 0, qPrintable(listed.join(" | ")));
    choose(desk, row);
    QCOMPARE(desk.windowDisplay().shownText(), message.toString());
    dismiss(desk);
    QCOMPARE(lines(desk), QStringList({"1:one"}));
    undo(desk);
    QCOMPARE(lines(desk).size(), 2);
    choose(desk, 1 - row);
    QCOMPARE(desk.windowDisplay().shownText(), QStringLiteral("one"));
    QCOMPARE(notices(notice), QStringList());
    QCOMPARE(events(loggedOn(QDate::currentDate())).size(), 2);
}

void TestAnnouncerDesk::closesWhenTheFileGoes_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("keepsTrying");
    QTest::newRow("the file vanished") << "moved" << false;
    QTest::newRow("made unreadable") << "unreadable" << false;
    QTest::newRow("something else put in its place") << "garbage" << false;
    QTest::newRow("served: the file vanished and came back") << "moved" << true;
    QTest::newRow("served: made unreadable, then readable again") << "unreadable" << true;
    QTest::newRow("served: something else put in its place") << "garbage" << true;
}

// The desk lets go of a file that vanished, and of one that is no
// announcer database, and says so naming the file; opening it again is
// refused with the reason and ends nothing. Keeping a vanished file open
// would list deleted messages while the meet program writes a new file at
// the same path. A desk served without a window keeps trying: the reason
// stays in its caption note until a look finds the file fit again.
void TestAnnouncerDesk::closesWhenTheFileGoes() {
    QFETCH(QString, how);
    QFETCH(bool, keepsTrying);
    const bool garbage = how == "garbage";
    if (testingPostgres())
        QSKIP("a server's database is no file");
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("first"));
    CheckedDesk desk(m_settings);
    desk.setKeepsTrying(keepsTrying);
    QSignalSpy closed(&desk, &desk::AnnouncerDesk::closed);
    openDesk(desk, fixture.path());
    fixture.addRow(2, QStringLiteral("second"));
    check(desk);
    QCOMPARE(lines(desk), QStringList({"1:first", "2:second"}));
    if (garbage)
        renameOver(fixture.path(), [](const QString& newFile) {
            QFile other(newFile);
            QVERIFY(other.open(QIODevice::WriteOnly));
            other.write("Sequence,Message\r\n1,not a database\r\n");
        });
    else if (how == "moved")
        QVERIFY(QFile::rename(fixture.path(), fixture.path() + ".moved"));
    else
        QVERIFY(::chmod(QFile::encodeName(fixture.path()).constData(), 0) == 0);
    const WithoutRootOverride asAnnouncer;
    QVERIFY(asAnnouncer.ok());
    check(desk);
    QTRY_COMPARE(closed.count(), 1);
    QVERIFY(!desk.isOpen());
    const QString reason = closed.front().value(0).toString();
    QVERIFY2(reason.contains(fixture.path()), qPrintable(reason));
    QCOMPARE(reason.contains(QStringLiteral("' is not an announcer database")), garbage);
    QCOMPARE(desk.condition().closedReason == reason, keepsTrying);
    if (garbage) {
        keepsTrying ? desk.check() : desk.open(fixture.path());
        QTRY_COMPARE(closed.count(), 2);
    } else if (keepsTrying) {
        QVERIFY(how == "moved" ? QFile::rename(fixture.path() + ".moved", fixture.path())
                               : ::chmod(QFile::encodeName(fixture.path()).constData(), 0600) == 0);
        check(desk);
        QTRY_COMPARE(lines(desk), QStringList({"1:first", "2:second"}));
        QVERIFY(desk.condition() == desk::DeskCondition());
    }
}

// The regular look runs while looking is on and a view shows the desk: a
// closed screen's desk looks at nothing, whatever pages watch it.
void TestAnnouncerDesk::looksOnlyWhileLookingAndViewed() {
    desk::AnnouncerDesk desk(m_settings);
    desk.attachView();
    QVERIFY(!desk.isLooking());
    desk.setLooking(true);
    QVERIFY(desk.isLooking());
    desk.detachView();
    QVERIFY(!desk.isLooking());
}

void TestAnnouncerDesk::savedByReplacingTheFile_data() {
    QTest::addColumn<bool>("shownRowKept");
    QTest::newRow("the new file still holds the row on display") << true;
    QTest::newRow("the row on display is gone from the new file") << false;
}

// The desk carries on with the new file; the message on display stays,
// and Dismiss deletes it from the new file only if that row is still there.
void TestAnnouncerDesk::savedByReplacingTheFile() {
    QFETCH(bool, shownRowKept);
    if (testingPostgres())
        QSKIP("a server's rows are not saved by replacing a file");
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("first"));
    fixture.addRow(2, QStringLiteral("second"));
    CheckedDesk desk(m_settings);
    WindowNotices notice(desk);
    openDesk(desk, fixture.path());
    choose(desk, 0);
    renameOver(fixture.path(), [&](const QString& newFile) {
        QCOMPARE(fixture.firstValue(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")).toInt(), 0);
        QVERIFY(QFile::copy(fixture.path(), newFile));
        if (!shownRowKept)
            execOn(newFile, QStringLiteral("DELETE FROM Announcements WHERE Sequence = 1"));
        execOn(newFile,
               QStringLiteral("INSERT INTO Announcements (Sequence, Message) VALUES (3, 'third')"));
    });
    check(desk);
    QVERIFY(desk.isOpen());
    QCOMPARE(lines(desk), shownRowKept ? QStringList({"1:first", "2:second", "3:third"})
                                       : QStringList({"2:second", "3:third"}));
    QVERIFY(desk.windowDisplay().shownText().endsWith(QStringLiteral("first")));
    QCOMPARE(desk.windowDisplay().shownIsGone(), !shownRowKept);
    QCOMPARE(desk.windowDisplay().canDismiss(), shownRowKept);
    dismiss(desk);
    QCOMPARE(lines(desk), QStringList({"2:second", "3:third"}));
    QCOMPARE(notices(notice), QStringList());
    QCOMPARE(fixture.rowCount(), 2);
}

// Opening the desk on a path lists the file that the path names now, not
// one it had open before (another path, or another file renamed onto the
// same path): listing file A's messages after the announcer chose file B
// would be plainly wrong.
void TestAnnouncerDesk::reopenListsTheNamedFile() {
    AnnouncerFixture first;
    first.addRow(1, QStringLiteral("old file"));
    AnnouncerFixture second;
    second.addRow(2, QStringLiteral("new file"));
    CheckedDesk desk(m_settings);
    openDesk(desk, first.path());
    openDesk(desk, second.path());
    QCOMPARE(lines(desk), QStringList({"2:new file"}));
    if (testingPostgres())
        return;
    openDesk(desk, first.path());
    QVERIFY(QFile::remove(first.path()));
    QVERIFY(QFile::rename(second.path(), first.path()));
    openDesk(desk, first.path());
    QCOMPARE(lines(desk), QStringList({"2:new file"}));
}

// The file can only be read here: a dismissed message leaves the list for
// the rest of the run (across openings) but stays in the file, and the
// announcer is told so once; Undo shows it again.
void TestAnnouncerDesk::jetDismissalOnlyHides() {
    if (testingPostgres())
        QSKIP("a Jet file is no server");
    QTemporaryDir dir;
    const QString name = QStringLiteral("announcer-jet4.mdb");
    const QString path = copyJetSample(name, dir.path());
    QVERIFY_JET_SAMPLE(path, name);
    const QByteArray before = fileBytes(path);
    CheckedDesk desk(m_settings);
    WindowNotices notice(desk);
    openDesk(desk, path);
    const QStringList twoLeft({"30:Event 3", "40:Caf\u00e9 open \u2013 \"quotes\", commas; 100%"});
    QCOMPARE(lines(desk), QStringList({"10:Welcome to the gala", "20:Event 2"}) + twoLeft);
    choose(desk, 2);
    QCOMPARE(desk.windowDisplay().shownText(),
             QStringLiteral("Event 3\nBoys 100m Backstroke\nHeat 1 of 2"));
    QCOMPARE(desk.currentSequence(), qint16(30));
    choose(desk, 1);
    dismiss(desk);
    QCOMPARE(notice.count(), 1);
    QVERIFY(notices(notice).front().contains(QStringLiteral("can only be read on this computer")));
    choose(desk, 0);
    dismiss(desk);
    check(desk);
    QCOMPARE(lines(desk), twoLeft);
    openDesk(desk, path);
    QCOMPARE(lines(desk), twoLeft);
    {
        // The next run: what the log says was read out stays hidden.
        CheckedDesk nextRun(m_settings);
        openDesk(nextRun, path);
        QCOMPARE(lines(nextRun), twoLeft);
        QVERIFY(nextRun.condition().readOnlyHere);
    }
    undo(desk);
    QCOMPARE(lines(desk), QStringList({"10:Welcome to the gala"}) + twoLeft);
    QCOMPARE(desk.windowDisplay().shownText(), QStringLiteral("Welcome to the gala"));
    undo(desk);
    QCOMPARE(lines(desk).size(), 4);
    QCOMPARE(notice.count(), 1);
    QCOMPARE(events(loggedOn(QDate::currentDate())),
             QStringList({"dismissed 20", "dismissed 10", "undone 10", "undone 20"}));
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({name}));
}

void TestAnnouncerDesk::anotherProgramsRowAppearsWithoutATick_data() {
    QTest::addColumn<bool>("rollbackJournal");
    QTest::addColumn<bool>("viewed");
    QTest::newRow("write-ahead log") << false << true;
    QTest::newRow("rollback journal, which comes and goes") << true << true;
    QTest::newRow("no view: listed once one attaches") << false << false;
}

// Only the database's own change reports bring the new row onto the list:
// nothing else asks for a refresh here. While no view shows the desk, a
// change report lists nothing; the first view to attach has the list read.
void TestAnnouncerDesk::anotherProgramsRowAppearsWithoutATick() {
    QFETCH(bool, rollbackJournal);
    QFETCH(bool, viewed);
    if (rollbackJournal && testingPostgres())
        QSKIP("a server has no journal file");
    AnnouncerFixture fixture;
    if (rollbackJournal)
        execOn(fixture.path(), QStringLiteral("PRAGMA journal_mode = DELETE"));
    fixture.addRow(1, QStringLiteral("first"));
    CheckedDesk desk(m_settings);
    openDesk(desk, fixture.path());
    if (viewed)
        desk.attachView();
    QSignalSpy listed(&desk, &desk::AnnouncerDesk::listChanged);
    for (const QString& message : {QStringLiteral("second"), QStringLiteral("third")}) {
        QProcess writer;
        writer.start(builtProgram("KELVANE_FEED"),
                     {QStringLiteral("add"), fixture.path(), "2", message});
        QVERIFY(writer.waitForFinished(30000));
        QCOMPARE(writer.exitCode(), 0);
        if (!desk.hasViews()) {
            QTest::qWait(500);
            QCOMPARE(listed.count(), 0);
            desk.attachView();
        }
        QTRY_VERIFY_WITH_TIMEOUT(lines(desk).contains("2:" + message), 10000);
    }
}

// The server goes away under the open desk: it keeps the last list and the
// chosen message, says since when the server is away, refuses a dismissal
// with a reason, and is current again soon after the server's return,
// where Dismiss then deletes that one row.
void TestAnnouncerDesk::serverOutageIsShownAndSurvived() {
    if (!testingPostgres())
        QSKIP("only a server can go away (run as tst_announcerdesk_postgresql)");
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    fixture.addRow(2, QStringLiteral("two"));
    CheckedDesk desk(m_settings);
    WindowNotices notice(desk);
    openDesk(desk, fixture.path());
    desk.attachView();
    choose(desk, 0);
    QVERIFY(controlServer(QStringLiteral("stop")));
    desk.refresh();
    QTRY_VERIFY_WITH_TIMEOUT(desk.condition().trouble == desk::DatabaseTrouble::Kind::Unreachable,
                             10000);
    QCOMPARE(lines(desk), QStringList({"1:one", "2:two"}));
    desk.windowDisplay().dismiss();
    QTRY_COMPARE_WITH_TIMEOUT(notice.count(), 1, 10000);
    QVERIFY2(notices(notice).front().contains(QStringLiteral("has not been dismissed")),
             qPrintable(notices(notice).front()));
    QCOMPARE(desk.windowDisplay().shownText(), QStringLiteral("one"));
    // With no view, the desk stops trying; the first view tries at once.
    // A listener on the server's port counts the tries.
    desk.detachView();
    settle(desk);
    QTcpServer port;
    QVERIFY(port.listen(QHostAddress::LocalHost, serverPort(fixture.path())));
    int tries = 0;
    connect(&port, &QTcpServer::newConnection, [&] {
        for (; port.hasPendingConnections(); ++tries)
            port.nextPendingConnection()->abort();
    });
    QTest::qWait(2500);
    QCOMPARE(tries, 0);
    desk.attachView();
    QTRY_VERIFY(tries > 0);
    port.close();
    QVERIFY(controlServer(QStringLiteral("start")));
    fixture.addRow(3, QStringLiteral("three"));
    QTRY_COMPARE_WITH_TIMEOUT(lines(desk), QStringList({"1:one", "2:two", "3:three"}), 5000);
    QVERIFY(desk.condition() == desk::DeskCondition());
    dismiss(desk);
    QCOMPARE(lines(desk), QStringList({"2:two", "3:three"}));
    QCOMPARE(fixture.rowCount(), 2);
}

// A server that cannot be reached at the start: the desk closes again with
// a reason naming the server.
void TestAnnouncerDesk::serverDownAtTheStart() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gala.conn"));
    QFile connection(path);
    QVERIFY(connection.open(QIODevice::WriteOnly));
    connection.write("postgresql://announcer@127.0.0.1:1/gala?sslmode=disable\n");
    connection.close();
    CheckedDesk desk(m_settings);
    QSignalSpy closed(&desk, &desk::AnnouncerDesk::closed);
    desk.open(path);
    QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 10000);
    QVERIFY(!desk.isOpen());
    const QString reason = closed.front().value(0).toString();
    QVERIFY2(reason.contains(QStringLiteral("127.0.0.1:1")) &&
                 reason.contains(QStringLiteral("refused")),
             qPrintable(reason));
}

// Undo puts dismissed messages back, the latest first, each as a new row
// with its Sequence and whole text; the read-out log keeps both events.
void TestAnnouncerDesk::undoPutsDismissalsBack() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one\r\nline two"));
    fixture.addRow(2, QStringLiteral("two"));
    fixture.addRow(3, QStringLiteral("three"));
    CheckedDesk desk(m_settings);
    WindowNotices notice(desk);
    desk.setClock([] { return galaTime; });
    openDesk(desk, fixture.path());
    for (int dismissal = 0; dismissal < 2; ++dismissal) {
        choose(desk, 0);
        dismiss(desk);
    }
    QCOMPARE(lines(desk), QStringList({"3:three"}));
    undo(desk);
    QCOMPARE(lines(desk), QStringList({"2:two", "3:three"}));
    QVERIFY(!desk.messages()->index(0).data(desk::MessageList::NewRole).toBool());
    // What Undo put back is on display again, ready to be dismissed.
    QCOMPARE(desk.windowDisplay().shownText(), QStringLiteral("two"));
    QCOMPARE(desk.windowDisplay().shownKey(), desk.messages()->line(0)->key);
    QVERIFY(desk.windowDisplay().canDismiss());
    undo(desk);
    QCOMPARE(lines(desk), QStringList({"1:one", "2:two", "3:three"}));
    QCOMPARE(desk.windowDisplay().shownText(), QStringLiteral("one\nline two"));
    QCOMPARE(desk.currentSequence(), qint16(1));
    QVERIFY(notice.isEmpty());
    undo(desk);
    QCOMPARE(notices(notice), QStringList({"There is no dismissal to undo."}));
    QCOMPARE(fixture.rows().front().second, QStringLiteral("one\r\nline two"));
    QVERIFY(fixture
                .firstValue(QStringLiteral(
                    "SELECT min(\"Id\") FROM \"Announcements\" WHERE \"Sequence\" < 3"))
                .toInt() > 3);
    const auto logged = loggedOn(galaTime.date());
    QCOMPARE(events(logged), QStringList({"dismissed 1", "dismissed 2", "undone 2", "undone 1"}));
    QCOMPARE(logged[0].message, QStringLiteral("one\r\nline two"));
    QCOMPARE(logged[0].database, fixture.path());
    QCOMPARE(desk::readoutlog::readOuts(logged).size(), size_t(2));
}

// A message sent from a browser is one new row with the sent Sequence (the
// lower one when urgent) and the sender in front, listed without a number
// and, when urgent, marked and announced as such; the same text sent again
// while it is pending joins it. The log notes who sent it.
void TestAnnouncerDesk::sentMessagesAreAdded() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("Event 1"));
    CheckedDesk desk(m_settings);
    desk.setClock([] { return galaTime; });
    openDesk(desk, fixture.path());
    QSignalSpy arrived(&desk, &desk::AnnouncerDesk::arrived);
    QStringList keys;
    for (const auto& [text, urgent] :
         {std::pair{"Lane 4\nto the start", false}, std::pair{"Medals now", true},
          std::pair{"Lane 4\nto the start", false}}) {
        desk.send(QStringLiteral("Referee"), QString::fromUtf8(text), urgent,
                  QStringLiteral("browser #1"), [&](const desk::AnnouncerDesk::Sent& sent) {
                      keys << (sent.key ? sent.key->text() : sent.refusal);
                  });
        settle(desk);
    }
    QCOMPARE(keys.size(), 3);
    QCOMPARE(keys[2], keys[0]);
    QCOMPARE(lines(desk),
             QStringList({"From Referee: Medals now", "From Referee: Lane 4", "1:Event 1"}));
    QList<bool> urgent;
    for (int row = 0; row < 3; ++row)
        urgent << desk.messages()->index(row).data(desk::MessageList::UrgentRole).toBool();
    QCOMPARE(urgent, QList<bool>({true, false, false}));
    QCOMPARE(arrived.size(), 2);
    QCOMPARE(arrived[1], QVariantList({1, 1}));
    QCOMPARE(fixture.rows()[1].second, QStringLiteral("From Referee: Lane 4\r\nto the start"));
    const auto logged = loggedOn(galaTime.date());
    QCOMPARE(events(logged), QStringList({"sent 0", "sent -1", "sent 0"}));
    QCOMPARE(logged.front().row, keys[0]);
    QCOMPARE(logged.front().station, QStringLiteral("Referee (browser #1)"));
}

// A full disk refuses the one message, naming the disk; once space is
// freed the next message is taken, with no reopening.
void TestAnnouncerDesk::fullDiskRefusesOnlyThatSend() {
    if (testingPostgres())
        QSKIP("a server's disk cannot be filled from here");
    const SmallDisk disk;
    if (!disk.mounted())
        QSKIP(qPrintable(disk.reason()));
    AnnouncerFixture fixture;
    const QString path = disk.path() + QStringLiteral("/announcer.mdb");
    QVERIFY(QFile::copy(fixture.path(), path));
    CheckedDesk desk(m_settings);
    openDesk(desk, path);
    disk.fill();
    QStringList refusals;
    const auto send = [&] {
        desk.send(QStringLiteral("Referee"), QStringLiteral("Lane 4"), false,
                  QStringLiteral("browser #1"),
                  [&](const desk::AnnouncerDesk::Sent& sent) { refusals << sent.refusal; });
        settle(desk);
    };
    send();
    QVERIFY2(refusals.last().startsWith("The disk that holds the database"),
             qPrintable(refusals.last()));
    QVERIFY(!desk.refusesMessages());
    QVERIFY(QFile::remove(disk.path() + QStringLiteral("/filler")));
    send();
    QCOMPARE(refusals.last(), QString());
    QCOMPARE(lines(desk), QStringList({"From Referee: Lane 4"}));
}

// A row source that cannot take the row back (no insert trigger; a server
// account without INSERT): Undo says so, adds nothing, and the dismissal
// stays to be read in the log. A message sent from a browser is refused
// the same way, and from then on the desk says it takes none.
void TestAnnouncerDesk::undoRefused() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    QString path = fixture.path();
    QTemporaryDir dir;
    if (testingPostgres()) {
        execOn(path, QStringLiteral("DO $$ BEGIN CREATE ROLE kelvane_reader LOGIN; "
                                    "EXCEPTION WHEN duplicate_object THEN NULL; END $$"));
        execOn(path, QStringLiteral(
                         "GRANT SELECT, DELETE ON \"Sorted Announcements\" TO kelvane_reader"));
        QFile server(path);
        QVERIFY(server.open(QIODevice::ReadOnly));
        QUrl uri(QString::fromUtf8(server.readLine()).trimmed());
        uri.setUserName(QStringLiteral("kelvane_reader"));
        path = dir.filePath(QStringLiteral("reader.conn"));
        QFile reader(path);
        QVERIFY(reader.open(QIODevice::WriteOnly));
        reader.write(uri.toEncoded() + '\n');
    } else {
        execOn(path, QStringLiteral("DROP TRIGGER \"Sorted Announcements insert\""));
    }
    CheckedDesk desk(m_settings);
    WindowNotices notice(desk);
    desk.setClock([] { return galaTime; });
    openDesk(desk, path);
    choose(desk, 0);
    dismiss(desk);
    for (int attempt = 0; attempt < 2; ++attempt) {
        undo(desk);
        QCOMPARE(notice.count(), attempt + 1);
        QVERIFY2(notices(notice).last().startsWith("The dismissal cannot be undone"),
                 qPrintable(notices(notice).last()));
    }
    // A page has no keys: its notice points to the desk instead.
    QVERIFY(notices(notice).last().endsWith("read-out log (Ctrl+H)."));
    const auto browser = desk.openDisplay(QStringLiteral("browser 127.0.0.1 #1"));
    QSignalSpy browserNotice(browser.get(), &desk::DeskDisplay::notice);
    fixture.addRow(2, QStringLiteral("two"));
    refresh(desk);
    choose(desk, 0, browser.get());
    dismiss(desk, browser.get());
    undo(desk, browser.get());
    QCOMPARE(browserNotice.count(), 1);
    QVERIFY(browserNotice[0][0].toString().endsWith("read-out log at the desk."));
    QVERIFY(!desk.refusesMessages());
    QString refusal;
    desk.send(QStringLiteral("Referee"), QStringLiteral("two"), false, QStringLiteral("browser #1"),
              [&](const desk::AnnouncerDesk::Sent& sent) { refusal = sent.refusal; });
    settle(desk);
    QVERIFY2(refusal.startsWith("This desk cannot take messages: "), qPrintable(refusal));
    QVERIFY(desk.refusesMessages());
    QCOMPARE(desk.refusesMessages().reason(), refusal);
    QVERIFY(lines(desk).isEmpty());
    QCOMPARE(fixture.rowCount(), 0);
    QCOMPARE(events(loggedOn(galaTime.date())), QStringList({"dismissed 1", "dismissed 2"}));
}

// A log that cannot be written (its folder is a file) keeps the message:
// nothing read out is deleted without its line in the log.
void TestAnnouncerDesk::unloggedMessageIsNotDismissed() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    QDir().mkpath(QFileInfo(desk::readoutlog::folder()).path());
    QFile blocker(desk::readoutlog::folder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    CheckedDesk desk(m_settings);
    WindowNotices notice(desk);
    openDesk(desk, fixture.path());
    choose(desk, 0);
    dismiss(desk);
    QCOMPARE(notice.count(), 1);
    QVERIFY2(notices(notice).front().contains("read-out log could not be written"),
             qPrintable(notices(notice).front()));
    QCOMPARE(desk.windowDisplay().shownText(), QStringLiteral("one"));
    QVERIFY(desk.windowDisplay().canDismiss());
    QCOMPARE(fixture.rowCount(), 1);
    QFile::remove(desk::readoutlog::folder());
}

void TestAnnouncerDesk::wholeTextIsLoggedBeforeTheDelete_data() {
    QTest::addColumn<QVariant>("sequence");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("logged");
    QTest::newRow("longer than the text box shows")
        << QVariant(3) << QString(desk::shownCharacters + 10, QLatin1Char('x')) + "end"
        << "3";
    QTest::newRow("a NUL inside") << QVariant(4) << QStringLiteral("before") + QChar(0) + "after"
                                  << "4";
}

// Whatever the engine's text functions make of a message, the log holds
// all of it before the row goes, so Undo can put back exactly what was
// deleted; the Sequence is logged as the list showed it.
void TestAnnouncerDesk::wholeTextIsLoggedBeforeTheDelete() {
    QFETCH(QVariant, sequence);
    QFETCH(QString, message);
    QFETCH(QString, logged);
    if (testingPostgres() && message.contains(QChar(0)))
        QSKIP("the server's text takes no NUL");
    AnnouncerFixture fixture;
    fixture.addRow(sequence, message);
    CheckedDesk desk(m_settings);
    desk.setClock([] { return galaTime; });
    openDesk(desk, fixture.path());
    choose(desk, 0);
    dismiss(desk);
    QCOMPARE(fixture.rowCount(), 0);
    const auto entries = loggedOn(galaTime.date());
    QCOMPARE(entries.size(), size_t(1));
    QCOMPARE(entries[0].message, message);
    QCOMPARE(entries[0].sequence.toString(), logged);
    undo(desk);
    QCOMPARE(fixture.rowCount(), 1);
    QCOMPARE(desk.messages()->rowCount(), 1);
    if (!message.contains(QChar(0)))
        QCOMPARE(fixture.rows().front().second, message);
}

// A line that appears after the first listing is new until it is itself
// chosen; its tooltip tells when it arrived, and its age moves on with the
// clock.
void TestAnnouncerDesk::newLinesAreNewUntilChosen() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    QDateTime now = galaTime;
    CheckedDesk desk(m_settings);
    QSignalSpy arrived(&desk, &desk::AnnouncerDesk::arrived);
    desk.setClock([&] { return now; });
    openDesk(desk, fixture.path());
    const auto line = [&](int row, int role) { return desk.messages()->index(row).data(role); };
    QVERIFY(!line(0, desk::MessageList::NewRole).toBool());
    now = now.addSecs(120);
    fixture.addRow(2, QStringLiteral("two"));
    refresh(desk);
    QCOMPARE(arrived.count(), 1);
    QVERIFY(line(1, desk::MessageList::NewRole).toBool());
    QVERIFY(!line(0, desk::MessageList::NewRole).toBool());
    now = now.addSecs(180);
    check(desk);
    QVERIFY(line(1, desk::MessageList::NewRole).toBool());
    QCOMPARE(line(0, Qt::ToolTipRole).toString(), QStringLiteral("arrived 14:00, 5 min ago"));
    QCOMPARE(line(1, Qt::ToolTipRole).toString(), QStringLiteral("arrived 14:02, 3 min ago"));
    choose(desk, 0);
    QVERIFY(line(1, desk::MessageList::NewRole).toBool());
    choose(desk, 1);
    QVERIFY(!line(1, desk::MessageList::NewRole).toBool());
}

// Where the writer records when it made a row, that time is the arrival.
void TestAnnouncerDesk::creationTimeColumnIsUsed() {
    AnnouncerFixture fixture;
    if (testingPostgres()) {
        execOn(fixture.path(),
               QStringLiteral("ALTER TABLE \"Announcements\" ADD COLUMN \"Created\" timestamptz"));
        execOn(fixture.path(),
               QStringLiteral("CREATE OR REPLACE VIEW \"Sorted Announcements\" AS SELECT \"Id\", "
                              "\"Sequence\", \"Message\", \"Created\" FROM \"Announcements\""));
    } else {
        execOn(fixture.path(), QStringLiteral("ALTER TABLE Announcements ADD COLUMN Created TEXT"));
        execOn(fixture.path(), QStringLiteral("DROP VIEW \"Sorted Announcements\""));
        execOn(fixture.path(),
               QStringLiteral("CREATE VIEW \"Sorted Announcements\" AS SELECT Id, Sequence, "
                              "Message, Created FROM Announcements"));
    }
    execOn(fixture.path(),
           QStringLiteral("INSERT INTO \"Announcements\" (\"Sequence\", \"Message\", \"Created\") "
                          "VALUES (5, 'five', '2025-06-14T13:00:00Z')"));
    fixture.addRow(6, QStringLiteral("six, no time"));
    const QDateTime created(QDate(2025, 6, 14), QTime(13, 0), Qt::UTC);
    CheckedDesk desk(m_settings);
    desk.setClock([&] { return created.addSecs(600).toLocalTime(); });
    openDesk(desk, fixture.path());
    const auto tip = [&](int row) {
        return desk.messages()->index(row).data(Qt::ToolTipRole).toString();
    };
    QCOMPARE(tip(0),
             QStringLiteral("arrived %1, 10 min ago").arg(created.toLocalTime().toString("HH:mm")));
    QCOMPARE(tip(1), QStringLiteral("arrived %1, just now")
                         .arg(created.addSecs(600).toLocalTime().toString("HH:mm")));
}

// A display-only station lists and shows as usual but deletes nothing,
// whatever is asked of it.
void TestAnnouncerDesk::displayOnlyNeverDeletes() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    fixture.addRow(2, QStringLiteral("two"));
    CheckedDesk desk(m_settings);
    desk.setDisplayOnly(true);
    openDesk(desk, fixture.path());
    choose(desk, 1);
    QCOMPARE(desk.windowDisplay().shownText(), QStringLiteral("two"));
    QVERIFY(!desk.windowDisplay().canDismiss());
    dismiss(desk);
    undo(desk);
    QCOMPARE(lines(desk), QStringList({"1:one", "2:two"}));
    QCOMPARE(fixture.rowCount(), 2);
    QVERIFY(!QDir(desk::readoutlog::folder()).exists());
}

void TestAnnouncerDesk::answersOutliveTheirDisplay_data() {
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("rowsLeft");
    QTest::addColumn<QStringList>("logged");
    QTest::newRow("choose on its way") << 1 << 2 << QStringList();
    QTest::newRow("dismissal on its way") << 2 << 1 << QStringList({"dismissed 1"});
    QTest::newRow("undo on its way") << 3 << 2 << QStringList({"dismissed 1", "undone 1"});
}

// A page may leave while what it asked is on its way: a dismissal or an
// Undo still finishes and is logged, only the page's display is not told.
// A display that outlives its desk does nothing.
void TestAnnouncerDesk::answersOutliveTheirDisplay() {
    QFETCH(int, steps);
    QFETCH(int, rowsLeft);
    QFETCH(QStringList, logged);
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    fixture.addRow(2, QStringLiteral("two"));
    auto desk = std::make_unique<CheckedDesk>(m_settings);
    desk->setClock([] { return galaTime; });
    openDesk(*desk, fixture.path());
    auto page = desk->openDisplay(QStringLiteral("browser 127.0.0.1 #1"));
    const std::function<void()> step[] = {
        [&] { page->choose(desk->messages()->line(0)->key); },
        [&] { page->dismiss(); },
        [&] { page->undo(); },
    };
    for (int done = 0; done < steps - 1; ++done) {
        step[done]();
        settle(*desk);
    }
    step[steps - 1]();
    page.reset();
    settle(*desk);
    QCOMPARE(fixture.rowCount(), rowsLeft);
    QCOMPARE(events(loggedOn(galaTime.date())), logged);
    QVERIFY(desk->windowDisplay().shownText().isEmpty());
    const auto outliving = desk->openDisplay(QStringLiteral("browser 127.0.0.1 #2"));
    desk.reset();
    outliving->undo();
    QVERIFY(!outliving->canDismiss());
}

QTEST_GUILESS_MAIN(TestAnnouncerDesk)
#include "tst_announcerdesk.moc"

// A browser station has a message on display of its own: the desk's and
// the browser's Dismiss each delete their own, the log names who did it,
// the browser's Undo takes back its own dismissal only and its notices go
// to it.
void TestAnnouncerDesk::stationsDismissOnlyTheirOwnMessage() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("desk's"));
    fixture.addRow(2, QStringLiteral("browser's"));
    fixture.addRow(3, QStringLiteral("left"));
    CheckedDesk desk(m_settings);
    desk.setClock([] { return galaTime; });
    WindowNotices deskNotice(desk);
    openDesk(desk, fixture.path());
    const auto browser = desk.openDisplay(QStringLiteral("browser 127.0.0.1 #1"));
    QSignalSpy browserNotice(browser.get(), &desk::DeskDisplay::notice);
    QSignalSpy browserShown(browser.get(), &desk::DeskDisplay::shownChanged);
    choose(desk, 0);
    choose(desk, 1, browser.get());
    QCOMPARE(browser->shownText(), QStringLiteral("browser's"));
    QCOMPARE(desk.windowDisplay().shownText(), QStringLiteral("desk's"));
    QCOMPARE(browserShown.count(), 1);
    dismiss(desk, browser.get());
    QCOMPARE(lines(desk), QStringList({"1:desk's", "3:left"}));
    QVERIFY(browser->shownText().isEmpty());
    undo(desk, browser.get());
    dismiss(desk);
    undo(desk, browser.get());
    QCOMPARE(lines(desk), QStringList({"2:browser's", "3:left"}));
    QCOMPARE(browser->shownText(), QStringLiteral("browser's"));
    QCOMPARE(browser->shownKey(), desk.messages()->line(0)->key);
    QVERIFY(desk.windowDisplay().shownText().isEmpty());
    QVERIFY(deskNotice.isEmpty());
    QCOMPARE(browserNotice.count(), 1);
    QCOMPARE(browserNotice[0], QVariantList({"There is no dismissal to undo."}));
    undo(desk);
    QCOMPARE(fixture.rowCount(), 3);
    QStringList stations;
    for (const desk::readoutlog::Entry& entry : loggedOn(galaTime.date()))
        stations << entry.event + " " + entry.station;
    QCOMPARE(stations,
             QStringList({"dismissed " + browser->station(), "undone " + browser->station(),
                          "dismissed desk", "undone desk"}));
}
