#include "announcerfixture.h"
#include "jetfixture.h"
#include "processmemory.h"

#include "store/database.h"
#include "store/kelvaneerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cstdio>
#include <functional>
#include <optional>

using store::ErrorNumber;
using store::KelvaneError;

namespace {

const QString announcer = QStringLiteral("announcer database");
const QString sorted = QStringLiteral("Sorted Announcements");
const QString jet4 = QStringLiteral("announcer-jet4.mdb");
const QString jet3 = QStringLiteral("querytest-jet3.mdb");

// The error a piece of work raises: its number and description; 0 for none.
std::pair<int, QString> errorOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const KelvaneError& error) {
        return {error.number(), error.description()};
    }
    return {0, QString()};
}

// Every row of a row source as "Sequence:Message".
QStringList rowsOf(store::Database& db, const QString& rowSource) {
    QStringList rows;
    auto set = db.openRecordset(rowSource);
    if (set->recordCount() > 0) {
        for (set->moveFirst(); !set->eof(); set->moveNext())
            rows << set->value(QStringLiteral("Sequence")).toString() + QLatin1Char(':') +
                        set->value(QStringLiteral("Message")).toString();
    }
    set->close();
    return rows;
}

qint64 bytesReadBy(const std::function<void()>& work) {
    const qint64 before = bytesReadSoFar();
    work();
    return bytesReadSoFar() - before;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// What one read of a row source cost, whether it gave rows or an error:
// bytes read from files, and the most memory held at once beyond what the
// process held before.
struct ReadCost {
    qint64 bytesRead = 0;
    qint64 peakKiB = 0;
};

ReadCost costOfReading(store::Database& db, const QString& rowSource) {
    resetPeakResident();
    const qint64 resident = residentKiB();
    const qint64 before = bytesReadSoFar();
    errorOf([&] { db.openRecordset(rowSource)->close(); });
    return {bytesReadSoFar() - before, peakResidentKiB() - resident};
}

constexpr qsizetype jet4Page = 4096;

// The low bytes of a number as the file stores them.
QByteArray littleEndian(quint32 value, int bytes = 4) {
    QByteArray out(4, '\0');
    qToLittleEndian(value, out.data());
    return out.left(bytes);
}

// A Jet 4 data page of an owner (its table's definition page, or "LVAL"
// for long texts) holding rows placed down from its end, each with flags.
QByteArray dataPage(const QByteArray& owner, const QList<QByteArray>& rows, quint16 flags = 0) {
    QByteArray page(jet4Page, '\0');
    page[0] = 1;
    page.replace(4, 4, owner);
    page.replace(12, 2, littleEndian(quint32(rows.size()), 2));
    qsizetype end = jet4Page;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        end -= rows[i].size();
        page.replace(end, rows[i].size(), rows[i]);
        page.replace(14 + 2 * i, 2, littleEndian(quint32(end | flags), 2));
    }
    return page;
}

// Hostile files made from the Jet 4 sample, whose table Announcements has
// its definition on page 24 (the pointer to its page map at byte 55), its
// rows on page 28 and the one map page of its page map on page 29.
const QByteArray announcementsOwner = littleEndian(24);
constexpr qsizetype announcementsRowsPage = 28;
constexpr qsizetype announcementsMapPage = 29;

// A row of Announcements: Sequence, then Message as the memo field given
// (its header, where its text lies, and the text when it is in the row).
QByteArray announcementRow(qint32 sequence, const QByteArray& memo) {
    return littleEndian(2, 2) + littleEndian(quint32(sequence)) + memo +
           littleEndian(quint32(6 + memo.size()), 2) + littleEndian(6, 2) + littleEndian(1, 2) +
           char(3);
}

