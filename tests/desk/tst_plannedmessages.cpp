// The announcer's planned messages: when each is due, the day's file and
// its CSV, and a gala day run on a desk with its clock set by the test.
#include "announcerfixture.h"
#include "deskdriving.h"
#include "jetfixture.h"

#include "desk/announcerdesk.h"
#include "desk/plannedsheet.h"
#include "desk/readoutlog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using desk::planned::State;
using desk::planned::Step;

Q_DECLARE_METATYPE(desk::planned::Message)

namespace {

const QDate galaDay(2025, 6, 14);

QDateTime at(int hour, int minute) {
    return {galaDay, QTime(hour, minute)};
}

desk::planned::Message plan(const QString& text, QTime notBefore, QTime notAfter = {},
                            int repeatMinutes = 0) {
    desk::planned::Message message;
    message.text = text;
    message.notBefore = notBefore;
    message.notAfter = notAfter;
    message.repeatMinutes = repeatMinutes;
    return message;
}

QStringList events(const QDate& day) {
    QStringList result;
    for (const desk::readoutlog::Entry& entry :
         desk::readoutlog::read(desk::readoutlog::fileOf(day)))
        result << entry.time.toString("HH:mm ") + entry.event;
    return result;
}

QList<State> states(const desk::PlannedSheet& sheet) {
    QList<State> result;
    for (const desk::planned::Message& message : sheet.messages())
        result << desk::planned::stateAt(message, sheet.day(), sheet.now());
    return result;
}

} // namespace

class TestPlannedMessages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void stepAndState_data();
    void stepAndState();
    void csvImport_data();
    void csvImport();
    void aGalaDay();
    void takesBackOnlyItsOwnText();
    void jetFileTakesNothing();

private:
    QTemporaryDir m_home;
    desk::DeskSettings m_settings{m_home.filePath("desk.ini")};
};

void TestPlannedMessages::initTestCase() {
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath("data")));
}

void TestPlannedMessages::cleanup() {
    QDir(desk::readoutlog::folder()).removeRecursively();
}

void TestPlannedMessages::stepAndState_data() {
    QTest::addColumn<desk::planned::Message>("message");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<Step>("step");
    QTest::addColumn<State>("state");
    const desk::planned::Message once = plan("Warm-up ends", QTime(9, 40));
    const desk::planned::Message every30 = plan("Sponsor", QTime(10, 0), QTime(12, 0), 30);
    desk::planned::Message listed = every30;
    listed.rowKey = "7";
    desk::planned::Message readAt1005 = every30;
    readAt1005.readAt = at(10, 5);
    desk::planned::Message onceRead = once;
    onceRead.readAt = at(9, 41);
    desk::planned::Message takenBack = every30;
    takenBack.takenBack = true;
    QTest::newRow("before its time") << once << at(9, 39) << Step::None << State::Waiting;
    QTest::newRow("at its time") << once << at(9, 40) << Step::Add << State::Waiting;
    QTest::newRow("started late: due once") << once << at(15, 0) << Step::Add << State::Waiting;
    QTest::newRow("listed: never twice") << listed << at(10, 40) << Step::None << State::Listed;
    QTest::newRow("listed at not after") << listed << at(12, 0) << Step::TakeBack << State::Listed;
    QTest::newRow("period not passed since read")
        << readAt1005 << at(10, 34) << Step::None << State::ReadOut;
    QTest::newRow("period passed since read")
        << readAt1005 << at(10, 35) << Step::Add << State::ReadOut;
    QTest::newRow("next repeat past not after")
        << readAt1005 << at(11, 59) << Step::Add << State::ReadOut;
    QTest::newRow("read, then past not after")
        << readAt1005 << at(12, 0) << Step::None << State::Done;
    QTest::newRow("never added by not after")
        << every30 << at(12, 0) << Step::None << State::Expired;
    QTest::newRow("once, read out") << onceRead << at(10, 0) << Step::None << State::Done;
    QTest::newRow("taken back") << takenBack << at(11, 0) << Step::None << State::Expired;
}

