#include "dialogs/drivelist.h"
#include "dialogs/filepattern.h"
#include "dialogs/folderreader.h"
#include "dialogs/typedpath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFileRules : public QObject {
    Q_OBJECT

private slots:
    void pattern_data();
    void pattern();
    void typedText_data();
    void typedText();
    void separators_data();
    void separators();
    void driveOfPath_data();
    void driveOfPath();
    void rootIsTheFirstDrive();
    void sortsLikeFileDialogs_data();
    void sortsLikeFileDialogs();
    void readFolderSplitsFilesAndFolders();
    void readFolderReportsWhyItCannot_data();
    void readFolderReportsWhyItCannot();
};

void TestFileRules::pattern_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");
    QTest::newRow("*.* matches a name with a dot") << "*.*" << "gala.mdb" << true;
    QTest::newRow("*.* matches a name without a dot") << "*.*" << "README" << true;
    QTest::newRow("*.* matches a name ending in a dot") << "*.*" << "odd." << true;
    QTest::newRow("name.* matches the bare name") << "gala.*" << "gala" << true;
    QTest::newRow("name.* matches any extension") << "gala.*" << "gala.bak" << true;
    QTest::newRow("name.* refuses a longer name") << "gala.*" << "galas" << false;
    QTest::newRow("? is exactly one character") << "gala?.mdb" << "gala1.mdb" << true;
    QTest::newRow("? does not match nothing") << "gala?.mdb" << "gala.mdb" << false;
    QTest::newRow("? does not match two") << "gala?.mdb" << "gala10.mdb" << false;
    QTest::newRow("? matches one non-ASCII letter") << "gal?.mdb" << "galä.mdb" << true;
    QTest::newRow("? matches one letter beyond the BMP") << "x?.mdb" << "x\U0001F3CA.mdb" << true;
    QTest::newRow("case-sensitive") << "*.mdb" << "GALA.MDB" << false;
    QTest::newRow("* in the middle backtracks") << "a*b*c" << "aXbYbZc" << true;
    QTest::newRow("* in the middle needs the end") << "a*b*c" << "aXbYbZ" << false;
    QTest::newRow("literal text must match whole") << "gala.mdb" << "gala.mdbx" << false;
    QTest::newRow("brackets are literal") << "[ab].mdb" << "a.mdb" << false;
    QTest::newRow("brackets match themselves") << "[ab].mdb" << "[ab].mdb" << true;
    QTest::newRow("several patterns, second matches") << "*.mdb;*.db" << "gala.db" << true;
    QTest::newRow("several patterns, none matches") << "*.mdb;*.db" << "gala.txt" << false;
    QTest::newRow("spaces around ; are ignored") << "*.mdb ; *.db" << "gala.db" << true;
    QTest::newRow("empty piece matches nothing") << ";" << "gala.db" << false;
    QTest::newRow("space inside a pattern is kept") << "my *.mdb" << "my gala.mdb" << true;
    QTest::newRow("comma is literal") << "a,b*" << "a,b.mdb" << true;
    QTest::newRow("* matches a name that starts with *") << "*" << "*gala.mdb" << true;
    QTest::newRow("*.* matches a name with * and no dot") << "*.*" << "*x" << true;
    QTest::newRow("* after text matches a * in the name") << "a*c" << "a*bc" << true;
    QTest::newRow("many stars stay quick") << "*a*a*a*a*a*a*a*a*b" << QString(200, QLatin1Char('a')) << false;
}

void TestFileRules::pattern() {
    QFETCH(QString, pattern);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    QCOMPARE(FilePattern(pattern).matches(name), matches);
}

void TestFileRules::typedText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("pattern");
    QTest::addColumn<QString>("typedFolderFromData");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain name") << "gala.mdb" << false << false << "" << "gala.mdb";
    QTest::newRow("colon is ordinary") << "c:gala.mdb" << false << false << "" << "c:gala.mdb";
    QTest::newRow("pattern") << "gala?.mdb" << false << true << "" << "gala?.mdb";
    QTest::newRow("full path with pattern") << "/home/gala/gala*.mdb" << true << true << "/home/gala" << "gala*.mdb";
    QTest::newRow("folder path") << "/home/gala/Old" << true << false << "/home/gala" << "Old";
    QTest::newRow("trailing separator") << "/home/gala/" << true << false << "/home/gala" << "";
    QTest::newRow("root alone") << "/" << true << false << "/" << "";
    QTest::newRow("pattern in the root") << "/*.mdb" << true << true << "/" << "*.mdb";
    QTest::newRow("folder in the root") << "/home" << true << false << "/" << "home";
    QTest::newRow("doubled separators") << "//home//gala//x" << true << false << "/home/gala" << "x";
    QTest::newRow("relative folder") << "sub/*.mdb" << true << true << "/data/sub" << "*.mdb";
    QTest::newRow("parent folder") << "../x" << true << false << "/" << "x";
    QTest::newRow("cannot climb above the root") << "../../../x" << true << false << "/" << "x";
    QTest::newRow("above the root, then down") << "/../data/x" << true << false << "/data" << "x";
    QTest::newRow("dots that are a name") << "/..x/y" << true << false << "/..x" << "y";
    QTest::newRow("colon first is part of a relative name") << ":sub/x" << true << false << "/data/:sub" << "x";
    QTest::newRow("colon and separator are no built-in folder") << ":/icons/x" << true << false << "/data/:/icons"
                                                                << "x";
}

