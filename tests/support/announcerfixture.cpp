#include "announcerfixture.h"

#include "announcerfeed.h"
#include "testengine.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <stdexcept>

namespace {

// Tests also need rows the real schema forbids (null Message or Sequence,
// numbers beyond 16 bits), so the fixture relaxes it.
const QStringList relaxSqlite = {
    QStringLiteral("DROP VIEW \"Sorted Announcements\""),
    QStringLiteral("ALTER TABLE Announcements RENAME TO Strict"),
    QStringLiteral("CREATE TABLE Announcements (Id INTEGER PRIMARY KEY AUTOINCREMENT, "
                   "Sequence INTEGER, Message TEXT)"),
    QStringLiteral("DROP TABLE Strict"),
    QStringLiteral("CREATE VIEW \"Sorted Announcements\" AS SELECT Id, Sequence, Message "
                   "FROM Announcements ORDER BY Sequence, Id"),
    QStringLiteral("CREATE TRIGGER \"Sorted Announcements delete\" INSTEAD OF DELETE ON "
                   "\"Sorted Announcements\" BEGIN DELETE FROM Announcements WHERE Id = OLD.Id; END"),
    QStringLiteral("CREATE TRIGGER \"Sorted Announcements insert\" INSTEAD OF INSERT ON "
                   "\"Sorted Announcements\" BEGIN INSERT INTO Announcements (Sequence, Message) "
                   "VALUES (NEW.Sequence, NEW.Message); END"),
};
const QStringList relaxPostgres = {
    QStringLiteral("DROP VIEW \"Sorted Announcements\""),
    QStringLiteral("ALTER TABLE \"Announcements\" DROP CONSTRAINT \"Announcements_Sequence_check\","
                   " ALTER \"Sequence\" DROP NOT NULL, ALTER \"Message\" DROP NOT NULL,"
                   " ALTER \"Sequence\" TYPE bigint"),
    // Null first, as SQLite orders them, so the same tests hold on both.
    QStringLiteral("CREATE VIEW \"Sorted Announcements\" AS SELECT \"Id\", \"Sequence\", \"Message\""
                   " FROM \"Announcements\" ORDER BY \"Sequence\" NULLS FIRST, \"Id\""),
};

} // namespace

AnnouncerFixture::AnnouncerFixture()
    : m_path(m_dir.filePath(QStringLiteral("announcer.mdb"))) {
    if (testingPostgres())
        createServerDatabase(m_path);
    feed::initDatabase(m_path);
    for (const QString& statement : testingPostgres() ? relaxPostgres : relaxSqlite)
        execOn(m_path, statement);
}

void AnnouncerFixture::addRow(const QVariant& sequence, const QVariant& message) const {
    withTestConnection(m_path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO \"Announcements\" (\"Sequence\", \"Message\") VALUES (?, ?)"));
        query.addBindValue(sequence);
        query.addBindValue(message);
        if (!query.exec())
            throw std::runtime_error(query.lastError().text().toStdString());
    });
}

std::vector<std::pair<QVariant, QString>> AnnouncerFixture::rows() const {
    std::vector<std::pair<QVariant, QString>> result;
    withTestConnection(m_path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.exec(QStringLiteral("SELECT \"Sequence\", \"Message\" FROM \"Sorted Announcements\""));
        while (query.next())
            result.emplace_back(query.value(0), query.value(1).toString());
    });
    return result;
}

QVariant AnnouncerFixture::firstValue(const QString& sql) const {
    QVariant value;
    withTestConnection(m_path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!query.exec(sql))
            throw std::runtime_error(query.lastError().text().toStdString());
        if (query.next())
            value = query.value(0);
    });
    return value;
}

QString builtProgram(const char* variable) { return qEnvironmentVariable(variable); }
