#include "announcerfixture.h"
#include "testengine.h"

#include "store/connectionfile.h"
#include "store/database.h"
#include "store/kelvaneerror.h"
#include "store/postgresdatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <unistd.h>

using store::ErrorNumber;
using store::KelvaneError;

namespace {

const QString announcer = QStringLiteral("announcer database");
const QString sortedAnnouncements = QStringLiteral("Sorted Announcements");
constexpr uid_t nobody = 65534;

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
const QFile::Permissions groupWrites = everyone | QFile::WriteGroup;
const QFile::Permissions everyoneWrites = everyone | QFile::WriteOther;

// A connection file's text with DIR standing for dir, where a certificate
// the user alone may change (own.crt) and one anybody may change
// (shared.crt) lie ready.
QByteArray withCertificates(const QTemporaryDir& dir, QByteArray text) {
    const auto write = [&](const char* name, QFile::Permissions permissions) {
        QFile file(dir.filePath(QLatin1String(name)));
        file.open(QIODevice::WriteOnly);
        file.write("certificate\n");
        file.close();
        file.setPermissions(permissions);
    };
    write("own.crt", ownerOnly);
    write("shared.crt", everyoneWrites);
    return text.replace("DIR", QFile::encodeName(dir.path()));
}

// Brings the stopped server back after delayMs, while the test goes on.
void startServerLater(QProcess& starter, int delayMs) {
    starter.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("sleep %1; \"$KELVANE_PG_SCRIPT\" start")
                                                                   .arg(delayMs / 1000.0)});
    QVERIFY(starter.waitForStarted());
}

QByteArray firstLineOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed() : QByteArray();
}

bool makeSelfSignedCertificate(const QString& certificate, const QString& key) {
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-days", "1",
                   "-subj", "/CN=localhost", "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1", "-keyout", key,
                   "-out", certificate});
    return openssl.waitForFinished(30000) && openssl.exitStatus() == QProcess::NormalExit && openssl.exitCode() == 0;
}

// Why the connection the file names could not be made (empty when it was),
// and whether it is encrypted.
std::pair<QString, bool> connectAndAskTls(const QString& path) {
    const QString name = QStringLiteral("tls-check");
    std::pair<QString, bool> result{QString(), false};
    {
        QSqlDatabase db = store::addServerConnection(name, path);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()")) && query.next())
                result.second = query.value(0).toBool();
        } else {
            result.first = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

// Turns the server's TLS on or off and waits until new sessions see it.
bool switchServerTls(const QString& plainConnection, bool on) {
    execOn(plainConnection, on ? QStringLiteral("ALTER SYSTEM RESET ssl") : QStringLiteral("ALTER SYSTEM SET ssl = off"));
    execOn(plainConnection, QStringLiteral("SELECT pg_reload_conf()"));
    for (int attempt = 0; attempt < 100; ++attempt) {
        bool seen = false;
        withTestConnection(plainConnection, [&](QSqlDatabase& db) {
            QSqlQuery query(db);
            seen = query.exec(QStringLiteral("SHOW ssl")) && query.next() &&
                   query.value(0).toString() == (on ? QLatin1String("on") : QLatin1String("off"));
        });
        if (seen)
            return true;
        QThread::msleep(50);
    }
    return false;
}

// What kelvane-feed printed on standard output and standard error.
QStringList feedOutput(const QStringList& args) {
    QProcess feed;
    feed.start(builtProgram("KELVANE_FEED"), args);
    if (!feed.waitForFinished(30000))
        return {QStringLiteral("<no end>")};
    return {QString::fromUtf8(feed.readAllStandardOutput()), QString::fromUtf8(feed.readAllStandardError())};
}

int errorNumberOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const KelvaneError& error) {
        return error.number();
    }
    return 0;
}

