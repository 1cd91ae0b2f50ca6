// Times the announcer screen's list refresh against a bare baseline in the
// same run: one SELECT of Sequence and Message read to the end, plus adding
// prebuilt texts to a list widget. Prints N, both times and their ratio.
#include "announcerfeed.h"
#include "demomessages.h"

#include "announcer/announcerdatabase.h"
#include "announcer/announcerscreen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

void fill(const QString& path, int rows) {
    feed::initDatabase(path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
    db.setDatabaseName(path);
    db.open();
    db.transaction();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO Announcements (Sequence, Message) VALUES (?, ?)"));
    for (int i = 0; i < rows; ++i) {
        insert.addBindValue(i % 32767 + 1);
        insert.addBindValue(feed::demoMessage(i));
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

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::printf("%8s %12s %12s %7s\n", "rows", "refresh_ms", "baseline_ms", "ratio");
    double previous = 0;
    for (int rows : {100, 1000, 10000, 100000}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("announcer.mdb"));
        fill(path, rows);
        Announcer_DB_Path = path;
        openAnnouncerDatabase();
        AnnouncerScreen screen;
        const double refresh = bestOf(5, [&] { screen.Refresh_Form(); });
        closeAnnouncerDatabase();
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
