#include "clubfixture.h"

#include "testengine.h"

#include "store/database.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <stdexcept>

namespace {

// Without the primary key and the NOT NULL rules, as a damaged or
// hand-edited database might be.
const QStringList relaxSqlite = {
    QStringLiteral("ALTER TABLE \"Club Records\" RENAME TO Strict"),
    QStringLiteral("CREATE TABLE \"Club Records\" (Sex TEXT, Age TEXT, Stroke TEXT, Distance TEXT,"
                   " \"Record Holder\" TEXT, \"Record Time\" TEXT, \"Record Date\" DATE,"
                   " \"Year Best Holder\" TEXT, \"Year Best Time\" TEXT, \"Year Best Date\" DATE)"),
    QStringLiteral("DROP TABLE Strict"),
};
const QStringList relaxPostgres = {
    QStringLiteral("ALTER TABLE \"Club Records\" DROP CONSTRAINT \"Club Records_pkey\""),
};

QVariant isoDate(const QVariant& value) {
    return value.isNull() ? QVariant() : QVariant(value.toDate().toString(Qt::ISODate));
}

} // namespace

ClubFixture::ClubFixture()
    : m_path(m_dir.filePath(QStringLiteral("club.db"))) {
    if (testingPostgres())
        createServerDatabase(m_path);
    clubdb::createClubDatabase(m_path);
    for (const QString& statement : testingPostgres() ? relaxPostgres : relaxSqlite)
        exec(statement);
}

ClubSetup ClubFixture::setup() const {
    return RecordBook::open(m_path).setup();
}

RecordBook ClubFixture::book() const {
    return RecordBook::open(m_path);
}

RecordBook ClubFixture::book(ClubSetup setup) const {
    return {store::openDatabase(m_path, QStringLiteral("club database"), {.readOnly = true}),
            std::move(setup)};
}

void ClubFixture::exec(const QString& sql) const { execOn(m_path, sql); }

// A plain insert: the fixture's table takes a key twice.
void ClubFixture::addRecord(const clubdb::ClubRecordRow& row) const {
    withTestConnection(m_path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO \"Club Records\" VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant& value : {QVariant(row.sex), QVariant(row.age), QVariant(row.stroke),
                                      QVariant(row.distance), row.recordHolder, row.recordTime,
                                      isoDate(row.recordDate), row.yearBestHolder, row.yearBestTime,
                                      isoDate(row.yearBestDate)})
            query.addBindValue(value);
        if (!query.exec())
            throw std::runtime_error(query.lastError().text().toStdString());
    });
}

clubdb::ClubRecordRow recordRow(const QString& sex, const QString& age, const QString& stroke,
                                const QString& distance, const QString& holder, const QString& time,
                                const QDate& date) {
    return {sex, age, stroke, distance, holder, time, date.isValid() ? QVariant(date) : QVariant(),
            QVariant(), QVariant(), QVariant()};
}