// Makes the row source run statement instead of a DELETE or an INSERT.
void replaceRule(const QString& path, const QString& event, const QString& statement) {
    if (!testingPostgres()) {
        execOn(path,
               QStringLiteral("DROP TRIGGER \"Sorted Announcements %1\"").arg(event.toLower()));
        execOn(path, QStringLiteral("CREATE TRIGGER \"Sorted Announcements %1\" INSTEAD OF %2 ON "
                                    "\"Sorted Announcements\" BEGIN %3; END")
                         .arg(event.toLower(), event, statement));
        return;
    }
    execOn(path, QStringLiteral("CREATE FUNCTION \"rule\"() RETURNS trigger LANGUAGE plpgsql AS "
                                "$$ BEGIN %1; RETURN NULL; END $$")
                     .arg(statement));
    execOn(path, QStringLiteral("CREATE TRIGGER \"rule\" INSTEAD OF %1 ON \"Sorted Announcements\" "
                                "FOR EACH ROW EXECUTE FUNCTION \"rule\"()")
                     .arg(event));
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
    void initTestCase();
    void connectionFiles_data();
    void connectionFiles();
    void refusedConnectionFiles_data();
    void refusedConnectionFiles();
    void securityDefaults_data();
    void securityDefaults();
    void tlsByDefault_data();
    void tlsByDefault();
    void deleteRemovesExactlyTheCurrentRow_data();
    void deleteRemovesExactlyTheCurrentRow();
    void earlierSchemaCannotStandIn();
    void errorsToldByCodeNotWording_data();
    void errorsToldByCodeNotWording();
    void feedPrintsOnlyItsOwnOutput();
    void unreachableServerNamesTheFile();
    void restartedServerIsReconnected();
    void deleteAcrossARestartRemovesOneRow();
    void serverGoneForTheWholeBudgetIsAnError();

private:
    // The home folder the connection files' defaults look in.
    QTemporaryDir m_home;
    [[nodiscard]] QString rootCertificate() const {
        return m_home.filePath(QStringLiteral(".postgresql/root.crt"));
    }
    void installRootCertificate(const QString& certificate) const;
};

void TestServerStore::initTestCase() {
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
}

void TestServerStore::installRootCertificate(const QString& certificate) const {
    QFile::remove(rootCertificate());
    if (certificate.isEmpty())
        return;
    QVERIFY(QDir().mkpath(QFileInfo(rootCertificate()).path()));
    QVERIFY(QFile::copy(certificate, rootCertificate()));
}

