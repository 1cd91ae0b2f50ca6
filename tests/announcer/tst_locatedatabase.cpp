#include "announcerfixture.h"
#include "modalwatcher.h"
#include "screendriving.h"
#include "windowdriving.h"

#include "announcer/announcerscreen.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class TestLocateDatabase : public QObject {
    Q_OBJECT

private slots:
    void init();
    void emptyPathGoesStraightToTheChooser();
    void yesWithAVanishedFile();
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

void TestLocateDatabase::emptyPathGoesStraightToTheChooser() {
    QString chooserTitle;
    m_watcher->answerNext([&](QWidget* chooser) {
        chooserTitle = chooser->windowTitle();
        clickButton(chooser, "DlgButton_1");
    });
    AnnouncerScreen screen;
    QElapsedTimer clock;
    clock.start();
    screen.showModal({}, AnnouncerScreen::Entry::Unchecked);
    QCOMPARE(chooserTitle, QStringLiteral("Locate announcer database"));
    QCOMPARE(m_watcher->messages(), QStringList({"No Announcer Database"}));
    QCOMPARE(screen.timer1().interval(), 500);
    QVERIFY2(clock.elapsed() >= 450 && clock.elapsed() < 5000,
             qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!screen.desk().isOpen());
}

void TestLocateDatabase::yesWithAVanishedFile() {
    QString question;
    m_watcher->answerNext([&](QWidget* yesNo) {
        question = yesNo->findChild<QWidget*>("Question")->property("plainText").toString();
        clickButton(yesNo, "Command1");
    });
    AnnouncerScreen screen;
    screen.showModal(QStringLiteral("/nonexistent/announcer.mdb"),
                     AnnouncerScreen::Entry::Unchecked);
    QCOMPARE(question, QStringLiteral("Announcer DB is /nonexistent/announcer.mdb"));
    QCOMPARE(m_watcher->messages(), QStringList({"No Announcer Database"}));
    QVERIFY(!screen.desk().isOpen());
}

void TestLocateDatabase::noThenAChosenFileOpensIt() {
    AnnouncerFixture old;
    AnnouncerFixture chosen;
    chosen.addRow(4, QStringLiteral("from the chosen file"));
    m_watcher->answerNext([](QWidget* yesNo) { clickButton(yesNo, "Command2"); });
    m_watcher->answerNext(chooseFile(chosen.path()));
    QStringList listed;
    AnnouncerScreen screen;
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
    AnnouncerScreen screen;
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
