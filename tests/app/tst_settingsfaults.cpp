// The settings file and the home folder it lives in, when they are not what
// the program expects: it must still start, offer a database, open the
// screen, and say once why the choice could not be remembered.
#include "announcerfixture.h"
#include "diskfaults.h"
#include "modalwatcher.h"
#include "specialfile.h"
#include "windowdriving.h"
#include "withoutrootoverride.h"

#include "app/announceintro.h"
#include "app/announcersession.h"
#include "app/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QLineEdit* dbName(AnnounceIntro& intro) { return intro.findChild<QLineEdit*>(QStringLiteral("DbName")); }

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QByteArray settingsLine(const QString& path) { return '"' + path.toLocal8Bit() + "\"\r\n"; }

// Enter on databasePath from a fresh intro screen; returns the messages
// shown and whether the announcer screen opened (it is closed with Exit).
struct Entered {
    QStringList messages;
    bool screenOpened = false;
};

Entered enter(const QString& databasePath) {
    AnnouncerSession session;
    AnnounceIntro intro(session);
    intro.show();
    dbName(intro)->setText(databasePath);
    ModalWatcher watcher;
    Entered entered;
    watcher.answerNext([&](QWidget* screen) {
        entered.screenOpened = screen->findChild<QListView*>(QStringLiteral("Announcement_List")) != nullptr;
        clickButton(screen, "Command1");
    });
    clickButton(&intro, "Command3");
    entered.messages = watcher.messages();
    return entered;
}

} // namespace

class TestSettingsFaults : public QObject {
    Q_OBJECT

private slots:
    void init();
    void settingsNotAFile_data();
    void settingsNotAFile();
    void unreadableSettings();
    void diskFull();
    void writesRefused();
    void homeThatDoesNotExist();

private:
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<AnnouncerFixture> m_database;
    [[nodiscard]] QString settings() const {
        return m_home->filePath(QStringLiteral("kelvane.ini"));
    }
    [[nodiscard]] QString defaultPath() const {
        return m_home->filePath(QStringLiteral("announcer.mdb"));
    }
};

void TestSettingsFaults::init() {
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("HOME", QFile::encodeName(m_home->path()));
    m_database = std::make_unique<AnnouncerFixture>();
    m_database->addRow(1, QStringLiteral("one"));
}

void TestSettingsFaults::settingsNotAFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("named pipe") << "fifo";
    QTest::newRow("socket") << "socket";
}

// Something other than a file where the settings file should be reads as
// no settings, without waiting on it.
void TestSettingsFaults::settingsNotAFile() {
    QFETCH(QString, kind);
    QVERIFY(makeSpecialFile(kind, settings()));
    AnnouncerSession session;
    AnnounceIntro intro(session);
    QCOMPARE(dbName(intro)->text(), defaultPath());
    QCOMPARE(readSettingsField(settings()), QString());
}

// A settings file the user cannot read is treated as absent; the next
// successful Enter replaces it with one that the next start can read.
void TestSettingsFaults::unreadableSettings() {
    QFile file(settings());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(settingsLine(QStringLiteral("/srv/remembered.mdb")));
    file.close();
    QVERIFY(::chmod(QFile::encodeName(settings()).constData(), 0) == 0);
    const WithoutRootOverride asAnnouncer;
    QVERIFY(asAnnouncer.ok());
    {
        AnnouncerSession session;
        AnnounceIntro intro(session);
        QCOMPARE(dbName(intro)->text(), defaultPath());
    }
    const Entered entered = enter(m_database->path());
    QCOMPARE(entered.messages, QStringList());
    QVERIFY(entered.screenOpened);
    QCOMPARE(readBytes(settings()), settingsLine(m_database->path()));
    AnnouncerSession session;
    AnnounceIntro nextStart(session);
    QCOMPARE(dbName(nextStart)->text(), m_database->path());
}

// On a full disk the new choice cannot be written: the announcer is told
// why, the screen opens all the same, and the file keeps the previous
// choice whole instead of being left empty or half written.
void TestSettingsFaults::diskFull() {
    const SmallDisk disk;
    if (!disk.mounted())
        QSKIP(qPrintable(QStringLiteral("a small tmpfs cannot be mounted here (%1; needs root with CAP_SYS_ADMIN), "
                                        "so the full-disk case is not run")
                             .arg(disk.reason())));
    qputenv("HOME", QFile::encodeName(disk.path()));
    const QString onDisk = disk.path() + QStringLiteral("/kelvane.ini");
    QVERIFY(!writeSettings(onDisk, QStringLiteral("/srv/previous.mdb")));
    disk.fill();
    const Entered entered = enter(m_database->path());
    QCOMPARE(entered.messages.size(), 1);
    QVERIFY2(entered.messages.first().startsWith(QStringLiteral("The database path could not be remembered in %1").arg(onDisk)),
             qPrintable(entered.messages.first()));
    QVERIFY(entered.screenOpened);
    QCOMPARE(readBytes(onDisk), settingsLine(QStringLiteral("/srv/previous.mdb")));
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files), QStringList({"filler", "kelvane.ini"}));
}

// The same refusal where no disk can be mounted: a file size limit of zero
// makes every write fail, as a full disk does.
void TestSettingsFaults::writesRefused() {
    QVERIFY(!writeSettings(settings(), QStringLiteral("/srv/previous.mdb")));
    store::Failure failure;
    {
        const FileSizeLimit noRoom(0);
        failure = writeSettings(settings(), QStringLiteral("/srv/new.mdb"));
    }
    QVERIFY(failure);
    QCOMPARE(readBytes(settings()), settingsLine(QStringLiteral("/srv/previous.mdb")));
    QCOMPARE(QDir(m_home->path()).entryList(QDir::Files), QStringList({"kelvane.ini"}));
}

// HOME names a folder that is not there (a deleted account folder, a typo
// in a service file). The program starts and offers the default path in
// it; Enter on a database elsewhere opens the screen and explains that the
// choice could not be remembered. The missing folder is not created.
void TestSettingsFaults::homeThatDoesNotExist() {
    const QString home = m_home->filePath(QStringLiteral("gone"));
    qputenv("HOME", QFile::encodeName(home));
    {
        AnnouncerSession session;
        AnnounceIntro intro(session);
        QCOMPARE(dbName(intro)->text(), home + QStringLiteral("/announcer.mdb"));
    }
    const Entered onDefault = enter(home + QStringLiteral("/announcer.mdb"));
    QCOMPARE(onDefault.messages, QStringList({"Cannot locate database for announcer messages"}));
    QVERIFY(!onDefault.screenOpened);
    const Entered elsewhere = enter(m_database->path());
    QCOMPARE(elsewhere.messages.size(), 1);
    QVERIFY2(elsewhere.messages.first().startsWith(
                 QStringLiteral("The database path could not be remembered in %1/kelvane.ini").arg(home)),
             qPrintable(elsewhere.messages.first()));
    QVERIFY(elsewhere.screenOpened);
    QVERIFY(!QFileInfo::exists(home));
}

QTEST_MAIN(TestSettingsFaults)
#include "tst_settingsfaults.moc"
