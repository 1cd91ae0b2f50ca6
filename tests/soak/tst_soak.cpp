// A gala in fast motion: kelvane-feed writes 20 messages a second from
// another process while the real announcer screen refreshes every 100 ms
// and the "announcer" chooses and dismisses at random. Afterwards the
// write log, the record of dismissals and the file must agree exactly.
//
// KELVANE_SOAK_SECONDS sets the length (default 60); KELVANE_SOAK_SEED
// replays a run.
#include "modalwatcher.h"
#include "processmemory.h"
#include "screendriving.h"

#include "announcerfeed.h"
#include "announcerfixture.h"

#include "announcer/announcerdatabase.h"
#include "announcer/announcerscreen.h"
#include "announcer/messagelines.h"
#include "app/errorreport.h"
#include "app/kelvaneapplication.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

constexpr int writesPerSecond = 20;
constexpr int refreshMs = 100;
// A list longer than this makes the announcer work through it, so the
// screen stays at a realistic size instead of growing all gala.
constexpr int comfortableListLength = 40;

int settingFromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// The writer's log: Id, Sequence and Message of every committed row.
QHash<qint64, feed::Announcement> readWriteLog(const QString& path) {
    QHash<qint64, feed::Announcement> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 3)
            continue;
        QString message = QString::fromUtf8(line.mid(fields[0].size() + fields[1].size() + 2));
        message.replace(QLatin1String("\\r\\n"), QLatin1String("\r\n"));
        rows.insert(fields[0].toLongLong(), {fields[0].toLongLong(), fields[1].toLongLong(), message});
    }
    return rows;
}

// A dismissal pressed while a chosen message was on display: the key of
// its row and the text shown.
struct Dismissal {
    qint64 key;
    QString shown;
};

// The random announcer and everything it did.
class Announcer {
public:
    // The record of dismissals is kept small and allocated up front, so
    // the test's own bookkeeping does not show up as growth of the screen.
    Announcer(AnnouncerScreen& screen, quint32 seed, int expectedDismissals)
        : m_screen(screen)
        , m_random(seed) {
        m_dismissals.reserve(static_cast<size_t>(expectedDismissals));
    }

    void act() {
        const int count = list(m_screen)->count();
        const int roll = static_cast<int>(m_random.bounded(100));
        const bool busy = count > comfortableListLength;
        if (count > 0 && (roll < 60 || busy)) {
            choose(m_screen, static_cast<int>(m_random.bounded(count)));
            ++m_choices;
            if (roll < 45 || busy)
                pressDismiss();
        } else if (roll < 80) {
            pressDismiss();
        }
    }

    const std::vector<Dismissal>& dismissals() const { return m_dismissals; }
    int choices() const { return m_choices; }
    int idleDismissals() const { return m_idleDismissals; }
    int deletedNothing() const { return m_deletedNothing; }

private:
    void pressDismiss() {
        const QString shown = text(m_screen)->toPlainText();
        const QVariant key = m_screen.shownRowKey();
        dismiss(m_screen);
        if (shown.isEmpty()) {
            ++m_idleDismissals;
            return;
        }
        m_dismissals.push_back({key.toLongLong(), interned(shown)});
        if (!text(m_screen)->toPlainText().isEmpty())
            ++m_deletedNothing;
    }

    // The writer repeats a handful of texts: keep one copy of each.
    QString interned(const QString& shown) {
        auto known = m_texts.constFind(shown);
        if (known == m_texts.cend())
            known = m_texts.insert(shown);
        return *known;
    }

    AnnouncerScreen& m_screen;
    QRandomGenerator m_random;
    QSet<QString> m_texts;
    std::vector<Dismissal> m_dismissals;
    int m_choices = 0;
    int m_idleDismissals = 0;
    int m_deletedNothing = 0;
};

// Growth allowed between the end of the warm-up and the end of the run:
// malloc and Qt keep some slack; a leak of a few hundred bytes per refresh
// grows far beyond this over a long run.
qint64 allowedGrowthKiB(qint64 startKiB) { return std::max<qint64>(4096, startKiB / 20); }

bool underAddressSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void galaLengthSession();
};