// 147 rows whose Message is one long text of 64 chained pages: each row
// points at its start, or each at another piece of it.
QByteArray rowsSharingOneLongText(const QByteArray& good, bool eachAtAnotherPiece) {
    constexpr int pieces = 64;
    constexpr qsizetype pieceBytes = jet4Page - 20;
    const auto first = quint32(good.size() / jet4Page);
    QList<QByteArray> rows;
    for (int row = 0; row < 147; ++row) {
        const int piece = eachAtAnotherPiece ? row % pieces : 0;
        rows << announcementRow(7, littleEndian(quint32((pieces - piece) * pieceBytes)) +
                                       littleEndian((first + piece) << 8) + littleEndian(0));
    }
    QByteArray file = good;
    file.replace(announcementsRowsPage * jet4Page, jet4Page, dataPage(announcementsOwner, rows));
    for (int piece = 0; piece < pieces; ++piece) {
        const quint32 next = piece + 1 < pieces ? (first + piece + 1) << 8 : 0;
        file += dataPage("LVAL", {littleEndian(next) + QByteArray(pieceBytes, 'A')});
    }
    return file;
}

// A page map that lists a thousand times the map page with every bit set:
// 32 million pages in a file of 32.
QByteArray hugePageMap(const QByteArray& good) {
    QByteArray file = good;
    file.replace(announcementsMapPage * jet4Page + 4, jet4Page - 4,
                 QByteArray(jet4Page - 4, '\xff'));
    QByteArray map(1, '\1');
    for (int entry = 0; entry < 1000; ++entry)
        map += littleEndian(announcementsMapPage);
    file.replace(24 * jet4Page + 55, 4, littleEndian(quint32(file.size() / jet4Page) << 8));
    return file + dataPage(announcementsOwner, {map});
}

// Ten pages of rows that each say the row moved, all to one row holding a
// text of 3000 bytes.
QByteArray rowsMovedToOneRow(const QByteArray& good) {
    QByteArray file = good;
    const QByteArray text(3000, 'B');
    const QByteArray inRowMemo =
        littleEndian(quint32(text.size()) | 0x80000000U) + littleEndian(0) + littleEndian(0) + text;
    file.replace(announcementsRowsPage * jet4Page, jet4Page,
                 dataPage(announcementsOwner, {announcementRow(1, inRowMemo)}));
    constexpr quint16 movedFlag = 0x4000;
    const QList<QByteArray> pointers(600, littleEndian(announcementsRowsPage << 8));
    for (int page = 0; page < 10; ++page) {
        const qsizetype number = file.size() / jet4Page;
        file[announcementsMapPage * jet4Page + 4 + number / 8] =
            char(file[announcementsMapPage * jet4Page + 4 + number / 8] | (1 << (number % 8)));
        file += dataPage(announcementsOwner, pointers, movedFlag);
    }
    return file;
}

const QString welcome = QStringLiteral("10:Welcome to the gala");
const QString event2 = QStringLiteral("20:Event 2\r\nGirls 50m Freestyle");
const QString event3 = QStringLiteral("30:Event 3\r\nBoys 100m Backstroke\r\nHeat 1 of 2");
const QString cafe = QStringLiteral("40:Caf\u00e9 open \u2013 \"quotes\", commas; 100%");

} // namespace

class TestJetStore : public QObject {
    Q_OBJECT

private slots:
    void listsRowsInTheQuerysOrder_data();
    void listsRowsInTheQuerysOrder();
    void fieldsByName();
    void otherQueriesAreRefusedByName_data();
    void otherQueriesAreRefusedByName();
    void unknownRowSource();
    void fileIsOnlyEverRead();
    void engineFollowsContentNotName_data();
    void engineFollowsContentNotName();
    void damagedFilesGiveAnErrorNeverWrongRows_data();
    void damagedFilesGiveAnErrorNeverWrongRows();
    void failedReadKeepsTheLastRowsOnce();
    void unchangedFileIsNotReadAgain();
    void changesAreReported_data();
    void changesAreReported();
};

