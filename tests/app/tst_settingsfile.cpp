#include "app/settingsfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void readsTheFirstField_data();
    void readsTheFirstField();
    void writesOneQuotedLine_data();
    void writesOneQuotedLine();
    void unwritableFileIsReported();
    void unstorablePaths_data();
    void unstorablePaths();
};

void TestSettingsFile::readsTheFirstField_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("field");
    QTest::newRow("quoted line") << QByteArray("\"/home/gala/announcer.mdb\"\r\n") << "/home/gala/announcer.mdb";
    QTest::newRow("comma inside quotes") << QByteArray("\"/data/Gala, day 1/a.mdb\"\r\n") << "/data/Gala, day 1/a.mdb";
    QTest::newRow("unquoted up to comma") << QByteArray("/data/a.mdb,extra\r\n") << "/data/a.mdb";
    QTest::newRow("unquoted to end of line") << QByteArray("/data/a.mdb\nsecond line\n") << "/data/a.mdb";
    QTest::newRow("unquoted without line end") << QByteArray("/data/a.mdb") << "/data/a.mdb";
    QTest::newRow("leading blanks skipped") << QByteArray("  \t\"/x y.mdb\"\r\n") << "/x y.mdb";
    QTest::newRow("backslash path kept") << QByteArray("\"D:\\Gala\\announcer.mdb\"\r\n") << "D:\\Gala\\announcer.mdb";
    QTest::newRow("empty quoted field") << QByteArray("\"\"\r\n") << "";
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("unclosed quote stops at line end") << QByteArray("\"/x.mdb\r\nmore\"") << "/x.mdb";
    QTest::newRow("binary") << QByteArray("\x00\x01\x02\"/x\"", 7) << "";
    QTest::newRow("not valid text") << QByteArray("\"/caf\xe9.mdb\"\r\n") << "";
    QTest::newRow("non-ASCII") << QByteArray("\"/home/zo\xc3\xab/a.mdb\"\r\n") << QString::fromUtf8("/home/zoë/a.mdb");
}

void TestSettingsFile::readsTheFirstField() {
    QFETCH(QByteArray, content);
    QFETCH(QString, field);
    QTemporaryDir dir;
    const QString path = dir.filePath("kelvane.ini");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QCOMPARE(readSettingsField(path), field);
}

void TestSettingsFile::writesOneQuotedLine_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("21 characters make 25 bytes") << "D:\\Gala\\announcer.mdb" << QByteArray("\"D:\\Gala\\announcer.mdb\"\r\n");
    QTest::newRow("comma") << "/Gala, day 1/a.mdb" << QByteArray("\"/Gala, day 1/a.mdb\"\r\n");
    QTest::newRow("empty") << "" << QByteArray("\"\"\r\n");
}

void TestSettingsFile::writesOneQuotedLine() {
    QFETCH(QString, path);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString settings = dir.filePath("kelvane.ini");
    QVERIFY(!writeSettings(settings, QStringLiteral("an older, longer path that must vanish entirely")));
    QVERIFY(!writeSettings(settings, path));
    QCOMPARE(readBytes(settings), bytes);
    QCOMPARE(readSettingsField(settings), path);
}

// Root may write anywhere, so the unwritable case is a folder standing
// where the settings file should be.
void TestSettingsFile::unwritableFileIsReported() {
    QTemporaryDir dir;
    const QString settings = dir.filePath("kelvane.ini");
    QVERIFY(QDir(dir.path()).mkdir("kelvane.ini"));
    const store::Failure failure = writeSettings(settings, "/x.mdb");
    QVERIFY(failure);
    QVERIFY(!failure.reason().isEmpty());
}

void TestSettingsFile::unstorablePaths_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("storable");
    QTest::newRow("plain") << "/gala/a.mdb" << true;
    QTest::newRow("comma") << "/gala, 1/a.mdb" << true;
    QTest::newRow("double quote") << "/gala \"A\"/a.mdb" << false;
    QTest::newRow("line feed") << "/gala\n/a.mdb" << false;
    QTest::newRow("carriage return") << "/gala\r/a.mdb" << false;
}

void TestSettingsFile::unstorablePaths() {
    QFETCH(QString, path);
    QFETCH(bool, storable);
    QCOMPARE(!unstorablePathReason(path), storable);
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