void TestFileRules::typedText() {
    QFETCH(QString, typed);
    QFETCH(bool, folder);
    QFETCH(bool, pattern);
    QFETCH(QString, typedFolderFromData);
    QFETCH(QString, name);
    QCOMPARE(namesFolder(typed), folder);
    QCOMPARE(isPattern(typed), pattern);
    if (folder)
        QCOMPARE(typedFolder(typed, QStringLiteral("/data")), typedFolderFromData);
    QCOMPARE(typedName(typed), name);
}

void TestFileRules::separators_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("with");
    QTest::newRow("folder") << "/home/gala" << "/home/gala/";
    QTest::newRow("folder with separator") << "/home/gala/" << "/home/gala/";
    QTest::newRow("root gets no second separator") << "/" << "/";
}

void TestFileRules::separators() {
    QFETCH(QString, folder);
    QFETCH(QString, with);
    QCOMPARE(withTrailingSeparator(folder), with);
}

void TestFileRules::driveOfPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("drive");
    QTest::newRow("root") << "/" << "/";
    QTest::newRow("folder on the root drive") << "/home/gala" << "/";
    QTest::newRow("mount point itself") << "/media/stick" << "/media/stick";
    QTest::newRow("folder on a stick") << "/media/stick/gala" << "/media/stick";
    QTest::newRow("longest mount wins") << "/media/stick/inner/x" << "/media/stick/inner";
    QTest::newRow("similar name is another folder") << "/media/stick2/gala" << "/";
}

void TestFileRules::driveOfPath() {
    QFETCH(QString, path);
    QFETCH(QString, drive);
    const QStringList drives = {"/", "/media/stick", "/media/stick/inner"};
    QCOMPARE(::driveOfPath(path, drives), drive);
}

void TestFileRules::rootIsTheFirstDrive() {
    const QStringList drives = browsableDrives();
    QVERIFY(!drives.isEmpty());
    QCOMPARE(drives.first(), QStringLiteral("/"));
    QCOMPARE(drives.count(QStringLiteral("/")), 1);
    for (const QString& drive : drives) {
        QVERIFY2(!drive.startsWith(QLatin1String("/proc")) && !drive.startsWith(QLatin1String("/sys")),
                 qPrintable(drive));
    }
}

void TestFileRules::sortsLikeFileDialogs_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("numbers by value") << QStringList{"gala10", "gala2", "gala1"} << QStringList{"gala1", "gala2", "gala10"};
    QTest::newRow("letter case ignored") << QStringList{"b", "A", "a", "B"} << QStringList{"A", "a", "B", "b"};
    QTest::newRow("accented letters beside their base") << QStringList{"zebra", "\u00e9t\u00e9", "ete"}
                                                          << QStringList{"ete", "\u00e9t\u00e9", "zebra"};
}

void TestFileRules::sortsLikeFileDialogs() {
    QFETCH(QStringList, names);
    QFETCH(QStringList, sorted);
    sortLikeFileDialogs(names);
    QCOMPARE(names, sorted);
}

void TestFileRules::readFolderSplitsFilesAndFolders() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QDir root(dir.path());
    for (const char* name : {"b.mdb", "A.txt", ".hidden.mdb", "plain"}) {
        QFile file(root.filePath(QString::fromUtf8(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    for (const char* name : {"Zeta", "alpha", ".config"})
        QVERIFY(root.mkdir(QString::fromUtf8(name)));
    QVERIFY(QFile::link(root.filePath("b.mdb"), root.filePath("link.mdb")));
    QVERIFY(QFile::link(root.filePath("gone"), root.filePath("broken.mdb")));
    const FolderContents contents = readFolder(dir.path());
    QVERIFY(contents.error.isEmpty());
    QCOMPARE(contents.files, QStringList({"A.txt", "b.mdb", "link.mdb", "plain"}));
    QCOMPARE(contents.folders, QStringList({"alpha", "Zeta"}));
}

void TestFileRules::readFolderReportsWhyItCannot_data() {
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("error");
    QTest::newRow("missing folder") << "missing" << "No such file or directory";
    QTest::newRow("a file, not a folder") << "file" << "Not a directory";
}

void TestFileRules::readFolderReportsWhyItCannot() {
    QFETCH(QString, relative);
    QFETCH(QString, error);
    QTemporaryDir dir;
    QFile file(dir.filePath("file"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const FolderContents contents = readFolder(dir.filePath(relative));
    QCOMPARE(contents.error, error);
    QVERIFY(contents.files.isEmpty() && contents.folders.isEmpty());
}

QTEST_MAIN(TestFileRules)
#include "tst_filerules.moc"