void TestPlannedMessages::stepAndState() {
    QFETCH(desk::planned::Message, message);
    QFETCH(QDateTime, now);
    QFETCH(Step, step);
    QFETCH(State, state);
    QCOMPARE(desk::planned::stepAt(message, galaDay, now), step);
    QCOMPARE(desk::planned::stateAt(message, galaDay, now), state);
}

// Each field is read as a spreadsheet writes it; what cannot be planned is
// counted, never guessed at; a formula never leaves as one.
void TestPlannedMessages::csvImport_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("plans");
    QTest::addColumn<int>("unfit");
    QTest::newRow("header and two")
        << QByteArray("text,not before,not after,repeat minutes,urgent\r\n"
                      "\"Café, closes\r\nat 16:00\",9:40,,,no\r\n"
                      "Sponsor,10:00,12:00,30,yes\n")
        << QStringList{"Café, closes\nat 16:00|09:40||0|0", "Sponsor|10:00|12:00|30|1"} << 0;
    QTest::newRow("formula kept as text") << QByteArray("\"'=HYPERLINK(\"\"x\"\")\",10:00\r\n")
                                          << QStringList{"=HYPERLINK(\"x\")|10:00||0|0"} << 0;
    QTest::newRow("unfit lines") << QByteArray(
                                        "No time,\r\n,10:00\r\nBad after,10:00,9:00\r\n"
                                        "Bad repeat,10:00,,often\r\nBad after,10:00,noon\r\n")
                                 << QStringList{} << 5;
}

void TestPlannedMessages::csvImport() {
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, plans);
    QFETCH(int, unfit);
    const desk::planned::Imported imported = desk::planned::fromCsv(csv);
    QStringList read;
    for (const desk::planned::Message& message : imported.messages)
        read << QStringList{message.text, message.notBefore.toString("HH:mm"),
                            message.notAfter.toString("HH:mm"),
                            QString::number(message.repeatMinutes), QString::number(message.urgent)}
                    .join('|');
    QCOMPARE(read, plans);
    QCOMPARE(imported.unfit, unfit);
    // What is exported reads back as it was, the formula still a text.
    const QByteArray exported = desk::planned::toCsv(imported.messages);
    QVERIFY(!exported.contains("\n="));
    QCOMPARE(desk::planned::fromCsv(exported).messages.size(), imported.messages.size());
}

