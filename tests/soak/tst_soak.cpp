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

#include "desk/announcerdatabase.h"
#include "announcer/announcerscreen.h"
#include "app/announcersession.h"
#include "desk/messagelines.h"
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
#include <cmath>
#include <vector>

#include <malloc.h>

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
    // Its pages are written once here too: otherwise each page becomes
    // resident only when the run reaches it, a steady growth of about
    // 40 KiB a minute that is the test's and not the program's.
    Announcer(AnnouncerScreen& screen, quint32 seed, int expectedDismissals)
        : m_screen(screen)
        , m_random(seed) {
        m_dismissals.resize(static_cast<size_t>(expectedDismissals));
        m_dismissals.clear();
    }

    void act() {
        const int count = lineCount(m_screen);
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

    [[nodiscard]] const std::vector<Dismissal>& dismissals() const { return m_dismissals; }
    [[nodiscard]] int choices() const { return m_choices; }
    [[nodiscard]] int idleDismissals() const { return m_idleDismissals; }
    [[nodiscard]] int deletedNothing() const { return m_deletedNothing; }

private:
    void pressDismiss() {
        const QString shown = text(m_screen)->toPlainText();
        const QVariant key = m_screen.desk().windowDisplay().shownKey().value();
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

// Bytes the program holds from malloc, in KiB: unlike resident memory, this
// does not wait for the allocator to hand pages back.
double heapInUseKiB() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / 1024.0;
}

// Heap use and resident memory sampled through the run, with the list's
// length at the time: the list is the one thing that may rightly grow and
// shrink.
class MemoryTrend {
public:
    enum Measure { Heap, Resident };

    // Room for every sample, taken before the first, so the samples do not
    // count as growth.
    explicit MemoryTrend(int samples) { m_samples.reserve(static_cast<size_t>(samples)); }
    void sample(double seconds, int listed) {
        m_samples.push_back(
            {seconds, static_cast<double>(listed), {heapInUseKiB(), static_cast<double>(residentKiB())}});
    }
    [[nodiscard]] int count() const { return static_cast<int>(m_samples.size()); }

    // Growth in KiB a minute once the list's length is accounted for: the
    // time's coefficient of a least-squares fit KiB = a + b t + c listed.
    [[nodiscard]] double growthPerMinute(Measure measure) const {
        double m[3][4] = {};
        for (const Sample& s : m_samples) {
            const double x[3] = {1.0, s.seconds, s.listed};
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j)
                    m[i][j] += x[i] * x[j];
                m[i][3] += x[i] * s.kib[measure];
            }
        }
        for (int i = 0; i < 3; ++i) {  // Gauss-Jordan on the normal equations
            const double pivot = m[i][i];
            if (std::abs(pivot) < 1e-9)
                return 0;
            for (double& value : m[i])
                value /= pivot;
            for (int k = 0; k < 3; ++k) {
                const double factor = k == i ? 0 : m[k][i];
                for (int j = 0; j < 4; ++j)
                    m[k][j] -= factor * m[i][j];
            }
        }
        return m[1][3] * 60;
    }

private:
    struct Sample {
        double seconds;
        double listed;
        double kib[2];
    };
    std::vector<Sample> m_samples;
};