void TestJetStore::listsRowsInTheQuerysOrder_data() {
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("rowSource");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("ascending query")
        << jet4 << sorted << QStringList({welcome, event2, event3, cafe});
    QTest::newRow("descending query")
        << jet4 << "Reverse Announcements" << QStringList({cafe, event3, event2, welcome});
    QTest::newRow("table in file order")
        << jet4 << "Announcements" << QStringList({event3, welcome, event2, cafe});
    QTest::newRow("empty Jet 3 table") << jet3 << "Table1" << QStringList();
}

void TestJetStore::listsRowsInTheQuerysOrder() {
    QFETCH(QString, sample);
    QFETCH(QString, rowSource);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    const QString path = copyJetSample(sample, dir.path());
    QVERIFY_JET_SAMPLE(path, sample);
    auto db = store::openDatabase(path, announcer);
    QVERIFY(!db->canDeleteRows());
    auto set = db->openRecordset(rowSource);
    QCOMPARE(set->recordCount(), expected.size());
    set->close();
    if (sample == jet4)
        QCOMPARE(rowsOf(*db, rowSource), expected);
}

void TestJetStore::fieldsByName() {
    QTemporaryDir dir;
    const QString path = copyJetSample(jet4, dir.path());
    QVERIFY_JET_SAMPLE(path, jet4);
    auto db = store::openDatabase(path, announcer);
    auto set = db->openRecordset(sorted);
    set->moveFirst();
    QCOMPARE(set->value(QStringLiteral("Sequence")), QVariant(10));
    QCOMPARE(errorOf([&] { set->value(QStringLiteral("sequence")); }).first,
             int(ErrorNumber::ItemNotFound));
    QCOMPARE(errorOf([&] { set->value(QStringLiteral("Colour")); }).first,
             int(ErrorNumber::ItemNotFound));
    for (int i = 0; i < 4; ++i)
        set->moveNext();
    QVERIFY(set->eof());
    QCOMPARE(errorOf([&] { set->value(QStringLiteral("Message")); }).first,
             int(ErrorNumber::NoCurrentRecord));
    set->close();
    QCOMPARE(errorOf([&] { set->recordCount(); }).first, int(ErrorNumber::ObjectClosed));
    db->close();
    QCOMPARE(errorOf([&] { db->openRecordset(sorted); }).first, int(ErrorNumber::ObjectClosed));
}