void TestServerStore::connectionFiles_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("private_");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("options");
    const QString pin = QStringLiteral("options='-c search_path=public,pg_temp'");
    const QString defaults = "sslmode='require' connect_timeout='5' tcp_user_timeout='10000' " + pin;
    QTest::newRow("plain") << QByteArray("postgresql://announcer@gala-pc:5433/gala\n") << false << "gala-pc"
                           << 5433 << "announcer" << "" << "gala" << defaults;
    QTest::newRow("short scheme, no port") << QByteArray("postgres://db.local/meet") << false << "db.local" << -1
                                           << "" << "" << "meet" << defaults;
    QTest::newRow("blanks, CR LF and notes") << QByteArray("  postgresql://a@h/d \r\nnotes: pool PC\r\n") << false
                                             << "h" << -1 << "a" << "" << "d" << defaults;
    QTest::newRow("settings kept, own timeout wins")
        << QByteArray("postgresql://h/d?sslmode=require&connect_timeout=2") << false << "h" << -1 << "" << ""
        << "d" << "sslmode='require' connect_timeout='2' tcp_user_timeout='10000' " + pin;
    QTest::newRow("quote in a setting") << QByteArray("postgresql://h/d?application_name=Jo%27s") << false << "h"
                                        << -1 << "" << "" << "d"
                                        << "application_name='Jo\\'s' " + defaults;
    QTest::newRow("encoded user and database") << QByteArray("postgresql://p%40ol@h/gala%20one") << false << "h"
                                               << -1 << "p@ol" << "" << "gala one" << defaults;
    QTest::newRow("password in a private file") << QByteArray("postgresql://a:s3cret@h/d") << true << "h" << -1
                                                << "a" << "s3cret" << "d" << defaults;
    QTest::newRow("server named by settings")
        << QByteArray("postgresql://?host=/run/postgresql&port=5434&dbname=d") << false
        << "/run/postgresql" << 5434 << ""
        << ""
        << "d" << defaults;
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
    QTest::addColumn<QFile::Permissions>("permissions");
    QTest::addColumn<bool>("foreign");
    QTest::addColumn<QString>("reason");
    QTest::newRow("password readable by others")
        << QByteArray("postgresql://a:s3cr3t@h/d") << everyone << false << "chmod 600";
    QTest::newRow("password setting readable by others")
        << QByteArray("postgresql://a@h/d?password=s3cr3t") << everyone << false << "chmod 600";
    QTest::newRow("client key's password readable by others")
        << QByteArray("postgresql://a@h/d?sslkey=DIR/own.crt&sslpassword=s3cr3t") << everyone
        << false << "chmod 600";
    QTest::newRow("another scheme")
        << QByteArray("postgresqlx://h/d") << ownerOnly << false << "first line must be a URI";
    QTest::newRow("URI on the second line")
        << QByteArray("\npostgresql://h/d") << ownerOnly << false << "first line must be a URI";
    QTest::newRow("NUL in a setting") << QByteArray("postgresql://h/d?application_name=a%00")
                                      << ownerOnly << false << "first line must be a URI";
    QTest::newRow("odd setting name")
        << QByteArray("postgresql://h/d?host%20x=1") << ownerOnly << false << "not understood";
    QTest::newRow("semicolon in a setting") << QByteArray("postgresql://h/d?application_name=a%3Bb")
                                            << ownerOnly << false << "not understood";
    QTest::newRow("another address for the named host")
        << QByteArray("postgresql://announcer@gala-server:5432/gala?hostaddr=127.0.0.1") << everyone
        << false << "'hostaddr'";
    QTest::newRow("service") << QByteArray("postgresql://h/d?service=gala") << everyone << false
                             << "'service'";
    QTest::newRow("password file") << QByteArray("postgresql://h/d?passfile=/media/stick/pgpass")
                                   << everyone << false << "'passfile'";
    QTest::newRow("server options, even naming search_path")
        << QByteArray("postgresql://h/d?options=-c%20application_name%3Dsearch_path") << everyone
        << false << "'options'";
    QTest::newRow("unknown setting")
        << QByteArray("postgresql://h/d?sslcrl=/x.crl") << everyone << false << "'sslcrl'";
    QTest::newRow("setting given twice")
        << QByteArray("postgresql://h/d?sslmode=require&sslmode=disable") << everyone << false
        << "'sslmode' twice";
    QTest::newRow("host setting naming another server")
        << QByteArray("postgresql://gala-server/d?host=elsewhere") << everyone << false << "'host'";
    QTest::newRow("root certificate that is not there")
        << QByteArray("postgresql://h/d?sslrootcert=/media/stick/rogue.crt") << everyone << false
        << "'/media/stick/rogue.crt'";
    QTest::newRow("root certificate others may change")
        << QByteArray("postgresql://h/d?sslrootcert=DIR/shared.crt") << everyone << false
        << "shared.crt";
    QTest::newRow("client key through a crypto engine")
        << QByteArray("postgresql://h/d?sslkey=DIR/own.crt:key") << everyone << false << "engine";
    QTest::newRow("file its group may write")
        << QByteArray("postgresql://h/d") << groupWrites << false << "chmod go-w";
    QTest::newRow("file everyone may write")
        << QByteArray("postgresql://h/d") << everyoneWrites << false << "chmod go-w";
    QTest::newRow("file of another user")
        << QByteArray("postgresql://h/d") << everyone << true << "another user";
}

