#include "announcerfixture.h"
#include "jetfixture.h"
#include "modalwatcher.h"
#include "processmemory.h"
#include "screendriving.h"
#include "testengine.h"

#include "announcer/announcerdatabase.h"
#include "announcer/announcerscreen.h"
#include "announcer/hiddenmessages.h"
#include "announcer/changerefresh.h"
#include "announcer/desksettings.h"
#include "announcer/readoutlog.h"
#include "app/errorreport.h"
#include "app/kelvaneapplication.h"

#include "store/kelvaneerror.h"

#include <QDir>
#include <QHelpEvent>
#include <QTemporaryDir>
#include <QToolTip>
#include <QUrl>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <functional>

#include <cstdio>

namespace {

QSet<qint64> sequences(const AnnouncerFixture& fixture) {
    QSet<qint64> result;
    for (const auto& row : fixture.rows())
        result.insert(row.first.toLongLong());
    return result;
}

// A key pressed where the announcer's focus is, on the list, and its
// outcome waited for.
void press(AnnouncerScreen& screen, QKeyCombination key) {
    QApplication::setActiveWindow(&screen);
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    list(screen)->setFocus();
    QTest::keyClick(list(screen), key.key(), key.keyboardModifiers());
    settle(screen);
}

// A fixed time of day for arrival times and the read-out log.
const QDateTime galaTime(QDate(2025, 6, 14), QTime(14, 0));

std::vector<readoutlog::Entry> loggedOn(const QDate& day) { return readoutlog::read(readoutlog::fileOf(day)); }

QStringList events(const std::vector<readoutlog::Entry>& entries) {
    QStringList result;
    for (const auto& entry : entries)
        result << entry.event + " " + entry.sequence.toString();
    return result;
}

// Renames new content over the database's path, as a program that saves
// by writing a new file does.
void renameOver(const QString& path, const std::function<void(const QString& newFile)>& write) {
    const QString newFile = path + QStringLiteral(".new");
    write(newFile);
    QVERIFY(::rename(QFile::encodeName(newFile).constData(), QFile::encodeName(path).constData()) == 0);
}

} // namespace

class TestAnnouncerScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listsAndShowsMessages();
    void keyboardChoosesLikeAClick();
    void duplicateSequences();
    void sequenceZeroChoosesItsOwnRow();
    void dismissNeedsAShownMessage();
    void emptyDatabase();
    void awkwardMessages_data();
    void awkwardMessages();
    void hugeMessageLeavesTheScreenUsable_data();
    void hugeMessageLeavesTheScreenUsable();
    void nullSequenceCannotBeChosen();
    void nullMessageIsAnError();
    void typingDoesNotChangeTheDatabase();
    void timerRefreshesAndClosesWhenFileVanishes();
    void fileReplacedByGarbage();
    void savedByReplacingTheFile_data();
    void savedByReplacingTheFile();
    void reopenListsTheNamedFile_data();
    void reopenListsTheNamedFile();
    void writerAndAnnouncerAtTheSameTime();
    void jetMessagesAreListedAndShown();
    void jetDismissalOnlyHides();
    void anotherProgramsRowAppearsWithoutATick_data();
    void anotherProgramsRowAppearsWithoutATick();
    void burstOfChangesGivesOneRefresh();
    void serverOutageIsShownAndSurvived();
    void serverDownAtTheStart();
    void undoPutsDismissalsBack();
    void undoRefused();
    void unloggedMessageIsNotDismissed();
    void newLinesAreBoldUntilChosen();
    void creationTimeColumnIsUsed();
    void readingSizeIsRemembered();
    void displayOnlyNeverDeletes();

private:
    // Errors go to the general error report, which here records instead
    // of ending the program.
    int m_endings = 0;
    QTemporaryDir m_home;
};

void TestAnnouncerScreen::initTestCase() {
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath("data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath("config")));
}

void TestAnnouncerScreen::init() {
    m_endings = 0;
    setProgramEnding([this](int) { ++m_endings; });
}

void TestAnnouncerScreen::cleanup() {
    closeAnnouncerDatabase();
    Display_Only = false;
    QDir(readoutlog::folder()).removeRecursively();
    QFile::remove(desk::settingsPath());
}

void TestAnnouncerScreen::listsAndShowsMessages() {
    AnnouncerFixture fixture;
    fixture.addRow(12, QStringLiteral("Event 3 results\r\n1st Amy"));
    fixture.addRow(3, QStringLiteral("Parents of Tom"));
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        QCOMPARE(lines(screen), QStringList({"3:Parents of Tom", "12:Event 3 results"}));
        QCOMPARE(screen.focusWidget(), button(screen, "Command1"));
        QCOMPARE(screen.timer1().interval(), 5000);
        QVERIFY(screen.timer1().isActive());
        choose(screen, 1);
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("Event 3 results\n1st Amy"));
        QCOMPARE(screen.currentSequence(), qint16(12));
        QCOMPARE(lines(screen).size(), 2);
        dismiss(screen);
        QCOMPARE(lines(screen), QStringList({"3:Parents of Tom"}));
        QVERIFY(text(screen)->toPlainText().isEmpty());
        QCOMPARE(screen.currentSequence(), qint16(12));
    });
    QVERIFY(!Announcer_DB_Open);
    QCOMPARE(fixture.rowCount(), 1);
}