// Sponsor thanks every half hour from 10:00 to 12:00, read out late and
// early; a raffle call not after 10:45 that nobody reads; kelvane started
// again at 10:40; the sheet's file private to the user.
void TestPlannedMessages::aGalaDay() {
    AnnouncerFixture fixture;
    fixture.addRow(3, "Event 3");
    QDateTime now = at(9, 50);
    auto desk = std::make_unique<desk::AnnouncerDesk>(m_settings);
    desk->setClock([&] { return now; });
    auto sheet = std::make_unique<desk::PlannedSheet>(*desk);
    openDesk(*desk, fixture.path());
    QVERIFY(!sheet->add(plan("Thanks to our sponsor", QTime(10, 0), QTime(12, 0), 30)));
    QVERIFY(!sheet->add(plan("Raffle tickets at the café", QTime(10, 15), QTime(10, 45))));
    QVERIFY(sheet->add(plan(" ", QTime(10, 0))));
    const auto lookAt = [&](int hour, int minute) {
        now = at(hour, minute);
        refresh(*desk);
    };
    const auto readOut = [&](const QString& line) {
        const int row = lines(*desk).indexOf(line);
        QVERIFY(row >= 0);
        choose(*desk, row);
        dismiss(*desk);
    };
    lookAt(9, 59);
    QCOMPARE(lines(*desk), QStringList{"3:Event 3"});
    lookAt(10, 0);
    QCOMPARE(lines(*desk), QStringList({"Thanks to our sponsor", "3:Event 3"}));
    lookAt(10, 12);
    readOut("Thanks to our sponsor");
    lookAt(10, 20);
    QCOMPARE(lines(*desk), QStringList({"Raffle tickets at the café", "3:Event 3"}));
    QCOMPARE(states(*sheet), QList<State>({State::ReadOut, State::Listed}));
    lookAt(10, 41);
    QCOMPARE(lines(*desk).count("Thanks to our sponsor"), 0);

    // kelvane closed and started again: the sheet and its rows are kept,
    // and what fell due meanwhile is added once.
    sheet.reset();
    desk = std::make_unique<desk::AnnouncerDesk>(m_settings);
    desk->setClock([&] { return now; });
    sheet = std::make_unique<desk::PlannedSheet>(*desk);
    now = at(10, 43);
    QCOMPARE(sheet->messages().size(), size_t(2));
    openDesk(*desk, fixture.path());
    QCOMPARE(lines(*desk),
             QStringList({"Raffle tickets at the café", "Thanks to our sponsor", "3:Event 3"}));
    lookAt(10, 45);
    QCOMPARE(lines(*desk), QStringList({"Thanks to our sponsor", "3:Event 3"}));
    QCOMPARE(states(*sheet), QList<State>({State::Listed, State::Expired}));
    lookAt(10, 50);
    readOut("Thanks to our sponsor");
    lookAt(11, 19);
    QCOMPARE(lines(*desk), QStringList{"3:Event 3"});
    lookAt(11, 20);
    lookAt(11, 35);
    readOut("Thanks to our sponsor");
    lookAt(11, 59);
    QCOMPARE(states(*sheet), QList<State>({State::ReadOut, State::Expired}));
    lookAt(12, 1);
    QCOMPARE(lines(*desk), QStringList{"3:Event 3"});
    QCOMPARE(states(*sheet), QList<State>({State::Done, State::Expired}));
    QCOMPARE(events(galaDay),
             QStringList({"10:00 planned", "10:12 dismissed", "10:20 planned", "10:43 planned",
                          "10:45 expired", "10:50 dismissed", "11:20 planned", "11:35 dismissed"}));
    struct stat info {};
    QCOMPARE(::lstat(QFile::encodeName(desk::planned::fileOf(galaDay)).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0600u);
}

// A row that no longer holds the planned text (its key now another
// message's) is never taken back.
void TestPlannedMessages::takesBackOnlyItsOwnText() {
    AnnouncerFixture fixture;
    fixture.addRow(0, "Thanks to our sponsor");
    desk::AnnouncerDesk desk(m_settings);
    desk.setClock([] { return at(12, 0); });
    openDesk(desk, fixture.path());
    const store::RowKey key = desk.messages()->line(0)->key;
    QList<std::optional<bool>> taken;
    const auto takeBack = [&](const QString& text) {
        desk.takeBack(key, text, [&](std::optional<bool> answer) { taken << answer; });
        settle(desk);
    };
    takeBack("The café closes at 16:00");
    takeBack("Thanks to our sponsor");
    QCOMPARE(taken, QList<std::optional<bool>>({false, true}));
    QCOMPARE(fixture.rowCount(), 0);
    QCOMPARE(events(galaDay), QStringList{"12:00 expired"});
}

// A file that can only be read here takes no messages: the sheet says why
// and nothing is added.
void TestPlannedMessages::jetFileTakesNothing() {
    QTemporaryDir dir;
    const QString name = QStringLiteral("announcer-jet4.mdb");
    const QString path = copyJetSample(name, dir.path());
    QVERIFY_JET_SAMPLE(path, name);
    const QByteArray before = fileBytes(path);
    desk::AnnouncerDesk desk(m_settings);
    desk.setClock([] { return at(10, 0); });
    desk::PlannedSheet sheet(desk);
    openDesk(desk, path);
    const int listed = desk.messages()->rowCount();
    QVERIFY(!sheet.add(plan("Thanks to our sponsor", QTime(9, 0))));
    refresh(desk);
    QCOMPARE(desk.messages()->rowCount(), listed);
    QVERIFY(sheet.refusal().reason().contains("can only be read"));
    QCOMPARE(states(sheet), QList<State>{State::Waiting});
    QCOMPARE(fileBytes(path), before);
}

QTEST_GUILESS_MAIN(TestPlannedMessages)
#include "tst_plannedmessages.moc"
