#include "announcerfixture.h"
#include "testengine.h"

#include "store/connectionfile.h"
#include "store/database.h"
#include "store/kelvaneerror.h"
#include "store/postgresdatabase.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using store::ErrorNumber;
using store::KelvaneError;

namespace {

const QString announcer = QStringLiteral("announcer database");
const QString sortedAnnouncements = QStringLiteral("Sorted Announcements");

QString writeConnectionFile(const QTemporaryDir& dir, const QByteArray& text, QFile::Permissions permissions) {
    QString path = dir.filePath(QStringLiteral("gala.conn"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(text);
    file.close();
    file.setPermissions(permissions);
    return path;
}

const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
const QFile::Permissions everyone = ownerOnly | QFile::ReadGroup | QFile::ReadOther;

// Brings the stopped server back after delayMs, while the test goes on.
void startServerLater(QProcess& starter, int delayMs) {
    starter.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("sleep %1; \"$KELVANE_PG_SCRIPT\" start")
                                                                   .arg(delayMs / 1000.0)});
    QVERIFY(starter.waitForStarted());
}

QStringList messages(store::Database& db) {
    QStringList result;
    auto rows = db.openRecordset(sortedAnnouncements);
    if (rows->recordCount() > 0) {
        for (rows->moveFirst(); !rows->eof(); rows->moveNext())
            result << rows->value(QStringLiteral("Message")).toString();
    }
    return result;
}

} // namespace

class TestServerStore : public QObject {
    Q_OBJECT

private slots:
    void connectionFiles_data();
    void connectionFiles();
    void refusedConnectionFiles_data();
    void refusedConnectionFiles();
    void unreachableServerNamesTheFile();
    void restartedServerIsReconnected();
    void deleteAcrossARestartRemovesOneRow();
    void serverGoneForTheWholeBudgetIsAnError();
};

void TestServerStore::connectionFiles_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("private_");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("options");
    const QString defaults = QStringLiteral("connect_timeout='5' tcp_user_timeout='10000'");
    QTest::newRow("plain") << QByteArray("postgresql://announcer@gala-pc:5433/gala\n") << false << "gala-pc"
                           << 5433 << "announcer" << "" << "gala" << defaults;
    QTest::newRow("short scheme, no port") << QByteArray("postgres://db.local/meet") << false << "db.local" << -1
                                           << "" << "" << "meet" << defaults;
    QTest::newRow("blanks, CR LF and notes") << QByteArray("  postgresql://a@h/d \r\nnotes: pool PC\r\n") << false
                                             << "h" << -1 << "a" << "" << "d" << defaults;
    QTest::newRow("settings kept, own timeout wins")
        << QByteArray("postgresql://h/d?sslmode=require&connect_timeout=2") << false << "h" << -1 << "" << ""
        << "d" << "sslmode='require' connect_timeout='2' tcp_user_timeout='10000'";
    QTest::newRow("quote in a setting") << QByteArray("postgresql://h/d?application_name=Jo%27s") << false << "h"
                                        << -1 << "" << "" << "d"
                                        << "application_name='Jo\\'s' " + defaults;
    QTest::newRow("encoded user and database") << QByteArray("postgresql://p%40ol@h/gala%20one") << false << "h"
                                               << -1 << "p@ol" << "" << "gala one" << defaults;
    QTest::newRow("password in a private file") << QByteArray("postgresql://a:s3cret@h/d") << true << "h" << -1
                                                << "a" << "s3cret" << "d" << defaults;
}

void TestServerStore::connectionFiles() {
    QFETCH(QByteArray, text);
    QFETCH(bool, private_);
    QTemporaryDir dir;
    const QString path = writeConnectionFile(dir, text, private_ ? ownerOnly : everyone);
    QVERIFY(store::isConnectionFile(text));
    const store::ServerConnection server = store::readConnectionFile(path);
    QTEST(server.host, "host");
    QTEST(server.port, "port");
    QTEST(server.user, "user");
    QTEST(server.password, "password");
    QTEST(server.database, "database");
    QTEST(server.options, "options");
}