// The arrows choose as they move; Enter and Space choose the line at the
// cursor; Delete dismisses only what Dismiss would; F5 reads at once.
void TestAnnouncerScreen::keyboardChoosesLikeAClick() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    fixture.addRow(2, QStringLiteral("two"));
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        // Focus puts the cursor on the first line without choosing it.
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        press(screen, Qt::Key_Delete);
        QCOMPARE(fixture.rowCount(), 2);
        press(screen, Qt::Key_Return);
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("one"));
        QTest::keyClick(list(screen), Qt::Key_Down);
        QTRY_COMPARE(text(screen)->toPlainText(), QStringLiteral("two"));
        QTest::keyClick(list(screen), Qt::Key_Up);
        QTRY_COMPARE(text(screen)->toPlainText(), QStringLiteral("one"));
        QVERIFY(list(screen)->selectedItems().isEmpty());
        press(screen, Qt::Key_Delete);
        QCOMPARE(lines(screen), QStringList({"2:two"}));
        press(screen, Qt::Key_Delete);
        QCOMPARE(fixture.rowCount(), 1);
        screen.timer1().stop();
        fixture.addRow(3, QStringLiteral("three"));
        press(screen, Qt::Key_F5);
        QCOMPARE(lines(screen), QStringList({"2:two", "3:three"}));
        press(screen, Qt::Key_Space);
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("two"));
    });
}

// Each line is its own row: a choice shows that row's text and Dismiss
// deletes that row only, never an unseen one sharing its Sequence, even
// one that arrived after the choice.
void TestAnnouncerScreen::duplicateSequences() {
    AnnouncerFixture fixture;
    fixture.addRow(4, QStringLiteral("earlier"));
    fixture.addRow(4, QStringLiteral("later"));
    fixture.addRow(5, QStringLiteral("other"));
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        QCOMPARE(lines(screen), QStringList({"4:earlier", "4:later", "5:other"}));
        choose(screen, 0);
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("earlier"));
        fixture.addRow(4, QStringLiteral("URGENT: car blocking the ambulance bay"));
        refresh(screen);
        dismiss(screen);
        QCOMPARE(lines(screen), QStringList({"4:later", "4:URGENT: car blocking the ambulance bay", "5:other"}));
        choose(screen, 1);
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("URGENT: car blocking the ambulance bay"));
        QCOMPARE(screen.currentSequence(), qint16(4));
        dismiss(screen);
        QCOMPARE(lines(screen), QStringList({"4:later", "5:other"}));
    });
    QCOMPARE(fixture.rowCount(), 2);
}

void TestAnnouncerScreen::sequenceZeroChoosesItsOwnRow() {
    AnnouncerFixture fixture;
    fixture.addRow(0, QStringLiteral("100m Freestyle final"));
    fixture.addRow(100, QStringLiteral("Lost property"));
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        QCOMPARE(lines(screen), QStringList({":100m Freestyle final", "100:Lost property"}));
        choose(screen, 0);
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("100m Freestyle final"));
        dismiss(screen);
        QCOMPARE(lines(screen), QStringList({"100:Lost property"}));
    });
}

// Dismiss deletes only the message on display: not before a choice, not on
// a second press, and not after the screen was closed and opened again.
void TestAnnouncerScreen::dismissNeedsAShownMessage() {
    AnnouncerFixture fixture;
    fixture.addRow(0, QStringLiteral("zero"));
    fixture.addRow(7, QStringLiteral("seven"));
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        dismiss(screen);
        QCOMPARE(lines(screen).size(), 2);
        choose(screen, 1);
        dismiss(screen);
        QCOMPARE(lines(screen), QStringList({":zero"}));
        fixture.addRow(7, QStringLiteral("seven again"));
        dismiss(screen);
        refresh(screen);
        QCOMPARE(lines(screen), QStringList({":zero", "7:seven again"}));
        choose(screen, 1);
    });
    QCOMPARE(screen.currentSequence(), qint16(7));
    runScreen(screen, fixture.path(), [&] {
        QVERIFY(text(screen)->toPlainText().isEmpty());
        dismiss(screen);
        QCOMPARE(lines(screen).size(), 2);
    });
    QCOMPARE(fixture.rowCount(), 2);
}