void TestJetStore::otherQueriesAreRefusedByName_data() {
    QTest::addColumn<QString>("query");
    for (const char* name :
         {"SelectQuery", "UnionQuery", "UpdateQuery", "DeleteQuery", "AppendQuery",
          "MakeTableQuery", "CrosstabQuery", "DataDefinitionQuery", "PassthroughQuery"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestJetStore::otherQueriesAreRefusedByName() {
    QFETCH(QString, query);
    QTemporaryDir dir;
    const QString path = copyJetSample(jet3, dir.path());
    QVERIFY_JET_SAMPLE(path, jet3);
    auto db = store::openDatabase(path, announcer);
    const auto [number, description] = errorOf([&] { db->openRecordset(query); });
    QCOMPARE(number, int(ErrorNumber::DatabaseOperationFailed));
    QVERIFY2(description.contains(QLatin1Char('\'') + query + QLatin1Char('\'')),
             qPrintable(description));
}

void TestJetStore::unknownRowSource() {
    QTemporaryDir dir;
    const QString path = copyJetSample(jet3, dir.path());
    QVERIFY_JET_SAMPLE(path, jet3);
    auto db = store::openDatabase(path, announcer);
    const auto [number, description] = errorOf([&] { db->openRecordset(sorted); });
    QCOMPARE(number, int(ErrorNumber::CannotFindTableOrQuery));
    QVERIFY(description.contains(sorted));
}

// Reading never writes the file, never leaves a lock file beside it, and a
// delete is refused instead of pretending to succeed.
void TestJetStore::fileIsOnlyEverRead() {
    QTemporaryDir dir;
    const QString path = copyJetSample(jet4, dir.path());
    QVERIFY_JET_SAMPLE(path, jet4);
    const QByteArray before = fileBytes(path);
    const QDateTime modified = QFileInfo(path).lastModified();
    {
        auto db = store::openDatabase(path, announcer);
        auto set = db->openRecordset(sorted);
        set->moveFirst();
        const auto [number, description] = errorOf([&] { set->deleteCurrent(); });
        QCOMPARE(number, int(ErrorNumber::DatabaseOperationFailed));
        QVERIFY2(description.contains(QStringLiteral("only be read")), qPrintable(description));
        QCOMPARE(set->value(QStringLiteral("Sequence")), QVariant(10));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({jet4}));
        set->close();
        db->close();
    }
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(QFileInfo(path).lastModified(), modified);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({jet4}));
}

void TestJetStore::engineFollowsContentNotName_data() {
    QTest::addColumn<bool>("jet");
    QTest::addColumn<QString>("name");
    QTest::newRow("Jet file named .db") << true << "announcer.db";
    QTest::newRow("Jet file with no extension") << true << "messages";
    QTest::newRow("SQLite file named .mdb") << false << "announcer.mdb";
}

void TestJetStore::engineFollowsContentNotName() {
    QFETCH(bool, jet);
    QFETCH(QString, name);
    QTemporaryDir dir;
    AnnouncerFixture sqlite;
    QString path = dir.filePath(name);
    if (jet) {
        path = copyJetSample(jet4, dir.path(), name);
        QVERIFY_JET_SAMPLE(path, jet4);
    } else {
        QVERIFY(QFile::copy(sqlite.path(), path));
    }
    auto db = store::openDatabase(path, announcer);
    QCOMPARE(db->canDeleteRows(), !jet);
    QCOMPARE(db->openRecordset(sorted)->recordCount(), jet ? 4 : 0);
}

void TestJetStore::damagedFilesGiveAnErrorNeverWrongRows_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("rowSource");
    // The rows a read that does not fail must give, when they are known.
    QTest::addColumn<QVariant>("rows");
    const QVariant anyRows;
    const QByteArray good = fileBytes(jetSamplePath(jet4));
    const QByteArray old = fileBytes(jetSamplePath(jet3));
    if (good.isEmpty() || old.isEmpty()) {
        // A table with a row fails as a whole; one without would run the test on no data.
        QTest::newRow("samples missing") << QByteArray() << sorted << anyRows;
        QVERIFY_JET_SAMPLE(good, jet4);
        QVERIFY_JET_SAMPLE(old, jet3);
    }
    QTest::newRow("header only") << good.left(64) << sorted << anyRows;
    QTest::newRow("cut inside the first page") << good.left(3000) << sorted << anyRows;
    QTest::newRow("cut inside a later page") << good.left(good.size() - 1000) << sorted << anyRows;
    constexpr qsizetype jet3Page = 2048;
    QTest::newRow("first two pages") << good.left(2 * jet4Page) << sorted << anyRows;
    QTest::newRow("first five pages") << good.left(5 * jet4Page) << sorted << anyRows;
    QTest::newRow("Jet 3 cut to three pages") << old.left(3 * jet3Page) << sorted << anyRows;
    QByteArray lostMap = old;
    lostMap[4 * jet3Page + 35] = char(67); // the query table's pointer to its page map
    QTest::newRow("Jet 3 table whose page map is lost") << lostMap << "SelectQuery" << anyRows;
    QTest::newRow("unknown version byte")
        << good.left(0x14) + char(0x7f) + good.mid(0x15) << sorted << anyRows;
    const QString longText = QString::fromUtf16(u"\u4141").repeated((jet4Page - 20) / 2 * 64);
    QTest::newRow("147 rows pointing at one long text")
        << rowsSharingOneLongText(good, false) << sorted
        << QVariant(QStringList(147, QStringLiteral("7:") + longText));
    QTest::newRow("147 rows pointing into one long text")
        << rowsSharingOneLongText(good, true) << sorted << anyRows;
    QTest::newRow("page map listing 32 million pages") << hugePageMap(good) << sorted << anyRows;
    QTest::newRow("6000 rows moved to one row") << rowsMovedToOneRow(good) << sorted << anyRows;
    for (int seed = 1; seed <= 6; ++seed) {
        QRandomGenerator noise(quint32(seed) * 7919u);
        QByteArray bytes = good.left(jet4Page);
        while (bytes.size() < good.size())
            bytes.append(char(noise.bounded(256)));
        QTest::addRow("header page, then random bytes %d", seed) << bytes << sorted << anyRows;
        QByteArray scrambled = good;
        for (int i = 0; i < 200; ++i)
            scrambled[jet4Page + noise.bounded(scrambled.size() - jet4Page)] =
                char(noise.bounded(256));
        QTest::addRow("200 random bytes changed %d", seed) << scrambled << sorted << anyRows;
    }
    const struct {
        const char* name;
        QByteArray bytes;
        qsizetype pageSize;
        QString rowSource;
        QStringList rows;
    } sources[] = {{"Jet 4 query", good, 4096, sorted, {welcome, event2, event3, cafe}},
                   {"Jet 4 table",
                    good,
                    4096,
                    QStringLiteral("Announcements"),
                    {event3, welcome, event2, cafe}},
                   {"Jet 3 table", old, 2048, QStringLiteral("Table1"), {}}};
    // A copy or rewrite in progress: the file ends on a whole page, and
    // what lies beyond is not there yet. Or a page in the middle that the
    // writer has not filled yet.
    for (const auto& source : sources) {
        const qsizetype pages = source.bytes.size() / source.pageSize;
        for (qsizetype page = 1; page < pages; ++page) {
            QTest::addRow("%s cut after %lld pages", source.name, qint64(page))
                << source.bytes.left(page * source.pageSize) << source.rowSource
                << QVariant(source.rows);
            QByteArray unwritten = source.bytes;
            unwritten.replace(page * source.pageSize, source.pageSize,
                              QByteArray(source.pageSize, '\0'));
            QTest::addRow("%s with page %lld unwritten", source.name, qint64(page))
                << unwritten << source.rowSource << QVariant(source.rows);
        }
    }
}