void TestServerStore::refusedConnectionFiles() {
    QFETCH(QByteArray, text);
    QFETCH(QFile::Permissions, permissions);
    QFETCH(bool, foreign);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = writeConnectionFile(dir, withCertificates(dir, text), permissions);
    if (foreign && ::geteuid() != 0)
        QSKIP("only root can give a file to another user");
    if (foreign)
        QCOMPARE(::chown(QFile::encodeName(path).constData(), nobody, nobody), 0);
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

void TestServerStore::securityDefaults_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("rootInstalled");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("unencrypted");
    const QString timeouts = QStringLiteral("connect_timeout='5' tcp_user_timeout='10000'");
    const QString pin = QStringLiteral(" options='-c search_path=public,pg_temp'");
    QTest::newRow("encrypted without a root certificate")
        << QByteArray("postgresql://h/d") << false << "sslmode='require' " + timeouts + pin << "";
    QTest::newRow("verified with the user's root certificate")
        << QByteArray("postgresql://h/d") << true
        << "sslmode='verify-full' sslrootcert='HOME/.postgresql/root.crt' " + timeouts + pin << "";
    QTest::newRow("verified with the file's root certificate")
        << QByteArray("postgresql://h/d?sslrootcert=DIR/own.crt") << false
        << "sslrootcert='DIR/own.crt' sslmode='verify-full' " + timeouts + pin << "";
    QTest::newRow("the user's own client certificate")
        << QByteArray("postgresql://h/d?sslcert=DIR/own.crt&sslkey=DIR/own.crt") << false
        << "sslcert='DIR/own.crt' sslkey='DIR/own.crt' sslmode='require' " + timeouts + pin << "";
    QTest::newRow("turned off by the file") << QByteArray("postgresql://h/d?sslmode=disable") << true
                                            << "sslmode='disable' " + timeouts + pin << "disable";
    QTest::newRow("plain text allowed by the file") << QByteArray("postgresql://h/d?sslmode=prefer") << false
                                                    << "sslmode='prefer' " + timeouts + pin << "prefer";
    QTest::newRow("socket on this computer")
        << QByteArray("postgresql:///d?host=/run/postgresql&sslmode=disable") << false
        << "sslmode='disable' " + timeouts + pin << "";
}

void TestServerStore::securityDefaults() {
    QFETCH(QByteArray, text);
    QFETCH(bool, rootInstalled);
    QFETCH(QString, options);
    QTemporaryDir dir;
    const QString path = writeConnectionFile(dir, withCertificates(dir, text), ownerOnly);
    installRootCertificate(rootInstalled ? path : QString());
    const auto removeRoot = qScopeGuard([&] { installRootCertificate(QString()); });
    options.replace(QStringLiteral("HOME"), m_home.path())
        .replace(QStringLiteral("DIR"), dir.path());
    QCOMPARE(store::readConnectionFile(path).options, options);
    QTEST(store::unencryptedSslMode(path), "unencrypted");
}

void TestServerStore::tlsByDefault_data() {
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<QString>("root");
    QTest::addColumn<bool>("serverTls");
    QTest::addColumn<bool>("connects");
    QTest::addColumn<bool>("encrypted");
    QTest::newRow("no root certificate: encrypted") << QByteArray() << "" << true << true << true;
    QTest::newRow("the server's certificate as root: verified") << QByteArray() << "server" << true << true << true;
    QTest::newRow("another root certificate: refused") << QByteArray() << "stranger" << true << false << false;
    QTest::newRow("server without TLS: refused, never plain") << QByteArray() << "" << false << false << false;
    QTest::newRow("turned off by the file: plain text") << QByteArray("?sslmode=disable") << "" << true << true
                                                        << false;
}

