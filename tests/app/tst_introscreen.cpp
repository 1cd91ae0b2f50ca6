#include "announcerfixture.h"
#include "modalwatcher.h"
#include "screendriving.h"
#include "windowdriving.h"

#include "announcer/announcerdatabase.h"
#include "announcer/announcerscreen.h"
#include "app/announceintro.h"
#include "app/settingsfile.h"
#include "dialogs/fileselection.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QLineEdit* dbName(AnnounceIntro& intro) { return intro.findChild<QLineEdit*>(QStringLiteral("DbName")); }

} // namespace

class TestIntroScreen : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { closeAnnouncerDatabase(); }
    void firstRunOffersTheDefault();
    void showsTheRememberedPath_data();
    void showsTheRememberedPath();
    void enterWithAMissingFile();
    void enterOpensTheScreenAndComesBack();
    void browse_data();
    void browse();
    void pathThatCannotBeRemembered_data();
    void pathThatCannotBeRemembered();

private:
    std::unique_ptr<QTemporaryDir> m_home;
    QString settings() const { return m_home->filePath("kelvane.ini"); }
};

void TestIntroScreen::init() {
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("HOME", QFile::encodeName(m_home->path()));
}

void TestIntroScreen::firstRunOffersTheDefault() {
    AnnounceIntro intro;
    QCOMPARE(dbName(intro)->text(), m_home->filePath("announcer.mdb"));
}

void TestIntroScreen::showsTheRememberedPath_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("shown");
    QTest::newRow("remembered") << QByteArray("\"/srv/gala, day 2/announcer.mdb\"\r\n") << "/srv/gala, day 2/announcer.mdb";
    QTest::newRow("hand-written, unquoted") << QByteArray("/srv/gala.mdb,old\n") << "/srv/gala.mdb";
    QTest::newRow("empty field keeps the default") << QByteArray("\"\"\r\n") << "";
    QTest::newRow("binary file keeps the default") << QByteArray("\x00\xff", 2) << "";
}

void TestIntroScreen::showsTheRememberedPath() {
    QFETCH(QByteArray, content);
    QFETCH(QString, shown);
    QFile file(settings());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    AnnounceIntro intro;
    QCOMPARE(dbName(intro)->text(), shown.isEmpty() ? m_home->filePath("announcer.mdb") : shown);
}

void TestIntroScreen::enterWithAMissingFile() {
    QVERIFY(!writeSettings(settings(), "/previous.mdb"));
    AnnounceIntro intro;
    intro.show();
    dbName(intro)->setText(m_home->filePath("typed by hand.mdb"));
    ModalWatcher watcher;
    clickButton(&intro, "Command3");
    QCOMPARE(watcher.messages(), QStringList({"Cannot locate database for announcer messages"}));
    QCOMPARE(watcher.titles(), QStringList({"kelvane"}));
    QCOMPARE(readBytes(settings()), QByteArray("\"/previous.mdb\"\r\n"));
    QVERIFY(intro.isVisible());
    QTest::keyClick(&intro, Qt::Key_Escape);
    QVERIFY(intro.isVisible());
}

void TestIntroScreen::enterOpensTheScreenAndComesBack() {
    AnnouncerFixture fixture;
    fixture.addRow(3, QStringLiteral("Lost property"));
    AnnounceIntro intro;
    intro.show();
    dbName(intro)->setText(fixture.path());
    ModalWatcher watcher;
    for (int opening = 1; opening <= 2; ++opening) {
        QFile::remove(settings());
        bool introHidden = false;
        int listed = -1;
        watcher.answerNext([&](QWidget* opened) {
            introHidden = !intro.isVisible();
            auto& screen = *qobject_cast<AnnouncerScreen*>(opened);
            settle(screen);
            listed = list(screen)->count();
            clickButton(opened, "Command1");
        });
        clickButton(&intro, "Command3");
        QVERIFY(introHidden);
        QCOMPARE(listed, 1);
        QVERIFY(intro.isVisible());
        QCOMPARE(dbName(intro)->text(), fixture.path());
        QCOMPARE(readBytes(settings()), '"' + fixture.path().toLocal8Bit() + "\"\r\n");
        QCOMPARE(Screen_Entry_Mode, qint16(2));
    }
    QVERIFY(watcher.messages().isEmpty());
}

void TestIntroScreen::browse_data() {
    QTest::addColumn<bool>("cancel");
    QTest::newRow("cancelled") << true;
    QTest::newRow("file chosen") << false;
}

void TestIntroScreen::browse() {
    QFETCH(bool, cancel);
    QVERIFY(QDir(m_home->path()).mkpath("Gala data"));
    const QString chosen = m_home->filePath("Gala data/announcer, day 2.mdb");
    QFile file(chosen);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    AnnounceIntro intro;
    intro.show();
    dbName(intro)->setText("/before.mdb");
    ModalWatcher watcher;
    QString title;
    watcher.answerNext([&](QWidget* chooser) {
        title = chooser->windowTitle();
        chooseFile(cancel ? QString() : chosen)(chooser);
    });
    clickButton(&intro, "Command1");
    QCOMPARE(title, QStringLiteral("Select Database for Announcer Messages"));
    QCOMPARE(dbName(intro)->text(), cancel ? QStringLiteral("/before.mdb") : chosen);
    QCOMPARE(watcher.messages(), cancel ? QStringList({"No Database selected"}) : QStringList());
    QVERIFY(File_Must_Exist);
}

void TestIntroScreen::pathThatCannotBeRemembered_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("settingsIsAFolder");
    QTest::addColumn<QString>("message");
    QTest::newRow("double quote in the path") << "Gala \"A\"" << false << "double quote";
    QTest::newRow("line break in the path") << "Gala\nday 2" << false << "line break";
    QTest::newRow("settings file cannot be written") << "Gala" << true << "could not be remembered";
}

// The screen still opens; the settings keep what they held before.
void TestIntroScreen::pathThatCannotBeRemembered() {
    QFETCH(QString, folder);
    QFETCH(bool, settingsIsAFolder);
    QFETCH(QString, message);
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("one"));
    QVERIFY(QDir(m_home->path()).mkdir(folder));
    const QString path = m_home->filePath(folder + "/announcer.mdb");
    QVERIFY(QFile::copy(fixture.path(), path));
    if (settingsIsAFolder)
        QVERIFY(QDir(m_home->path()).mkdir("kelvane.ini"));
    else
        QVERIFY(!writeSettings(settings(), "/previous.mdb"));
    AnnounceIntro intro;
    intro.show();
    dbName(intro)->setText(path);
    ModalWatcher watcher;
    bool opened = false;
    watcher.answerNext([&](QWidget* screen) {
        opened = true;
        clickButton(screen, "Command1");
    });
    clickButton(&intro, "Command3");
    QVERIFY(opened);
    QCOMPARE(watcher.messages().size(), 1);
    QVERIFY2(watcher.messages().first().contains(message) && watcher.messages().first().contains(settings()),
             qPrintable(watcher.messages().first()));
    if (!settingsIsAFolder)
        QCOMPARE(readBytes(settings()), QByteArray("\"/previous.mdb\"\r\n"));
}

QTEST_MAIN(TestIntroScreen)
#include "tst_introscreen.moc"
