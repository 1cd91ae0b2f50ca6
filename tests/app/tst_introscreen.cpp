#include "announcerfixture.h"
#include "modalwatcher.h"
#include "screendriving.h"
#include "specialfile.h"
#include "windowdriving.h"

#include "announcer/announcerscreen.h"
#include "app/announcersession.h"
#include "app/announceintro.h"
#include "app/errorreport.h"
#include "app/kelvaneapplication.h"
#include "app/settingsfile.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
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
    void firstRunOffersTheDefault();
    void showsTheRememberedPath_data();
    void showsTheRememberedPath();
    void enterWithoutADatabaseFile_data();
    void enterWithoutADatabaseFile();
    void enterOpensTheScreenAndComesBack();
    void browse_data();
    void browse();
    void pathThatCannotBeRemembered_data();
    void pathThatCannotBeRemembered();
    void unencryptedConnectionIsToldOnce();

private:
    std::unique_ptr<QTemporaryDir> m_home;
    [[nodiscard]] QString settings() const { return m_home->filePath("kelvane.ini"); }
};

void TestIntroScreen::init() {
    // The application's last-resort catch is no way for a handler to fail.
    QTest::failOnWarning(QRegularExpression(escapedErrorWarning));
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("HOME", QFile::encodeName(m_home->path()));
}

void TestIntroScreen::firstRunOffersTheDefault() {
    AnnouncerSession session;
    AnnounceIntro intro(session);
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
    AnnouncerSession session;
    AnnounceIntro intro(session);
    QCOMPARE(dbName(intro)->text(), shown.isEmpty() ? m_home->filePath("announcer.mdb") : shown);
}

void TestIntroScreen::enterWithoutADatabaseFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("path typed by hand") << "missing";
    QTest::newRow("named pipe at the default path") << "fifo";
    QTest::newRow("socket at the default path") << "socket";
}

// Something that is not a file counts as missing: the program never tries
// to open it, and the path is not remembered to freeze the next start.
void TestIntroScreen::enterWithoutADatabaseFile() {
    QFETCH(QString, kind);
    QVERIFY(!writeSettings(settings(), "/previous.mdb"));
    const QString path = m_home->filePath(kind == "missing" ? "typed by hand.mdb" : "announcer.mdb");
    if (kind != "missing")
        QVERIFY(makeSpecialFile(kind, path));
    AnnouncerSession session;
    AnnounceIntro intro(session);
    intro.show();
    dbName(intro)->setText(path);
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
    AnnouncerSession session;
    AnnounceIntro intro(session);
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
            listed = static_cast<int>(lines(screen).size());
            clickButton(opened, "Command1");
        });
        clickButton(&intro, "Command3");
        QVERIFY(introHidden);
        QCOMPARE(listed, 1);
        QVERIFY(intro.isVisible());
        QCOMPARE(dbName(intro)->text(), fixture.path());
        QCOMPARE(readBytes(settings()), '"' + fixture.path().toLocal8Bit() + "\"\r\n");
    }
    QVERIFY(watcher.messages().isEmpty());
}

void TestIntroScreen::browse_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("cancelled") << "" << false;
    QTest::newRow("file chosen") << "announcer, day 2.mdb" << true;
    QTest::newRow("a new name is refused") << "new.mdb" << false;
}

// A name that is not listed leaves the chooser open; Cancel then.
void TestIntroScreen::browse() {
    QFETCH(QString, typed);
    QFETCH(bool, chosen);
    QVERIFY(QDir(m_home->path()).mkpath("Gala data"));
    QFile file(m_home->filePath("Gala data/announcer, day 2.mdb"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    AnnouncerSession session;
    AnnounceIntro intro(session);
    intro.show();
    dbName(intro)->setText("/before.mdb");
    ModalWatcher watcher;
    QString title;
    const QString path = typed.isEmpty() ? QString() : m_home->filePath("Gala data/" + typed);
    watcher.answerNext([&](QWidget* chooser) {
        title = chooser->windowTitle();
        chooseFile(path)(chooser);
        if (chooser->isVisible())
            clickButton(chooser, "DlgButton_1");
    });
    clickButton(&intro, "Command1");
    QCOMPARE(title, QStringLiteral("Select Database for Announcer Messages"));
    QCOMPARE(dbName(intro)->text(), chosen ? path : QStringLiteral("/before.mdb"));
    QCOMPARE(watcher.messages(), chosen ? QStringList() : QStringList({"No Database selected"}));
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
    AnnouncerSession session;
    AnnounceIntro intro(session);
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

// Told before the screen opens, whatever then becomes of the connection
// (no server answers here), and only at the first Enter of the run.
void TestIntroScreen::unencryptedConnectionIsToldOnce() {
    const QString path = m_home->filePath("gala.conn");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("postgresql://announcer@127.0.0.1:1/gala?sslmode=disable\n");
    file.close();
    setProgramEnding([](int) {});
    AnnouncerSession session;
    AnnounceIntro intro(session);
    intro.show();
    dbName(intro)->setText(path);
    ModalWatcher watcher;
    const QString notice = "The connection to the database server named in " + path +
                           " is not encrypted (sslmode=disable): anyone on the network can read the messages or "
                           "pose as the server. Unless the network is closed to others, remove sslmode from the file.";
    for (int enter = 1; enter <= 2; ++enter) {
        watcher.clear();
        // The screen closes by itself, saying that no server answers.
        clickButton(&intro, "Command3");
        QCOMPARE(watcher.messages().size(), enter == 1 ? 2 : 1);
        QCOMPARE(watcher.messages().first() == notice, enter == 1);
        QVERIFY2(watcher.messages().last().contains(QStringLiteral("127.0.0.1:1")),
                 qPrintable(watcher.messages().last()));
        QVERIFY(intro.isVisible());
    }
}

int main(int argc, char** argv) {
    KelvaneApplication app(argc, argv);
    TestIntroScreen test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_introscreen.moc"
