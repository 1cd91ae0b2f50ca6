#include "announcerfixture.h"

#include "announcerfeed.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <stdexcept>

namespace {

// A plain connection that bypasses the schema's NOT NULL rules is not
// wanted here; the test writes through the same table the feed uses.
template <class Work>
void withConnection(const QString& path, Work work) {
    const QString name = QStringLiteral("fixture-%1").arg(reinterpret_cast<quintptr>(&path));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open())
            throw std::runtime_error("cannot open fixture database");
        work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

AnnouncerFixture::AnnouncerFixture()
    : m_path(m_dir.filePath(QStringLiteral("announcer.mdb"))) {
    feed::initDatabase(m_path);
    // Tests also need rows the real schema forbids (null Message or
    // Sequence, numbers beyond 16 bits), so the fixture relaxes it.
    withConnection(m_path, [](QSqlDatabase& db) {
        QSqlQuery query(db);
        const QStringList statements = {
            QStringLiteral("DROP VIEW \"Sorted Announcements\""),
            QStringLiteral("ALTER TABLE Announcements RENAME TO Strict"),
            QStringLiteral("CREATE TABLE Announcements (Id INTEGER PRIMARY KEY AUTOINCREMENT, "
                           "Sequence INTEGER, Message TEXT)"),
            QStringLiteral("DROP TABLE Strict"),
            QStringLiteral("CREATE VIEW \"Sorted Announcements\" AS SELECT Id, Sequence, Message "
                           "FROM Announcements ORDER BY Sequence, Id"),
            QStringLiteral("CREATE TRIGGER \"Sorted Announcements delete\" INSTEAD OF DELETE ON "
                           "\"Sorted Announcements\" BEGIN DELETE FROM Announcements WHERE Id = OLD.Id; END"),
        };
        for (const QString& statement : statements)
            if (!query.exec(statement))
                throw std::runtime_error(query.lastError().text().toStdString());
    });
}

void AnnouncerFixture::addRow(const QVariant& sequence, const QVariant& message) const {
    withConnection(m_path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO Announcements (Sequence, Message) VALUES (?, ?)"));
        query.addBindValue(sequence);
        query.addBindValue(message);
        if (!query.exec())
            throw std::runtime_error(query.lastError().text().toStdString());
    });
}

std::vector<std::pair<QVariant, QString>> AnnouncerFixture::rows() const {
    std::vector<std::pair<QVariant, QString>> result;
    withConnection(m_path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.exec(QStringLiteral("SELECT Sequence, Message FROM \"Sorted Announcements\""));
        while (query.next())
            result.emplace_back(query.value(0), query.value(1).toString());
    });
    return result;
}

QVariant AnnouncerFixture::firstValue(const QString& sql) const {
    QVariant value;
    withConnection(m_path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!query.exec(sql))
            throw std::runtime_error(query.lastError().text().toStdString());
        if (query.next())
            value = query.value(0);
    });
    return value;
}

QString builtProgram(const char* variable) { return qEnvironmentVariable(variable); }