// Whatever libmdb makes of a damaged file, the result is a clear error or
// rows, never a crash (these rows also run under the sanitizers). Nothing
// that is missing from a partly written file may turn into rows: a text
// whose page is not there is no empty text, a table whose page is not
// there has no fewer rows. And however the file points its parts at each
// other, a read costs about what the file holds, in bytes read and in
// memory.
void TestJetStore::damagedFilesGiveAnErrorNeverWrongRows() {
    QFETCH(QByteArray, content);
    QFETCH(QString, rowSource);
    QFETCH(QVariant, rows);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.mdb"));
    writeFile(path, content);
    QStringList read;
    std::optional<ReadCost> cost;
    const auto [number, description] = errorOf([&] {
        auto db = store::openDatabase(path, announcer);
        cost = costOfReading(*db, rowSource);
        read = rowsOf(*db, rowSource);
    });
    if (cost) {
        constexpr qint64 spareKiB = 16'384;
        QCOMPARE_LE(cost->bytesRead, 2 * content.size());
        QCOMPARE_LE(cost->peakKiB, spareKiB + 4 * content.size() / 1024);
    }
    if (number != 0)
        QVERIFY2(description.contains(path) || description.contains(rowSource),
                 qPrintable(description));
    else if (rows.isValid())
        QCOMPARE(read, rows.toStringList());
}

