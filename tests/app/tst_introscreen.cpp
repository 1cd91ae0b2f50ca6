#include "announcerfixture.h"
#include "modalwatcher.h"

#include "announcer/announcerdatabase.h"
#include "app/announceintro.h"
#include "app/settingsfile.h"

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

void click(QWidget* window, const char* name) {
    QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}

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
    click(&intro, "Command3");
    QCOMPARE(watcher.messages(), QStringList({"Cannot locate database for announcer messages"}));
    QCOMPARE(watcher.titles(), QStringList({"kelvane"}));
    QCOMPARE(readBytes(settings()), QByteArray("\"/previous.mdb\"\r\n"));
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
        watcher.answerNext([&](QWidget* screen) {
            introHidden = !intro.isVisible();
            listed = screen->findChild<QListWidget*>("Announcement_List")->count();
            click(screen, "Command1");
        });
        click(&intro, "Command3");
        QVERIFY(introHidden);
        QCOMPARE(listed, 1);
        QVERIFY(intro.isVisible());
        QCOMPARE(dbName(intro)->text(), fixture.path());
        QCOMPARE(readBytes(settings()), '"' + fixture.path().toLocal8Bit() + "\"\r\n");
        QCOMPARE(Screen_Entry_Mode, qint16(2));
    }
    QVERIFY(watcher.messages().isEmpty());
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
        click(screen, "Command1");
    });
    click(&intro, "Command3");
    QVERIFY(opened);
    QCOMPARE(watcher.messages().size(), 1);
    QVERIFY2(watcher.messages().first().contains(message) && watcher.messages().first().contains(settings()),
             qPrintable(watcher.messages().first()));
    if (!settingsIsAFolder)
        QCOMPARE(readBytes(settings()), QByteArray("\"/previous.mdb\"\r\n"));
}

QTEST_MAIN(TestIntroScreen)
#include "tst_introscreen.moc"