void TestAnnouncerScreen::emptyDatabase() {
    AnnouncerFixture fixture;
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        QCOMPARE(list(screen)->count(), 0);
        dismiss(screen);
        QCOMPARE(list(screen)->count(), 0);
    });
}

void TestAnnouncerScreen::awkwardMessages_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("line");
    QStringList many;
    for (int i = 1; i <= 5000; ++i)
        many << QStringLiteral("line %1").arg(i);
    QTest::newRow("empty") << "" << "9:";
    QTest::newRow("line breaks only") << "\r\n\r\n\r\n" << "9:";
    QTest::newRow("leading empty lines") << "\r\n\r\nHeat 2" << "9:Heat 2";
    QTest::newRow("lone LF and CR") << "a\nb\rc\r\nd" << "9:a\nb\rc";
    QTest::newRow("5000 lines") << many.join("\r\n") << "9:line 1";
    constexpr qsizetype sixtyKB = 61440;
    QTest::newRow("60 KB line: the list shows its start") << QString(sixtyKB, QLatin1Char('w'))
                                                          << "9:" + QString(1000, QLatin1Char('w')) + "\u2026";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Zoë Ødegård – 1:02.34 🏊\r\nĐorđe") << QString::fromUtf8("9:Zoë Ødegård – 1:02.34 🏊");
}

void TestAnnouncerScreen::awkwardMessages() {
    QFETCH(QString, message);
    QFETCH(QString, line);
    AnnouncerFixture fixture;
    fixture.addRow(9, message);
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        QCOMPARE(lines(screen), QStringList({line}));
        choose(screen, 0);
        QString shown = message;
        shown.replace("\r\n", "\n").replace('\r', '\n');
        QCOMPARE(text(screen)->toPlainText(), shown);
    });
}

void TestAnnouncerScreen::hugeMessageLeavesTheScreenUsable_data() {
    QTest::addColumn<qint64>("characters");
    QTest::newRow("1 MB") << qint64{1};
    QTest::newRow("20 MB") << qint64{20};
    QTest::newRow("200 MB") << qint64{200};
}

// Any writer can store a message of any length. The list shows the start
// of its first line, the text box its first megabyte with a note of the
// rest; memory stays far below the message's size, and the other messages
// can still be chosen and dismissed.
void TestAnnouncerScreen::hugeMessageLeavesTheScreenUsable() {
    QFETCH(qint64, characters);
    characters *= 1000 * 1000;
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("before"));
    // Made by the database itself: the test need not hold it either.
    execOn(fixture.path(), testingPostgres()
                               ? QStringLiteral("INSERT INTO \"Announcements\" (\"Sequence\", \"Message\") "
                                                "VALUES (9, repeat('w', %1))").arg(characters)
                               : QStringLiteral("INSERT INTO Announcements (Sequence, Message) "
                                                "VALUES (9, replace(hex(zeroblob(%1)), '0', 'w'))").arg(characters / 2));
    fixture.addRow(12, QStringLiteral("after"));
    const qint64 before = residentKiB();
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        QCOMPARE(lines(screen), QStringList({"1:before", "9:" + QString(1000, 'w') + "\u2026", "12:after"}));
        choose(screen, 1);
        const QString shown = text(screen)->toPlainText();
        const qsizetype shownPart = std::min<qsizetype>(characters, shownCharacters);
        QVERIFY(shown.startsWith(QString(shownPart, 'w')));
        QCOMPARE(shown.contains(QStringLiteral("characters, not shown here")), characters > shownCharacters);
        QVERIFY2(shown.size() < shownPart + 100, qPrintable(shown.right(100)));
        tick(screen);
        choose(screen, 2);
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("after"));
        dismiss(screen);
        choose(screen, 0);
        dismiss(screen);
        QCOMPARE(lines(screen).size(), 1);
    });
    const qint64 grownMiB = (residentKiB() - before) / 1024;
    QVERIFY2(grownMiB < 100, qPrintable(QStringLiteral("%1 MiB more").arg(grownMiB)));
    QCOMPARE(fixture.rowCount(), 1);
}

void TestAnnouncerScreen::nullSequenceCannotBeChosen() {
    AnnouncerFixture fixture;
    fixture.addRow(QVariant(), QStringLiteral("no number"));
    fixture.addRow(2, QStringLiteral("two"));
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        QCOMPARE(lines(screen), QStringList({":no number", "2:two"}));
        choose(screen, 0);
        QVERIFY(text(screen)->toPlainText().isEmpty());
        dismiss(screen);
        QCOMPARE(lines(screen).size(), 2);
    });
}

