#include "announcerfixture.h"
#include "modalwatcher.h"
#include "screendriving.h"
#include "windowdriving.h"

#include "announcer/announcerdatabase.h"
#include "announcer/announcerscreen.h"
#include "dialogs/fileselection.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>


class TestLocateDatabase : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { closeAnnouncerDatabase(); }
    void emptyPathGoesStraightToTheChooser();
    void yesWithAVanishedFile();
    void noThenAChosenFileOpensIt();
    void yesKeepsThePathAndIgnoresEarlyTicks();

private:
    ModalWatcher* m_watcher = nullptr;
    std::unique_ptr<ModalWatcher> m_ownWatcher;
};

void TestLocateDatabase::init() {
    Screen_Entry_Mode = 0;
    Selected_Folder.clear();
    Selected_File_Name.clear();
    m_ownWatcher = std::make_unique<ModalWatcher>();
    m_watcher = m_ownWatcher.get();
}

void TestLocateDatabase::emptyPathGoesStraightToTheChooser() {
    Announcer_DB_Path.clear();
    QString chooserTitle;
    m_watcher->answerNext([&](QWidget* chooser) {
        chooserTitle = chooser->windowTitle();
        clickButton(chooser, "DlgButton_1");
    });
    AnnouncerScreen screen;
    QElapsedTimer clock;
    clock.start();
    screen.showModal();
    QCOMPARE(chooserTitle, QStringLiteral("Locate announcer database"));
    QCOMPARE(m_watcher->messages(), QStringList({"No Announcer Database"}));
    QCOMPARE(screen.timer1().interval(), 500);
    QVERIFY2(clock.elapsed() >= 450 && clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!Announcer_DB_Open);
}

void TestLocateDatabase::yesWithAVanishedFile() {
    Announcer_DB_Path = QStringLiteral("/nonexistent/announcer.mdb");
    QString question;
    m_watcher->answerNext([&](QWidget* yesNo) {
        question = yesNo->findChild<QWidget*>("Question")->property("plainText").toString();
        clickButton(yesNo, "Command1");
    });
    AnnouncerScreen screen;
    screen.showModal();
    QCOMPARE(question, QStringLiteral("Announcer DB is /nonexistent/announcer.mdb"));
    QCOMPARE(m_watcher->messages(), QStringList({"No Announcer Database"}));
    QVERIFY(!Announcer_DB_Open);
}

void TestLocateDatabase::noThenAChosenFileOpensIt() {
    AnnouncerFixture old;
    AnnouncerFixture chosen;
    chosen.addRow(4, QStringLiteral("from the chosen file"));
    Announcer_DB_Path = old.path();
    m_watcher->answerNext([](QWidget* yesNo) { clickButton(yesNo, "Command2"); });
    m_watcher->answerNext(chooseFile(chosen.path()));
    QStringList listed;
    AnnouncerScreen screen;
    m_watcher->answerNext([&](QWidget*) {
        settle(screen);
        listed = lines(screen);
        clickButton(&screen, "Command1");
    });
    screen.showModal();
    QCOMPARE(listed, QStringList({"4:from the chosen file"}));
    QCOMPARE(Announcer_DB_Path, chosen.path());
    QVERIFY(m_watcher->messages().isEmpty());
}

// A tick of the stored 360 ms interval can arrive while the question is
// open; it must not close the screen before it has even been shown.
void TestLocateDatabase::yesKeepsThePathAndIgnoresEarlyTicks() {
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("kept"));
    Announcer_DB_Path = fixture.path();
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
    screen.showModal();
    QCOMPARE(storedInterval, 360);
    QVERIFY(shown);
}

QTEST_MAIN(TestLocateDatabase)
#include "tst_locatedatabase.moc"