void TestServerStore::refusedConnectionFiles_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("private_");
    QTest::addColumn<QString>("reason");
    QTest::newRow("password readable by others") << QByteArray("postgresql://a:s3cr3t@h/d") << false << "chmod 600";
    QTest::newRow("password setting readable by others")
        << QByteArray("postgresql://a@h/d?password=s3cr3t") << false << "chmod 600";
    QTest::newRow("another scheme") << QByteArray("postgresqlx://h/d") << true << "first line must be a URI";
    QTest::newRow("URI on the second line") << QByteArray("\npostgresql://h/d") << true << "first line must be a URI";
    QTest::newRow("semicolon in a setting") << QByteArray("postgresql://h/d?options=a%3Bb") << true
                                            << "not understood";
    QTest::newRow("odd setting name") << QByteArray("postgresql://h/d?host%20x=1") << true << "not understood";
}

void TestServerStore::refusedConnectionFiles() {
    QFETCH(QByteArray, text);
    QFETCH(bool, private_);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = writeConnectionFile(dir, text, private_ ? ownerOnly : everyone);
    try {
        store::readConnectionFile(path);
        QFAIL("the file was accepted");
    } catch (const KelvaneError& error) {
        QCOMPARE(error.number(), int(ErrorNumber::ConnectionFailed));
        QVERIFY2(error.description().contains(reason), qPrintable(error.description()));
        QVERIFY(error.description().contains(path));
        QVERIFY(!error.description().contains(QLatin1String("s3cr3t")));
    }
}

// The content picks the engine whatever the file is called; a server that
// does not answer is reported with the file that named it.
void TestServerStore::unreachableServerNamesTheFile() {
    QTemporaryDir dir;
    const QString path = writeConnectionFile(dir, "postgresql://nobody@127.0.0.1:1/none\n", everyone);
    try {
        store::openDatabase(path, announcer);
        QFAIL("opened");
    } catch (const KelvaneError& error) {
        QCOMPARE(error.number(), int(ErrorNumber::ConnectionFailed));
        QVERIFY(error.description().contains(path));
    }
}

void TestServerStore::restartedServerIsReconnected() {
    if (!testingPostgres())
        QSKIP("needs the private server (run as tst_serverstore_postgresql)");
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("before"));
    auto db = store::openDatabase(fixture.path(), announcer);
    QCOMPARE(messages(*db), QStringList({"before"}));
    QVERIFY(controlServer(QStringLiteral("stop")));
    QProcess starter;
    startServerLater(starter, 1500);
    QCOMPARE(messages(*db), QStringList({"before"}));
    QVERIFY(starter.waitForFinished(30000));
    fixture.addRow(2, QStringLiteral("after"));
    QCOMPARE(messages(*db), QStringList({"before", "after"}));
}

// A delete may be sent again on the new connection: it still removes the
// one row by its key, never the other row with the same Sequence.
void TestServerStore::deleteAcrossARestartRemovesOneRow() {
    if (!testingPostgres())
        QSKIP("needs the private server (run as tst_serverstore_postgresql)");
    AnnouncerFixture fixture;
    fixture.addRow(4, QStringLiteral("first"));
    fixture.addRow(4, QStringLiteral("second"));
    auto db = store::openDatabase(fixture.path(), announcer);
    auto rows = db->openRecordset(sortedAnnouncements);
    rows->moveFirst();
    QVERIFY(controlServer(QStringLiteral("stop")));
    QProcess starter;
    startServerLater(starter, 1000);
    rows->deleteCurrent();
    QVERIFY(starter.waitForFinished(30000));
    QCOMPARE(fixture.rowCount(), 1);
    QCOMPARE(fixture.rows().front().second, QStringLiteral("second"));
}

void TestServerStore::serverGoneForTheWholeBudgetIsAnError() {
    if (!testingPostgres())
        QSKIP("needs the private server (run as tst_serverstore_postgresql)");
    AnnouncerFixture fixture;
    auto db = store::openDatabase(fixture.path(), announcer, {.serverPatience = std::chrono::milliseconds(1500)});
    QVERIFY(controlServer(QStringLiteral("stop")));
    QElapsedTimer clock;
    clock.start();
    int number = 0;
    try {
        messages(*db);
    } catch (const KelvaneError& error) {
        number = error.number();
    }
    const qint64 waited = clock.elapsed();
    QVERIFY(controlServer(QStringLiteral("start")));
    QCOMPARE(number, int(ErrorNumber::ConnectionFailed));
    QVERIFY2(waited >= 1500 && waited < 15000, qPrintable(QString::number(waited)));
    QCOMPARE(messages(*db), QStringList());
}

QTEST_MAIN(TestServerStore)
#include "tst_serverstore.moc"