void TestAnnouncerScreen::nullMessageIsAnError() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("fine"));
    AnnouncerScreen screen;
    ModalWatcher watcher;
    runScreen(screen, fixture.path(), [&] {
        fixture.addRow(2, QVariant());
        screen.Refresh_Form();
        QTRY_COMPARE(m_endings, 1);
    });
    QCOMPARE(watcher.messages().size(), 1);
    QVERIFY2(watcher.messages().front().contains(QStringLiteral("Invalid use of Null")),
             qPrintable(watcher.messages().front()));
}

void TestAnnouncerScreen::typingDoesNotChangeTheDatabase() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("original"));
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        choose(screen, 0);
        QTest::keyClicks(text(screen), QStringLiteral(" edited"));
        tick(screen);
    });
    QCOMPARE(fixture.rows().front().second, QStringLiteral("original"));
}

void TestAnnouncerScreen::timerRefreshesAndClosesWhenFileVanishes() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("first"));
    AnnouncerScreen screen;
    bool closedByTimer = false;
    runScreen(screen, fixture.path(), [&] {
        fixture.addRow(2, QStringLiteral("second"));
        tick(screen);
        QCOMPARE(lines(screen), QStringList({"1:first", "2:second"}));
        QVERIFY(QFile::rename(fixture.path(), fixture.path() + ".moved"));
        tick(screen);
        closedByTimer = !screen.isVisible();
    });
    QVERIFY(closedByTimer);
    QVERIFY(!Announcer_DB_Open);
}

// Something that is no announcer database put in its place closes the
// screen with the file's name and the reason; the next opening refuses it.
void TestAnnouncerScreen::fileReplacedByGarbage() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("first"));
    ModalWatcher watcher;
    AnnouncerScreen screen;
    bool closedByTimer = false;
    runScreen(screen, fixture.path(), [&] {
        renameOver(fixture.path(), [](const QString& newFile) {
            QFile garbage(newFile);
            QVERIFY(garbage.open(QIODevice::WriteOnly));
            garbage.write("Sequence,Message\r\n1,not a database\r\n");
        });
        tick(screen);
        closedByTimer = !screen.isVisible();
    });
    QVERIFY(closedByTimer);
    QVERIFY(!Announcer_DB_Open);
    QCOMPARE(m_endings, 0);
    QCOMPARE(watcher.messages().size(), 1);
    QVERIFY(watcher.messages().front().contains(fixture.path() + QStringLiteral("' is not an announcer database")));
    runScreen(screen, fixture.path(), [] {});
    QCOMPARE(m_endings, 1);
}

void TestAnnouncerScreen::savedByReplacingTheFile_data() {
    QTest::addColumn<bool>("shownRowKept");
    QTest::newRow("the new file still holds the row on display") << true;
    QTest::newRow("the row on display is gone from the new file") << false;
}

// The screen carries on with the new file; the message on display stays,
// and Dismiss deletes it from the new file only if that row is still there.
void TestAnnouncerScreen::savedByReplacingTheFile() {
    QFETCH(bool, shownRowKept);
    if (testingPostgres())
        QSKIP("a server's rows are not saved by replacing a file");
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("first"));
    fixture.addRow(2, QStringLiteral("second"));
    ModalWatcher watcher;
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        choose(screen, 0);
        renameOver(fixture.path(), [&](const QString& newFile) {
            fixture.firstValue(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
            QVERIFY(QFile::copy(fixture.path(), newFile));
            if (!shownRowKept)
                execOn(newFile, QStringLiteral("DELETE FROM Announcements WHERE Sequence = 1"));
            execOn(newFile, QStringLiteral("INSERT INTO Announcements (Sequence, Message) VALUES (3, 'third')"));
        });
        tick(screen);
        QVERIFY(screen.isVisible());
        QCOMPARE(lines(screen), shownRowKept ? QStringList({"1:first", "2:second", "3:third"})
                                             : QStringList({"2:second", "3:third"}));
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("first"));
        dismiss(screen);
        QCOMPARE(lines(screen), QStringList({"2:second", "3:third"}));
    });
    QCOMPARE(watcher.messages(), QStringList());
    QCOMPARE(fixture.rowCount(), 2);
}

void TestAnnouncerScreen::reopenListsTheNamedFile_data() {
    QTest::addColumn<bool>("samePath");
    QTest::newRow("another path") << false;
    QTest::newRow("same path, file replaced") << true;
}

// The close control leaves the database open; the next opening must still
// list the file that the path names now.
void TestAnnouncerScreen::reopenListsTheNamedFile() {
    QFETCH(bool, samePath);
    AnnouncerFixture first;
    first.addRow(1, QStringLiteral("old file"));
    AnnouncerFixture second;
    second.addRow(2, QStringLiteral("new file"));
    AnnouncerScreen screen;
    runScreen(screen, first.path(), [&] {
        QTest::keyClick(&screen, Qt::Key_Escape);
        QVERIFY(screen.isVisible());
        screen.close();
    });
    QVERIFY(Announcer_DB_Open);
    QString path = second.path();
    if (samePath) {
        QVERIFY(QFile::remove(first.path()));
        QVERIFY(QFile::rename(second.path(), first.path()));
        path = first.path();
    }
    runScreen(screen, path, [&] { QCOMPARE(lines(screen), QStringList({"2:new file"})); });
}

