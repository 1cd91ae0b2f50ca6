// What the announcer screen does when its database file is damaged or
// locked while the screen is open: it never crashes, never ends the
// program, never loses a row or deletes half a message.
#include "announcerfixture.h"
#include "eventloopstalls.h"
#include "modalwatcher.h"
#include "screendriving.h"

#include "announcer/announcerscreen.h"
#include "app/announcersession.h"
#include "app/errorreport.h"
#include "app/kelvaneapplication.h"
#include "store/kelvaneerror.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

namespace {

using Rows = std::vector<std::pair<QVariant, QString>>;

void overwrite(const QString& path, const QByteArray& bytes, qint64 at, bool truncateFirst) {
    QFile file(path);
    QVERIFY(file.open(truncateFirst ? QIODevice::WriteOnly | QIODevice::Truncate : QIODevice::ReadWrite));
    QVERIFY(file.seek(at));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray randomBytes(qint64 size) {
    QByteArray bytes(size, '\0');
    QRandomGenerator random(20261207);
    for (char& byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    return bytes;
}

} // namespace

class TestFaultInjection : public QObject {
    Q_OBJECT

private slots:
    void init();
    void fileDamagedInPlace_data();
    void fileDamagedInPlace();
    void writerHoldsTheLockTooLong_data();
    void writerHoldsTheLockTooLong();

private:
    int m_endings = 0;
};

void TestFaultInjection::init() {
    m_endings = 0;
    setProgramEnding([this](int) { ++m_endings; });
}

void TestFaultInjection::fileDamagedInPlace_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("at");
    QTest::addColumn<bool>("truncateFirst");
    QTest::newRow("truncated to nothing") << QByteArray() << qint64{0} << true;
    QTest::newRow("truncated to its header") << QByteArray("SQLite format 3\0", 16) << qint64{0} << true;
    QTest::newRow("replaced by random bytes") << randomBytes(16384) << qint64{0} << true;
    QTest::newRow("random bytes over its first page") << randomBytes(4096) << qint64{0} << false;
    QTest::newRow("random bytes over its second page") << randomBytes(4096) << qint64{4096} << false;
}

// The same file, changed under the open database by something other than
// SQLite. A read that notices the damage keeps the list and says once what
// is wrong; one served from what SQLite still holds in memory lists the
// messages as before. Nothing ends the program, and the next opening
// refuses the file.
void TestFaultInjection::fileDamagedInPlace() {
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, at);
    QFETCH(bool, truncateFirst);
    AnnouncerFixture fixture;
    for (int n = 1; n <= 40; ++n)
        fixture.addRow(n, QStringLiteral("message %1 ").arg(n).repeated(20));
    // Everything in the database file itself, as after a quiet spell.
    QCOMPARE(fixture.firstValue(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")).toInt(), 0);
    ModalWatcher watcher;
    AnnouncerSession session;
    AnnouncerScreen screen(session.desk(), session.station());
    int listed = -1;
    runScreen(screen, fixture.path(), [&] {
        overwrite(fixture.path(), bytes, at, truncateFirst);
        tick(screen);
        listed = lines(screen).size();
    });
    QCOMPARE(m_endings, 0);
    QCOMPARE(listed, 40);
    QVERIFY(watcher.messages().size() <= 1);
    for (const QString& message : watcher.messages())
        QVERIFY2(message.startsWith(QLatin1String("The list of messages could not be read")), qPrintable(message));
    QVERIFY(!screen.desk().isOpen());
    QVERIFY_THROWS_EXCEPTION(store::KelvaneError,
                             store::openDatabase(fixture.path(), QStringLiteral("announcer database")));
}

void TestFaultInjection::writerHoldsTheLockTooLong_data() {
    QTest::addColumn<QString>("journal");
    QTest::addColumn<int>("holdMs");
    QTest::newRow("rollback journal: readers wait too") << "delete" << 12000;
    // Readers never wait for the writer in a write-ahead log; deletes do.
    QTest::newRow("write-ahead log") << "wal" << 6000;
}

// The meet-management program holds its exclusive lock far longer than a
// moment. The window goes on answering; the list stays as it was; Dismiss
// deletes nothing, says so and stays ready; nothing ends the program. Once
// the lock is gone, Dismiss deletes exactly the row on display.
void TestFaultInjection::writerHoldsTheLockTooLong() {
    QFETCH(QString, journal);
    QFETCH(int, holdMs);
    AnnouncerFixture fixture;
    fixture.addRow(1, QStringLiteral("first"));
    fixture.addRow(2, QStringLiteral("shared, older row"));
    fixture.addRow(2, QStringLiteral("shared, newer row"));
    fixture.addRow(3, QStringLiteral("third"));
    QCOMPARE(fixture.firstValue(QStringLiteral("PRAGMA journal_mode = %1").arg(journal)).toString(), journal);
    const QStringList listed({"1:first", "2:shared, older row", "2:shared, newer row", "3:third"});
    ModalWatcher watcher;
    AnnouncerSession session;
    AnnouncerScreen screen(session.desk(), session.station());
    qint64 longestStallMs = 0;
    runScreen(screen, fixture.path(), [&] {
        choose(screen, 2);
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("shared, newer row"));
        QProcess holder;
        holder.start(QStringLiteral(LOCKHOLDER), {fixture.path()});
        const auto release = qScopeGuard([&] {
            holder.write("\n");
            holder.closeWriteChannel();
            holder.waitForFinished(10000);
        });
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));
        QElapsedTimer held;
        held.start();
        EventLoopStalls stalls;
        tick(screen);
        QCOMPARE(lines(screen), listed);
        dismiss(screen);
        QTRY_COMPARE(watcher.messages().size(), 1);
        QVERIFY2(watcher.messages().first().contains(QLatin1String("busy")), qPrintable(watcher.messages().first()));
        QCOMPARE(text(screen)->toPlainText(), QStringLiteral("shared, newer row"));
        while (held.elapsed() < holdMs)
            tick(screen);
        QCOMPARE(lines(screen), listed);
        QCOMPARE(screen.windowTitle().contains(QLatin1String("busy")), false);
        longestStallMs = stalls.longestMs();
        holder.write("\n");
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(10000));
        dismiss(screen);
        QCOMPARE(lines(screen), QStringList({"1:first", "2:shared, older row", "3:third"}));
    });
    qInfo("longest event-loop stall while the lock was held: %lld ms", longestStallMs);
    QVERIFY2(longestStallMs < 1000, qPrintable(QString::number(longestStallMs)));
    QCOMPARE(m_endings, 0);
    QCOMPARE(watcher.messages().size(), 1);
    QCOMPARE(fixture.rows(), Rows({{1, "first"}, {2, "shared, older row"}, {3, "third"}}));
    QCOMPARE(fixture.firstValue(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
}

int main(int argc, char** argv) {
    KelvaneApplication app(argc, argv);
    TestFaultInjection test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faultinjection.moc"