// Against the private server, which holds a self-signed certificate for
// 127.0.0.1. "stranger" is another self-signed certificate made here.
void TestServerStore::tlsByDefault() {
    if (!testingPostgres())
        QSKIP("needs the private server (run as tst_serverstore_postgresql)");
    QFETCH(QByteArray, setting);
    QFETCH(QString, root);
    QFETCH(bool, serverTls);
    QFETCH(bool, connects);
    QTemporaryDir dir;
    const QByteArray server = firstLineOf(qEnvironmentVariable("KELVANE_PG_CONNECTION"));
    const QString path = writeConnectionFile(dir, server + setting + '\n', ownerOnly);
    const QString stranger = dir.filePath(QStringLiteral("stranger.crt"));
    if (root == QLatin1String("stranger"))
        QVERIFY(makeSelfSignedCertificate(stranger, dir.filePath(QStringLiteral("stranger.key"))));
    installRootCertificate(root.isEmpty() ? QString()
                           : root == QLatin1String("server") ? qEnvironmentVariable("KELVANE_PG_CERTIFICATE")
                                                              : stranger);
    const auto restore = qScopeGuard([&] { installRootCertificate(QString()); });
    // The server is switched through a plain connection, which works either way.
    const QTemporaryDir plainDir;
    const QString plain = writeConnectionFile(plainDir, server + "?sslmode=disable\n", ownerOnly);
    if (!serverTls)
        QVERIFY(switchServerTls(plain, false));
    const auto tlsBack = qScopeGuard([&] {
        if (!serverTls)
            switchServerTls(plain, true);
    });
    const auto [failure, encrypted] = connectAndAskTls(path);
    QVERIFY2(failure.isEmpty() == connects, qPrintable(failure));
    if (connects)
        QTEST(encrypted, "encrypted");
}

void TestServerStore::deleteRemovesExactlyTheCurrentRow_data() {
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("rule");
    QTest::newRow("the schema's own rules") << ""
                                            << "";
    const QString deleteWhere = QStringLiteral("DELETE FROM \"Announcements\" WHERE %1");
    QTest::newRow("delete rule taking the same Sequence")
        << "DELETE" << deleteWhere.arg(QStringLiteral("\"Sequence\" = OLD.\"Sequence\""));
    QTest::newRow("delete rule taking nothing")
        << "DELETE" << deleteWhere.arg(QStringLiteral("false"));
    QTest::newRow("delete rule taking the next row too")
        << "DELETE" << deleteWhere.arg(QStringLiteral("\"Id\" >= OLD.\"Id\""));
    QTest::newRow("insert rule adding two rows")
        << "INSERT"
        << "INSERT INTO \"Announcements\" (\"Sequence\", \"Message\") VALUES "
           "(NEW.\"Sequence\", NEW.\"Message\"), (NEW.\"Sequence\", NEW.\"Message\")";
}

// A database's own rule that makes a delete or Undo's insert change any
// other row than the one is undone: the rows stay as they were.
void TestServerStore::deleteRemovesExactlyTheCurrentRow() {
    QFETCH(QString, event);
    QFETCH(QString, rule);
    AnnouncerFixture fixture;
    fixture.addRow(5, QStringLiteral("same"));
    fixture.addRow(5, QStringLiteral("same"));
    fixture.addRow(6, QStringLiteral("other"));
    if (!rule.isEmpty())
        replaceRule(fixture.path(), event, rule);
    auto db = store::openDatabase(fixture.path(), announcer);
    auto rows = db->openRecordset(sortedAnnouncements);
    rows->moveFirst();
    rows->moveNext();
    const int error = errorNumberOf([&] {
        if (event == QLatin1String("INSERT"))
            db->ensureRow(sortedAnnouncements,
                          {{QStringLiteral("Sequence"), 7}, {QStringLiteral("Message"), "back"}});
        else
            rows->deleteCurrent();
    });
    if (!rule.isEmpty()) {
        QCOMPARE(error, int(ErrorNumber::OtherRowsTouched));
        QCOMPARE(fixture.rowCount(), 3);
        return;
    }
    QCOMPARE(error, 0);
    QCOMPARE(errorNumberOf([&] { rows->deleteCurrent(); }), int(ErrorNumber::NoCurrentRecord));
    rows->moveNext();
    QCOMPARE(rows->value(QStringLiteral("Sequence")).toInt(), 6);
    rows->close();
    QCOMPARE(fixture.rowCount(), 2);
    QCOMPARE(fixture.rows().front().first.toInt(), 5);
}