// The meet-management program keeps adding messages while the announcer
// reads and dismisses them: nothing is lost, and only shown messages go.
void TestAnnouncerScreen::writerAndAnnouncerAtTheSameTime() {
    AnnouncerFixture fixture;
    constexpr int added = 60;
    QProcess writer;
    writer.start(builtProgram("KELVANE_FEED"),
                 {QStringLiteral("demo"), fixture.path(), QStringLiteral("40"), QString::number(added)});
    QVERIFY(writer.waitForStarted());
    QSet<qint64> dismissed;
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        QElapsedTimer clock;
        clock.start();
        while (writer.state() != QProcess::NotRunning && clock.elapsed() < 30000) {
            tick(screen);
            if (list(screen)->count() > 0) {
                choose(screen, list(screen)->count() - 1);
                if (!text(screen)->toPlainText().isEmpty()) {
                    dismissed.insert(screen.currentSequence());
                    dismiss(screen);
                }
            }
            QTest::qWait(30);
        }
    });
    QVERIFY(writer.state() == QProcess::NotRunning || writer.waitForFinished(30000));
    QCOMPARE(writer.exitCode(), 0);
    const QSet<qint64> left = sequences(fixture);
    QVERIFY(!dismissed.isEmpty());
    QVERIFY(!dismissed.intersects(left));
    QCOMPARE(dismissed.size() + left.size(), added);
}

void TestAnnouncerScreen::jetMessagesAreListedAndShown() {
    QTemporaryDir dir;
    const QString name = QStringLiteral("announcer-jet4.mdb");
    const QString path = copyJetSample(name, dir.path());
    QVERIFY_JET_SAMPLE(path, name);
    AnnouncerScreen screen;
    runScreen(screen, path, [&] {
        QCOMPARE(lines(screen), QStringList({"10:Welcome to the gala", "20:Event 2", "30:Event 3",
                                             "40:Caf\u00e9 open \u2013 \"quotes\", commas; 100%"}));
        choose(screen, 2);
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("Event 3\nBoys 100m Backstroke\nHeat 1 of 2"));
        QCOMPARE(screen.currentSequence(), qint16(30));
        tick(screen);
        QCOMPARE(lines(screen).size(), 4);
    });
}

// The file can only be read here: a dismissed message leaves the list for
// the rest of the run (across openings of the screen) but stays in the
// file, and the announcer is told so once.
void TestAnnouncerScreen::jetDismissalOnlyHides() {
    QTemporaryDir dir;
    const QString name = QStringLiteral("announcer-jet4.mdb");
    const QString path = copyJetSample(name, dir.path());
    QVERIFY_JET_SAMPLE(path, name);
    const QByteArray before = fileBytes(path);
    ModalWatcher watcher;
    AnnouncerScreen screen;
    const QStringList twoLeft({"30:Event 3", "40:Caf\u00e9 open \u2013 \"quotes\", commas; 100%"});
    runScreen(screen, path, [&] {
        choose(screen, 1);
        dismiss(screen);
        QTRY_COMPARE(watcher.messages(), QStringList({readOnlyDismissalMessage}));
        QCOMPARE(watcher.titles(), QStringList({"kelvane"}));
        QCOMPARE(lines(screen), QStringList({"10:Welcome to the gala"}) + twoLeft);
        QVERIFY(text(screen)->toPlainText().isEmpty());
        choose(screen, 0);
        dismiss(screen);
        QCOMPARE(lines(screen), twoLeft);
        tick(screen);
        QCOMPARE(lines(screen), twoLeft);
    });
    runScreen(screen, path, [&] {
        QCOMPARE(lines(screen), twoLeft);
        // Undo shows the hidden messages again, the latest first.
        press(screen, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(lines(screen), QStringList({"10:Welcome to the gala"}) + twoLeft);
        press(screen, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(lines(screen).size(), 4);
    });
    QCOMPARE(watcher.messages().size(), 1);
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({name}));
}

void TestAnnouncerScreen::anotherProgramsRowAppearsWithoutATick_data() {
    QTest::addColumn<bool>("rollbackJournal");
    QTest::newRow("write-ahead log") << false;
    QTest::newRow("rollback journal, which comes and goes") << true;
}

// With Timer1 stopped, only the database's own change reports can bring
// the new row onto the screen.
void TestAnnouncerScreen::anotherProgramsRowAppearsWithoutATick() {
    QFETCH(bool, rollbackJournal);
    if (rollbackJournal && testingPostgres())
        QSKIP("a server has no journal file");
    AnnouncerFixture fixture;
    if (rollbackJournal)
        execOn(fixture.path(), QStringLiteral("PRAGMA journal_mode = DELETE"));
    fixture.addRow(1, QStringLiteral("first"));
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        screen.timer1().stop();
        for (const QString& message : {QStringLiteral("second"), QStringLiteral("third")}) {
            QProcess writer;
            writer.start(builtProgram("KELVANE_FEED"), {QStringLiteral("add"), fixture.path(), "2", message});
            QVERIFY(writer.waitForFinished(30000));
            QCOMPARE(writer.exitCode(), 0);
            QTRY_VERIFY_WITH_TIMEOUT(lines(screen).contains("2:" + message), 10000);
        }
        QVERIFY(!screen.timer1().isActive());
    });
}

