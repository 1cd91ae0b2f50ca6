// Times the announcer screen's list refresh against a bare baseline in the
// same run: one SELECT of Sequence and Message read to the end, plus adding
// prebuilt texts to a list widget. Prints N, both times and their ratio.
//
// bench_refresh --jet FILE instead times the refresh on a copy of a Jet
// (.mdb) file, unchanged since the last refresh and just written to (its
// time stamp moved on), against the refresh on a SQLite file holding the
// same rows, and prints what a refresh after a write reads from the file.
#include "announcerfeed.h"
#include "demomessages.h"
#include "jetfixture.h"

#include "announcer/announcerscreen.h"
#include "app/announcersession.h"
#include "screentiming.h"

#include "store/database.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

using Rows = std::vector<std::pair<int, QString>>;

void fill(const QString& path, const Rows& rows) {
    feed::initDatabase(path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
    db.setDatabaseName(path);
    db.open();
    db.transaction();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO Announcements (Sequence, Message) VALUES (?, ?)"));
    for (const auto& [sequence, message] : rows) {
        insert.addBindValue(sequence);
        insert.addBindValue(message);
        insert.exec();
    }
    db.commit();
    insert.finish();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

// Best of several runs, in milliseconds: the least disturbed measurement.
double bestOf(int runs, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        best = std::min(best, clock.nsecsElapsed() / 1e6);
    }
    return best;
}

double baseline(const QString& path, QListWidget& list) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("baseline"));
    db.setDatabaseName(path);
    db.open();
    QStringList texts;
    const double select = bestOf(5, [&] {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.exec(QStringLiteral("SELECT Sequence, Message FROM \"Sorted Announcements\""));
        texts.clear();
        while (query.next())
            texts.append(query.value(0).toString() + QLatin1Char(':') + query.value(1).toString().section(QStringLiteral("\r\n"), 0, 0));
    });
    const double fillList = bestOf(5, [&] {
        list.clear();
        list.addItems(texts);
    });
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("baseline"));
    return select + fillList;
}

Rows demoRows(int count) {
    Rows rows;
    for (int i = 0; i < count; ++i)
        rows.emplace_back(i % 32767 + 1, feed::demoMessage(i));
    return rows;
}

// Best Refresh_Form of the screen on the announcer database at path;
// prepare runs before each, untimed.
double refreshTime(const QString& path, int runs, const std::function<void()>& prepare = {}) {
    AnnouncerSession session;
    AnnouncerScreen screen(session.desk(), session.station());
    screen.desk().open(path);
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        best = std::min(best, refreshMs(screen));
    }
    screen.desk().close();
    return best;
}

void setWritten(const QString& path, const QDateTime& when) {
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.setFileTime(when, QFileDevice::FileModificationTime);
}

int compareWithJet(const QString& original) {
    QTemporaryDir dir;
    const QString jetPath = dir.filePath(QStringLiteral("meet.mdb"));
    QFile::copy(original, jetPath);
    QFile::setPermissions(jetPath, QFile::ReadOwner | QFile::WriteOwner);
    setWritten(jetPath, QDateTime::currentDateTime().addSecs(-60));
    Rows rows;
    {
        auto jet = store::openDatabase(jetPath, QStringLiteral("announcer database"));
        auto set = jet->openRecordset(QStringLiteral("Sorted Announcements"));
        if (set->recordCount() > 0) {
            for (set->moveFirst(); !set->eof(); set->moveNext())
                rows.emplace_back(set->value(QStringLiteral("Sequence")).toInt(),
                                  set->value(QStringLiteral("Message")).toString());
        }
    }
    const QString sqlitePath = dir.filePath(QStringLiteral("announcer.mdb"));
    fill(sqlitePath, rows);
    const double jet = refreshTime(jetPath, 51);
    constexpr int writtenRuns = 21;
    const qint64 before = bytesReadSoFar();
    const double written = refreshTime(jetPath, writtenRuns,
                                       [&] { setWritten(jetPath, QDateTime::currentDateTime()); });
    const double readKiB = double(bytesReadSoFar() - before) / writtenRuns / 1024;
    const double sqlite = refreshTime(sqlitePath, 51);
    std::printf("%8s %12s %12s %12s %7s %7s %10s\n", "rows", "jet_ms", "written_ms", "sqlite_ms",
                "ratio", "ratio_w", "read_kib");
    std::printf("%8zu %12.3f %12.3f %12.3f %7.2f %7.2f %10.0f\n", rows.size(), jet, written, sqlite,
                jet / sqlite, written / sqlite, readKiB);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--jet") == 0)
        return compareWithJet(QString::fromLocal8Bit(argv[2]));
    std::printf("%8s %12s %12s %7s\n", "rows", "refresh_ms", "baseline_ms", "ratio");
    double previous = 0;
    for (int rows : {100, 1000, 10000, 100000}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("announcer.mdb"));
        fill(path, demoRows(rows));
        const double refresh = refreshTime(path, 5);
        QListWidget list;
        const double base = baseline(path, list);
        std::printf("%8d %12.2f %12.2f %7.2f", rows, refresh, base, refresh / base);
        if (previous > 0)
            std::printf("   growth x%.1f", refresh / previous);
        std::printf("\n");
        previous = refresh;
    }
    return 0;
}