void TestSoak::galaLengthSession() {
    const int seconds = settingFromEnvironment("KELVANE_SOAK_SECONDS", 60);
    const auto seed = static_cast<quint32>(
        settingFromEnvironment("KELVANE_SOAK_SEED", static_cast<int>(QRandomGenerator::global()->bounded(1 << 30))));
    qInfo("soak: %d s, seed %u", seconds, seed);

    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("announcer.mdb"));
    const QString writeLog = dir.filePath(QStringLiteral("written.log"));
    feed::initDatabase(database);
    const int toWrite = seconds * writesPerSecond;
    QProcess writer;
    writer.start(builtProgram("KELVANE_FEED"), {QStringLiteral("demo"), database, QString::number(1000 / writesPerSecond),
                                                QString::number(toWrite), writeLog});
    QVERIFY(writer.waitForStarted());

    // Every error that reaches the general report fails the run: a lock the
    // writer held too long, a damaged read, anything.
    int endings = 0;
    setProgramEnding([&](int) { ++endings; });
    ModalWatcher watcher;
    AnnouncerScreen screen;
    Announcer announcer(screen, seed, toWrite);
    int refreshes = 0;
    connect(&screen.timer1(), &QTimer::timeout, this, [&] { ++refreshes; });
    const qint64 warmUpMs = std::min(10000, seconds * 1000 / 6);
    qint64 rssStart = -1;
    qint64 rssEnd = -1;
    int lastListLength = -1;
    QRandomGenerator pause(seed + 1);

    runScreen(screen, database, [&] {
        screen.timer1().start(refreshMs);
        QElapsedTimer clock;
        clock.start();
        qint64 nextReport = 60000;
        const qint64 deadline = qint64{seconds} * 2000 + 60000;
        while (writer.state() != QProcess::NotRunning && endings == 0 && clock.elapsed() < deadline) {
            announcer.act();
            // An announcer who has fallen behind works without pauses; on a
            // slow machine the list would otherwise grow for the whole run.
            const bool behind = list(screen)->count() > comfortableListLength;
            QTest::qWait(behind ? 0 : static_cast<int>(pause.bounded(5, 40)));
            if (rssStart < 0 && clock.elapsed() >= warmUpMs)
                rssStart = residentKiB();
            if (clock.elapsed() >= nextReport) {
                qInfo("soak: %lld s, list %d, RSS %lld KiB, %zu dismissed", clock.elapsed() / 1000,
                      list(screen)->count(), residentKiB(), announcer.dismissals().size());
                nextReport += 60000;
            }
        }
        // The last rows in the file must reach the screen too.
        QTest::qWait(3 * refreshMs);
        rssEnd = residentKiB();
        screen.timer1().stop();
        if (endings == 0) {
            refresh(screen);
            lastListLength = list(screen)->count();
        }
    });
    setProgramEnding([](int status) { std::exit(status); });

    QVERIFY2(watcher.messages().isEmpty(), qPrintable(watcher.messages().join(QLatin1String(" | "))));
    QCOMPARE(endings, 0);
    QVERIFY(writer.state() == QProcess::NotRunning || writer.waitForFinished(30000));
    QVERIFY2(writer.exitStatus() == QProcess::NormalExit && writer.exitCode() == 0,
             writer.readAllStandardError().constData());

    const QHash<qint64, feed::Announcement> written = readWriteLog(writeLog);
    QCOMPARE(written.size(), toWrite);
    const std::vector<feed::Announcement> left = feed::listAnnouncements(database);
    QCOMPARE(lastListLength, static_cast<int>(left.size()));

    // Every row in the file is one the writer wrote, unchanged.
    QSet<qint64> leftIds;
    for (const feed::Announcement& row : left) {
        leftIds.insert(row.id);
        const auto wrote = written.constFind(row.id);
        QVERIFY2(wrote != written.cend(), qPrintable(QStringLiteral("unknown row %1").arg(row.id)));
        QCOMPARE(row.sequence, wrote->sequence);
        QCOMPARE(row.message, wrote->message);
    }
    // Every row that is gone was dismissed by its key while its own text
    // was on display; no other row was touched, even one sharing its
    // Sequence or text.
    QHash<qint64, QString> dismissedKeys;
    for (const Dismissal& d : announcer.dismissals()) {
        QVERIFY2(!dismissedKeys.contains(d.key), qPrintable(QStringLiteral("row %1 dismissed twice").arg(d.key)));
        dismissedKeys.insert(d.key, d.shown);
    }
    int deleted = 0;
    for (const feed::Announcement& row : written) {
        const bool gone = !leftIds.contains(row.id);
        const auto dismissed = dismissedKeys.constFind(row.id);
        deleted += gone ? 1 : 0;
        QVERIFY2(gone == (dismissed != dismissedKeys.cend()),
                 qPrintable(QStringLiteral("row %1 (Sequence %2) %3")
                                .arg(row.id)
                                .arg(row.sequence)
                                .arg(gone ? QStringLiteral("vanished without a dismissal")
                                          : QStringLiteral("was dismissed but is still there"))));
        if (gone)
            QCOMPARE(*dismissed, displayText(row.message));
    }
    QCOMPARE(announcer.deletedNothing(), 0);
    QVERIFY(!announcer.dismissals().empty());

    qInfo("soak: written %d, deleted %d by %zu dismissals, lost 0, left %zu; %d choices, %d presses with nothing "
          "shown, %d timer refreshes; RSS %lld KiB after warm-up, %lld KiB at the end",
          toWrite, deleted, announcer.dismissals().size(), left.size(), announcer.choices(),
          announcer.idleDismissals(), refreshes, rssStart, rssEnd);
    QVERIFY(rssStart > 0 && rssEnd > 0);
    // The sanitizer's quarantine holds freed memory on purpose, so its RSS
    // says nothing about leaks; it finds those itself at exit.
    if (!underAddressSanitizer())
        QVERIFY2(rssEnd <= rssStart + allowedGrowthKiB(rssStart),
                 qPrintable(QStringLiteral("resident memory grew from %1 KiB to %2 KiB").arg(rssStart).arg(rssEnd)));
}

int main(int argc, char** argv) {
    // QtTest's watchdog would stop a long run after five minutes.
    const qint64 limitMs = (qint64{settingFromEnvironment("KELVANE_SOAK_SECONDS", 60)} * 2 + 300) * 1000;
    qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(limitMs));
    KelvaneApplication app(argc, argv);
    TestSoak test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_soak.moc"