void TestAnnouncerScreen::burstOfChangesGivesOneRefresh() {
    int refreshes = 0;
    ChangeRefresh refresh([&] { ++refreshes; });
    for (int i = 0; i < 20; ++i)
        refresh.changed();
    QTRY_COMPARE(refreshes, 1);
    QTest::qWait(3 * ChangeRefresh::delayMs);
    QCOMPARE(refreshes, 1);
    refresh.changed();
    QTRY_COMPARE(refreshes, 2);
}

// The server goes away under the open screen: the window goes on
// answering with the last list and the chosen message, says since when the
// server is away, refuses a dismissal with a reason, and is current again
// soon after the server's return, where Dismiss then deletes that one row.
void TestAnnouncerScreen::serverOutageIsShownAndSurvived() {
    if (!testingPostgres())
        QSKIP("only a server can go away (run as tst_announcerscreen_postgresql)");
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    fixture.addRow(2, QStringLiteral("two"));
    ModalWatcher watcher;
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        const QString caption = screen.windowTitle();
        choose(screen, 0);
        QVERIFY(controlServer(QStringLiteral("stop")));
        screen.Refresh_Form();
        QTRY_VERIFY_WITH_TIMEOUT(screen.windowTitle().contains(QStringLiteral("server has not answered")), 10000);
        QCOMPARE(lines(screen), QStringList({"1:one", "2:two"}));
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("one"));
        QTest::mouseClick(button(screen, "Command2"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(watcher.messages().size(), 1, 10000);
        QVERIFY2(watcher.messages().front().contains(QStringLiteral("has not been dismissed")),
                 qPrintable(watcher.messages().front()));
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("one"));
        QVERIFY(controlServer(QStringLiteral("start")));
        fixture.addRow(3, QStringLiteral("three"));
        QTRY_COMPARE_WITH_TIMEOUT(lines(screen), QStringList({"1:one", "2:two", "3:three"}), 5000);
        QCOMPARE(screen.windowTitle(), caption);
        dismiss(screen);
        QCOMPARE(lines(screen), QStringList({"2:two", "3:three"}));
    });
    QCOMPARE(fixture.rowCount(), 2);
    QCOMPARE(m_endings, 0);
}

// A server that cannot be reached at the start: the screen closes again
// with a message naming the server and the reason; the program goes on.
void TestAnnouncerScreen::serverDownAtTheStart() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gala.conn"));
    QFile connection(path);
    QVERIFY(connection.open(QIODevice::WriteOnly));
    connection.write("postgresql://announcer@127.0.0.1:1/gala?sslmode=disable\n");
    connection.close();
    ModalWatcher watcher;
    AnnouncerScreen screen;
    bool stayedOpen = true;
    runScreen(screen, path, [&] { stayedOpen = screen.isVisible(); });
    QVERIFY(!stayedOpen);
    QVERIFY(!Announcer_DB_Open);
    QCOMPARE(m_endings, 0);
    QCOMPARE(watcher.messages().size(), 1);
    const QString message = watcher.messages().front();
    QVERIFY2(message.contains(QStringLiteral("127.0.0.1:1")) && message.contains(QStringLiteral("refused")),
             qPrintable(message));
}