// A leak of a few dozen bytes a refresh (ten a second here), or of one
// small object every few choices, fails this; so did the soak's own record
// of dismissals when its pages became resident one by one (40 KiB a minute).
constexpr double allowedGrowthKiBPerMinute = 12;

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
    AnnouncerSession session;
    AnnouncerScreen screen(session.desk(), session.station());
    Announcer announcer(screen, seed, toWrite);
    int refreshes = 0;
    connect(&screen.desk().lookTimer(), &QTimer::timeout, this, [&] { ++refreshes; });
    const qint64 warmUpMs = std::min(10000, seconds * 1000 / 6);
    qint64 rssStart = -1;
    qint64 rssEnd = -1;
    const qint64 deadlineMs = qint64{seconds} * 2000 + 60000;
    // Caches (SQLite's pages, Qt's fonts and styles) fill for the first
    // quarter of an hour or so, by a few hundred KiB in all; the trend is
    // measured after the first third of the run, and only a run of ten
    // minutes or more is long enough to tell a leak from that.
    const qint64 trendFromMs = qint64{seconds} * 1000 / 3;
    const bool trendMeasured = seconds >= 600;
    constexpr qint64 memorySampleMs = 500;
    MemoryTrend memory(static_cast<int>(deadlineMs / memorySampleMs) + 1);
    int lastListLength = -1;
    QRandomGenerator pause(seed + 1);

    runScreen(screen, database, [&] {
        screen.desk().lookTimer().start(refreshMs);
        QElapsedTimer clock;
        clock.start();
        qint64 nextReport = 60000;
        qint64 nextSample = trendFromMs;
        while (writer.state() != QProcess::NotRunning && endings == 0 && clock.elapsed() < deadlineMs) {
            announcer.act();
            // An announcer who has fallen behind works without pauses; on a
            // slow machine the list would otherwise grow for the whole run.
            const bool behind = lineCount(screen) > comfortableListLength;
            QTest::qWait(behind ? 0 : static_cast<int>(pause.bounded(5, 40)));
            if (rssStart < 0 && clock.elapsed() >= warmUpMs)
                rssStart = residentKiB();
            if (clock.elapsed() >= nextSample) {
                memory.sample(static_cast<double>(clock.elapsed()) / 1000, lineCount(screen));
                nextSample += memorySampleMs;
            }
            if (clock.elapsed() >= nextReport) {
                qInfo("soak: %lld s, list %d, RSS %lld KiB, heap %.0f KiB, %zu dismissed", clock.elapsed() / 1000,
                      lineCount(screen), residentKiB(), heapInUseKiB(), announcer.dismissals().size());
                nextReport += 60000;
            }
        }
        // The last rows in the file must reach the screen too.
        QTest::qWait(3 * refreshMs);
        rssEnd = residentKiB();
        screen.desk().lookTimer().stop();
        if (endings == 0) {
            screen.Refresh_Form();
            settle(screen);
            lastListLength = lineCount(screen);
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
            QCOMPARE(*dismissed, desk::displayText(row.message));
    }
    QCOMPARE(announcer.deletedNothing(), 0);
    QVERIFY(!announcer.dismissals().empty());

    qInfo("soak: written %d, deleted %d by %zu dismissals, lost 0, left %zu; %d choices, %d presses with nothing "
          "shown, %d timer refreshes; RSS %lld KiB after warm-up, %lld KiB at the end; growth a minute over "
          "%d samples: heap %.1f KiB, RSS %.1f KiB",
          toWrite, deleted, announcer.dismissals().size(), left.size(), announcer.choices(),
          announcer.idleDismissals(), refreshes, rssStart, rssEnd, memory.count(),
          memory.growthPerMinute(MemoryTrend::Heap), memory.growthPerMinute(MemoryTrend::Resident));
    QVERIFY(rssStart > 0 && rssEnd > 0);
    // The sanitizer's quarantine holds freed memory on purpose, so its RSS
    // says nothing about leaks; it finds those itself at exit.
    if (underAddressSanitizer())
        return;
    QVERIFY2(rssEnd <= rssStart + allowedGrowthKiB(rssStart),
             qPrintable(QStringLiteral("resident memory grew from %1 KiB to %2 KiB").arg(rssStart).arg(rssEnd)));
    if (!trendMeasured)
        return;
    for (const auto measure : {MemoryTrend::Heap, MemoryTrend::Resident}) {
        const double growth = memory.growthPerMinute(measure);
        QVERIFY2(growth <= allowedGrowthKiBPerMinute,
                 qPrintable(QStringLiteral("%1 grew %2 KiB a minute")
                                .arg(measure == MemoryTrend::Heap ? QStringLiteral("the heap")
                                                                  : QStringLiteral("resident memory"))
                                .arg(growth, 0, 'f', 1)));
    }
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
