#include "clubfixture.h"

#include "clubrecords/clubrecordlookup.h"
#include "clubrecords/clubsetup.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <stdexcept>

ClubFixture::ClubFixture()
    : m_path(m_dir.filePath(QStringLiteral("club.db"))) {
    clubdb::createClubDatabase(m_path);
    exec(QStringLiteral("ALTER TABLE \"Club Records\" RENAME TO Strict"));
    exec(QStringLiteral("CREATE TABLE \"Club Records\" (Sex TEXT, Age TEXT, Stroke TEXT, Distance TEXT,"
                        " \"Record Holder\" TEXT, \"Record Time\" TEXT, \"Record Date\" DATE,"
                        " \"Year Best Holder\" TEXT, \"Year Best Time\" TEXT, \"Year Best Date\" DATE)"));
    exec(QStringLiteral("DROP TABLE Strict"));
    Club_DB = store::openDatabase(m_path, QStringLiteral("club database"));
    loadClubSetup(*Club_DB);
    Club_Records_Off = false;
    Club_Record_Result = {};
}

ClubFixture::~ClubFixture() {
    if (Club_DB)
        Club_DB->close();
    Club_DB.reset();
}

void ClubFixture::exec(const QString& sql) const {
    const QString name = QStringLiteral("club-fixture");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(m_path);
        if (!db.open())
            throw std::runtime_error("cannot open the club fixture");
        QSqlQuery query(db);
        if (!query.exec(sql))
            throw std::runtime_error(query.lastError().text().toStdString());
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void ClubFixture::addRecord(const clubdb::ClubRecordRow& row) const {
    clubdb::writeRecords(m_path, {row});
}

clubdb::ClubRecordRow recordRow(const QString& sex, const QString& age, const QString& stroke,
                                const QString& distance, const QString& holder, const QString& time,
                                const QDate& date) {
    return {sex, age, stroke, distance, holder, time, date.isValid() ? QVariant(date) : QVariant(),
            QVariant(), QVariant(), QVariant()};
}