// Ctrl+Z puts dismissed messages back, the latest first, each as a new row
// with its Sequence and whole text; the read-out log keeps both events.
void TestAnnouncerScreen::undoPutsDismissalsBack() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one\r\nline two"));
    fixture.addRow(2, QStringLiteral("two"));
    fixture.addRow(3, QStringLiteral("three"));
    ModalWatcher watcher;
    AnnouncerScreen screen;
    screen.setClock([] { return galaTime; });
    runScreen(screen, fixture.path(), [&] {
        for (int dismissal = 0; dismissal < 2; ++dismissal) {
            choose(screen, 0);
            press(screen, Qt::Key_Delete);
        }
        QCOMPARE(lines(screen), QStringList({"3:three"}));
        press(screen, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(lines(screen), QStringList({"2:two", "3:three"}));
        QVERIFY(!list(screen)->item(0)->font().bold());
        press(screen, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(lines(screen), QStringList({"1:one", "2:two", "3:three"}));
        choose(screen, 0);
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("one\nline two"));
        QVERIFY(watcher.messages().isEmpty());
        press(screen, Qt::CTRL | Qt::Key_Z);
        QTRY_COMPARE(watcher.messages(), QStringList({"There is no dismissal to undo."}));
        QStringList readOut;
        watcher.answerNext([&](QWidget* window) {
            const auto* shown = window->findChild<QListWidget*>(QStringLiteral("ReadOutList"));
            for (int line = 0; line < shown->count(); ++line)
                readOut << shown->item(line)->text();
            window->close();
        });
        press(screen, Qt::CTRL | Qt::Key_H);
        QCOMPARE(readOut, QStringList({"14:00:00  (undone 14:00:00)  2:two", "14:00:00  (undone 14:00:00)  1:one"}));
    });
    QCOMPARE(fixture.rows().front().second, QStringLiteral("one\r\nline two"));
    QVERIFY(fixture.firstValue(QStringLiteral("SELECT min(\"Id\") FROM \"Announcements\" WHERE \"Sequence\" < 3"))
                .toInt() > 3);
    const auto logged = loggedOn(galaTime.date());
    QCOMPARE(events(logged), QStringList({"dismissed 1", "dismissed 2", "undone 2", "undone 1"}));
    QCOMPARE(logged[0].message, QStringLiteral("one\r\nline two"));
    QCOMPARE(logged[0].database, fixture.path());
    QCOMPARE(readoutlog::readOuts(logged).size(), size_t(2));
}

// A row source that cannot take the row back (no insert trigger; a server
// account without INSERT): Undo says so, adds nothing, and the dismissal
// stays to be read in the log.
void TestAnnouncerScreen::undoRefused() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    QString path = fixture.path();
    QTemporaryDir dir;
    if (testingPostgres()) {
        execOn(path, QStringLiteral("DO $$ BEGIN CREATE ROLE kelvane_reader LOGIN; "
                                    "EXCEPTION WHEN duplicate_object THEN NULL; END $$"));
        execOn(path, QStringLiteral("GRANT SELECT, DELETE ON \"Sorted Announcements\" TO kelvane_reader"));
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
    ModalWatcher watcher;
    AnnouncerScreen screen;
    screen.setClock([] { return galaTime; });
    runScreen(screen, path, [&] {
        choose(screen, 0);
        press(screen, Qt::Key_Delete);
        for (int attempt = 0; attempt < 2; ++attempt) {
            press(screen, Qt::CTRL | Qt::Key_Z);
            QTRY_COMPARE(watcher.messages().size(), attempt + 1);
            QVERIFY2(watcher.messages().last().startsWith("The dismissal cannot be undone"),
                     qPrintable(watcher.messages().last()));
        }
        QVERIFY(lines(screen).isEmpty());
    });
    QCOMPARE(fixture.rowCount(), 0);
    QCOMPARE(m_endings, 0);
    QCOMPARE(events(loggedOn(galaTime.date())), QStringList({"dismissed 1"}));
}

// A log that cannot be written (its folder is a file) keeps the message:
// nothing read out is deleted without its line in the log.
void TestAnnouncerScreen::unloggedMessageIsNotDismissed() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    QDir().mkpath(QFileInfo(readoutlog::folder()).path());
    QFile blocker(readoutlog::folder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ModalWatcher watcher;
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        choose(screen, 0);
        dismiss(screen);
        QTRY_COMPARE(watcher.messages().size(), 1);
        QVERIFY2(watcher.messages().front().contains("read-out log could not be written"),
                 qPrintable(watcher.messages().front()));
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("one"));
    });
    QCOMPARE(fixture.rowCount(), 1);
    QFile::remove(readoutlog::folder());
}

// A line that appears after the first listing is bold until the next
// choice; its tooltip tells when it arrived, and its age moves on with the
// clock.
void TestAnnouncerScreen::newLinesAreBoldUntilChosen() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    QDateTime now = galaTime;
    AnnouncerScreen screen;
    screen.setClock([&] { return now; });
    runScreen(screen, fixture.path(), [&] {
        QVERIFY(!list(screen)->item(0)->font().bold());
        now = now.addSecs(120);
        fixture.addRow(2, QStringLiteral("two"));
        refresh(screen);
        QCOMPARE(lines(screen), QStringList({"1:one", "2:two"}));
        QVERIFY(list(screen)->item(1)->font().bold());
        QVERIFY(!list(screen)->item(0)->font().bold());
        now = now.addSecs(180);
        tick(screen);
        QVERIFY(list(screen)->item(1)->font().bold());
        QCOMPARE(screen.lineToolTip(0), QStringLiteral("arrived 14:00, 5 min ago"));
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        const QRect second = list(screen)->visualItemRect(list(screen)->item(1));
        QHelpEvent help(QEvent::ToolTip, second.center(), list(screen)->viewport()->mapToGlobal(second.center()));
        QApplication::sendEvent(list(screen)->viewport(), &help);
        QCOMPARE(QToolTip::text(), QStringLiteral("arrived 14:02, 3 min ago"));
        choose(screen, 0);
        QVERIFY(!list(screen)->item(1)->font().bold());
    });
}

