#include "announcerfixture.h"
#include "modalwatcher.h"
#include "screendriving.h"
#include "windowdriving.h"

#include "announcer/announcerscreen.h"
#include "app/announcersession.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class TestLocateDatabase : public QObject {
    Q_OBJECT

private slots:
    void init();
    void noDatabaseClosesTheScreen_data();
    void noDatabaseClosesTheScreen();
    void noThenAChosenFileOpensIt();
    void yesKeepsThePathAndIgnoresEarlyTicks();

private:
    ModalWatcher* m_watcher = nullptr;
    std::unique_ptr<ModalWatcher> m_ownWatcher;
};

void TestLocateDatabase::init() {
    m_ownWatcher = std::make_unique<ModalWatcher>();
    m_watcher = m_ownWatcher.get();
}

void TestLocateDatabase::noDatabaseClosesTheScreen_data() {
    QTest::addColumn<bool>("anotherFileOpen");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QStringList>("asked");
    const QString locate = QStringLiteral("Locate announcer database");
    QTest::newRow("no path: straight to the chooser, cancelled")
        << false << QString() << QStringList({"DlgButton_1"}) << QStringList({locate});
    QTest::newRow("Yes to a file that has gone")
        << false << "/nonexistent/announcer.mdb" << QStringList({"Command1"})
        << QStringList({"Announcer DB is /nonexistent/announcer.mdb"});
    QTest::newRow("another file left open: No, then Cancel")
        << true << "/nonexistent/other.mdb" << QStringList({"Command2", "DlgButton_1"})
        << QStringList({"Announcer DB is /nonexistent/other.mdb", locate});
}

// The screen says "No Announcer Database" and closes itself half a second
// later. A file another opening left open (its close control keeps the
// database) is let go before the locate step: nothing of it is listed,
// and Dismiss cannot reach a message chosen there.
void TestLocateDatabase::noDatabaseClosesTheScreen() {
    QFETCH(bool, anotherFileOpen);
    QFETCH(QString, path);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, asked);
    AnnouncerFixture open;
    open.addRow(1, QStringLiteral("one"));
    open.addRow(2, QStringLiteral("two"));
    AnnouncerSession session;
    AnnouncerScreen screen(session.desk(), session.station());
    if (anotherFileOpen)
        runScreen(screen, open.path(), [&] {
            choose(screen, 0);
            screen.close();
        });
    QStringList questions;
    for (const QString& name : buttons)
        m_watcher->answerNext([&questions, name = name.toLatin1()](QWidget* modal) {
            const auto* question = modal->findChild<QWidget*>("Question");
            questions << (question ? question->property("plainText").toString()
                                   : modal->windowTitle());
            clickButton(modal, name.constData());
        });
    bool closedItself = false;
    QStringList listed;
    m_watcher->answerNext([&](QWidget*) {
        dismiss(screen);
        QDeadlineTimer deadline(3000);
        while (screen.isVisible() && !deadline.hasExpired())
            QTest::qWait(10);
        closedItself = !screen.isVisible();
        listed = lines(screen);
        if (!closedItself)
            screen.close();
    });
    QElapsedTimer clock;
    clock.start();
    screen.showModal(path, AnnouncerScreen::Entry::Unchecked);
    QCOMPARE(questions, asked);
    QCOMPARE(m_watcher->messages(), QStringList({"No Announcer Database"}));
    QCOMPARE(screen.timer1().interval(), 500);
    QVERIFY2(closedItself && clock.elapsed() >= 450, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(listed, QStringList());
    QVERIFY(!screen.desk().isOpen());
    QCOMPARE(open.rowCount(), 2);
}

void TestLocateDatabase::noThenAChosenFileOpensIt() {
    AnnouncerFixture old;
    AnnouncerFixture chosen;
    chosen.addRow(4, QStringLiteral("from the chosen file"));
    m_watcher->answerNext([](QWidget* yesNo) { clickButton(yesNo, "Command2"); });
    m_watcher->answerNext(chooseFile(chosen.path()));
    QStringList listed;
    AnnouncerSession session;
    AnnouncerScreen screen(session.desk(), session.station());
    m_watcher->answerNext([&](QWidget*) {
        settle(screen);
        listed = lines(screen);
        clickButton(&screen, "Command1");
    });
    screen.showModal(old.path(), AnnouncerScreen::Entry::Unchecked);
    QCOMPARE(listed, QStringList({"4:from the chosen file"}));
    QCOMPARE(screen.desk().path(), chosen.path());
    QVERIFY(m_watcher->messages().isEmpty());
}

// A tick of the stored 360 ms interval can arrive while the question is
// open; it must not close the screen before it has even been shown.
void TestLocateDatabase::yesKeepsThePathAndIgnoresEarlyTicks() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("kept"));
    AnnouncerSession session;
    AnnouncerScreen screen(session.desk(), session.station());
    int storedInterval = 0;
    m_watcher->answerNext([&](QWidget* yesNo) {
        storedInterval = screen.timer1().interval();
        screen.timerTick();
        QTest::qWait(400);
        clickButton(yesNo, "Command1");
    });
    bool shown = false;
    m_watcher->answerNext([&](QWidget* opened) {
        shown = true;
        clickButton(opened, "Command1");
    });
    screen.showModal(fixture.path(), AnnouncerScreen::Entry::Unchecked);
    QCOMPARE(storedInterval, 360);
    QVERIFY(shown);
}

QTEST_MAIN(TestLocateDatabase)
#include "tst_locatedatabase.moc"