// A schema that comes first on the database's search path, with a row
// source of the same name, is never read or deleted from.
void TestServerStore::earlierSchemaCannotStandIn() {
    if (!testingPostgres())
        QSKIP("needs the private server (run as tst_serverstore_postgresql)");
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("real"));
    execOn(fixture.path(), QStringLiteral("CREATE SCHEMA decoy"));
    execOn(fixture.path(), QStringLiteral("CREATE TABLE decoy.\"Sorted Announcements\" AS "
                                          "SELECT 1::bigint AS \"Id\", 1 AS \"Sequence\", 'decoy'::text AS \"Message\""));
    execOn(fixture.path(), QStringLiteral("DO $$ BEGIN EXECUTE format('ALTER DATABASE %I SET search_path = decoy, public', "
                                          "current_database()); END $$"));
    const QStringList listed = feedOutput({QStringLiteral("list"), fixture.path()});
    QVERIFY2(listed.first().endsWith(QLatin1String("\treal\n")), qPrintable(listed.join(QLatin1Char('|'))));
    auto db = store::openDatabase(fixture.path(), announcer);
    QCOMPARE(messages(*db), QStringList({"real"}));
    auto rows = db->openRecordset(sortedAnnouncements);
    rows->moveFirst();
    rows->deleteCurrent();
    QCOMPARE(fixture.rowCount(), 0);
}

void TestServerStore::errorsToldByCodeNotWording_data() {
    QTest::addColumn<QString>("rowSource");
    QTest::addColumn<bool>("lockTable");
    QTest::addColumn<int>("number");
    QTest::newRow("table locked by another session")
        << sortedAnnouncements << true << int(ErrorNumber::DatabaseLocked);
    QTest::newRow("missing table")
        << "Nowhere" << false << int(ErrorNumber::CannotFindTableOrQuery);
}

// With the server speaking German. The database's own 10 s lock timeout
// is a backstop: without the lock wait asked for, the read fails late.
void TestServerStore::errorsToldByCodeNotWording() {
    if (!testingPostgres())
        QSKIP("needs the private server (run as tst_serverstore_postgresql)");
    QFETCH(QString, rowSource);
    QFETCH(bool, lockTable);
    QFETCH(int, number);
    AnnouncerFixture fixture;
    execOn(fixture.path(),
           QStringLiteral("DO $$ BEGIN EXECUTE format('ALTER DATABASE %1$I SET lc_messages = "
                          "''de_DE.UTF-8''; ALTER DATABASE %1$I SET lock_timeout = ''10s''', "
                          "current_database()); END $$"));
    withTestConnection(fixture.path(), [&](QSqlDatabase& holder) {
        QSqlQuery query(holder);
        QVERIFY(!query.exec(QStringLiteral("SELECT * FROM \"Nowhere\"")));
        QVERIFY2(query.lastError().databaseText().contains(QLatin1String("existiert nicht")),
                 qPrintable(query.lastError().databaseText()));
        if (lockTable) {
            QVERIFY(query.exec(QStringLiteral("BEGIN")));
            QVERIFY(query.exec(
                QStringLiteral("LOCK TABLE \"Announcements\" IN ACCESS EXCLUSIVE MODE")));
        }
        auto db = store::openDatabase(fixture.path(), announcer,
                                      {.lockWait = std::chrono::milliseconds(200)});
        QElapsedTimer clock;
        clock.start();
        try {
            db->openRecordset(rowSource);
            QFAIL("read");
        } catch (const KelvaneError& error) {
            QVERIFY2(error.number() == number, qPrintable(error.description()));
        }
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    });
}

// No warning or notice of the server reaches the terminal: only what the
// command itself prints.
void TestServerStore::feedPrintsOnlyItsOwnOutput() {
    if (!testingPostgres())
        QSKIP("needs the private server (run as tst_serverstore_postgresql)");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gala.conn"));
    createServerDatabase(path);
    QCOMPARE(feedOutput({QStringLiteral("init"), path}), QStringList({QString(), QString()}));
    QCOMPARE(feedOutput({QStringLiteral("add"), path, QStringLiteral("7"), QStringLiteral("Lost property")}),
             QStringList({QString(), QString()}));
    QCOMPARE(feedOutput({QStringLiteral("list"), path}), QStringList({"1\t7\tLost property\n", QString()}));
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