// Where the writer records when it made a row, that time is the arrival.
void TestAnnouncerScreen::creationTimeColumnIsUsed() {
    AnnouncerFixture fixture;
    if (testingPostgres()) {
        execOn(fixture.path(), QStringLiteral("ALTER TABLE \"Announcements\" ADD COLUMN \"Created\" timestamptz"));
        execOn(fixture.path(), QStringLiteral("CREATE OR REPLACE VIEW \"Sorted Announcements\" AS SELECT \"Id\", "
                                              "\"Sequence\", \"Message\", \"Created\" FROM \"Announcements\""));
    } else {
        execOn(fixture.path(), QStringLiteral("ALTER TABLE Announcements ADD COLUMN Created TEXT"));
        execOn(fixture.path(), QStringLiteral("DROP VIEW \"Sorted Announcements\""));
        execOn(fixture.path(), QStringLiteral("CREATE VIEW \"Sorted Announcements\" AS SELECT Id, Sequence, "
                                              "Message, Created FROM Announcements"));
    }
    execOn(fixture.path(), QStringLiteral("INSERT INTO \"Announcements\" (\"Sequence\", \"Message\", \"Created\") "
                                          "VALUES (5, 'five', '2025-06-14T13:00:00Z')"));
    fixture.addRow(6, QStringLiteral("six, no time"));
    const QDateTime created(QDate(2025, 6, 14), QTime(13, 0), Qt::UTC);
    AnnouncerScreen screen;
    screen.setClock([&] { return created.addSecs(600).toLocalTime(); });
    runScreen(screen, fixture.path(), [&] {
        QCOMPARE(screen.lineToolTip(0),
                 QStringLiteral("arrived %1, 10 min ago").arg(created.toLocalTime().toString("HH:mm")));
        QCOMPARE(screen.lineToolTip(1), QStringLiteral("arrived %1, just now")
                                            .arg(created.addSecs(600).toLocalTime().toString("HH:mm")));
    });
}

// Ctrl+Plus, Ctrl+Minus and Ctrl+0 size the message and the list
// together; the size comes back at the next opening.
void TestAnnouncerScreen::readingSizeIsRemembered() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    AnnouncerScreen screen;
    const auto sizes = [&] {
        return std::pair(text(screen)->font().pointSizeF(), list(screen)->font().pointSizeF());
    };
    runScreen(screen, fixture.path(), [&] {
        press(screen, Qt::CTRL | Qt::Key_Plus);
        press(screen, Qt::CTRL | Qt::Key_Equal);
        QCOMPARE(sizes(), std::pair(14.0, 14.0));
    });
    runScreen(screen, fixture.path(), [&] {
        QCOMPARE(sizes(), std::pair(14.0, 14.0));
        press(screen, Qt::CTRL | Qt::Key_0);
        QCOMPARE(sizes(), std::pair(9.75, 9.75));
        press(screen, Qt::CTRL | Qt::Key_Minus);
        QCOMPARE(sizes(), std::pair(8.0, 8.0));
    });
    QCOMPARE(desk::readingPoints(), 8.0);
    QVERIFY(!QFile::exists(QDir::home().filePath("kelvane.ini")));
}

// A display-only station lists and shows as usual but deletes nothing,
// whatever is pressed.
void TestAnnouncerScreen::displayOnlyNeverDeletes() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    fixture.addRow(2, QStringLiteral("two"));
    Display_Only = true;
    AnnouncerScreen screen;
    runScreen(screen, fixture.path(), [&] {
        QVERIFY(screen.windowTitle().endsWith("display only"));
        choose(screen, 1);
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("two"));
        QVERIFY(!button(screen, "Command2")->isEnabled());
        dismiss(screen);
        press(screen, Qt::Key_Delete);
        press(screen, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(lines(screen), QStringList({"1:one", "2:two"}));
    });
    QCOMPARE(fixture.rowCount(), 2);
    QVERIFY(!QDir(readoutlog::folder()).exists());
}

int main(int argc, char** argv) {
    KelvaneApplication app(argc, argv);
    TestAnnouncerScreen test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_announcerscreen.moc"