// A file the meet-management program is in the middle of writing can read
// badly once: the last rows stand in, and only a second failure in a row
// is an error.
void TestJetStore::failedReadKeepsTheLastRowsOnce() {
    QTemporaryDir dir;
    const QString path = copyJetSample(jet4, dir.path());
    QVERIFY_JET_SAMPLE(path, jet4);
    const QByteArray good = fileBytes(path);
    auto db = store::openDatabase(path, announcer);
    const QStringList rows = rowsOf(*db, sorted);
    QCOMPARE(rows.size(), 4);
    const auto write = [&](const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write(good.left(3000));
    QCOMPARE(rowsOf(*db, sorted), rows);
    QVERIFY(errorOf([&] { rowsOf(*db, sorted); }).first != 0);
    write(good);
    QCOMPARE(rowsOf(*db, sorted), rows);
    write(good.left(3000));
    QCOMPARE(rowsOf(*db, sorted), rows);
    QVERIFY(errorOf([&] { db->openRecordset(QStringLiteral("Reverse Announcements")); }).first !=
            0);
}

// A refresh of a file nobody has written since the last one reads nothing
// (the stamp decides, to the nanosecond); a file written just before it was
// read is read again, since a second write in the same tick of the file
// system's clock would leave the stamp as it was.
void TestJetStore::unchangedFileIsNotReadAgain() {
    QTemporaryDir dir;
    const QString path = copyJetSample(jet4, dir.path());
    QVERIFY_JET_SAMPLE(path, jet4);
    const auto setWritten = [&](const QDateTime& when) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime));
    };
    const QDateTime minuteAgo = QDateTime::currentDateTime().addSecs(-60);
    setWritten(minuteAgo);
    auto db = store::openDatabase(path, announcer);
    const QStringList rows = rowsOf(*db, sorted);
    QCOMPARE(rows.size(), 4);
    constexpr qint64 page = 4096;
    QStringList again;
    QCOMPARE_LT(bytesReadBy([&] { again = rowsOf(*db, sorted); }), page);
    QCOMPARE(again, rows);
    QCOMPARE_GT(bytesReadBy([&] { rowsOf(*db, QStringLiteral("Reverse Announcements")); }), page);

    setWritten(QDateTime::currentDateTime());
    QCOMPARE_GT(bytesReadBy([&] { again = rowsOf(*db, sorted); }), page);
    QCOMPARE_GT(bytesReadBy([&] { again = rowsOf(*db, sorted); }), page);
    QCOMPARE(again, rows);

    setWritten(minuteAgo.addMSecs(1));
    QCOMPARE_GT(bytesReadBy([&] { rowsOf(*db, sorted); }), page);
    QCOMPARE_LT(bytesReadBy([&] { again = rowsOf(*db, sorted); }), page);
    QCOMPARE(again, rows);
}

void TestJetStore::changesAreReported_data() {
    QTest::addColumn<bool>("replace");
    QTest::newRow("written in place") << false;
    QTest::newRow("replaced by a new file renamed over it") << true;
}

// A save reaches the screen at once rather than at the next tick, also
// after the file was replaced; a closed database reports nothing.
void TestJetStore::changesAreReported() {
    QFETCH(bool, replace);
    QTemporaryDir dir;
    const QString path = copyJetSample(jet4, dir.path());
    QVERIFY_JET_SAMPLE(path, jet4);
    const QByteArray bytes = fileBytes(path);
    auto db = store::openDatabase(path, announcer);
    int reports = 0;
    db->watchChanges([&] { ++reports; });
    if (replace) {
        const QString next = dir.filePath(QStringLiteral("next.mdb"));
        writeFile(next, bytes);
        QCOMPARE(
            std::rename(QFile::encodeName(next).constData(), QFile::encodeName(path).constData()),
            0);
    } else {
        writeFile(path, bytes);
    }
    QTRY_VERIFY(reports > 0);
    QTest::qWait(100);
    reports = 0;
    writeFile(path, bytes);
    QTRY_VERIFY(reports > 0);
    QCOMPARE(rowsOf(*db, sorted).size(), 4);

    db->close();
    QTest::qWait(100);
    reports = 0;
    writeFile(path, bytes);
    QTest::qWait(200);
    QCOMPARE(reports, 0);
}

QTEST_GUILESS_MAIN(TestJetStore)
#include "tst_jetstore.moc"
