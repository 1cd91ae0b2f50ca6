// A club database's saved query: any SQL text stored as "Club Record",
// prepared and run as record lookups run it, for one key and for a sheet's
// keys in one read. Whatever it says, it only reads: the club file stays
// byte for byte as it was and no other file appears beside it, and every
// refusal is an error the program reports.

#include "fuzzsupport.h"

#include "store/database.h"
#include "store/kelvaneerror.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

const QString queryName = QStringLiteral("Club Record");
const QStringList parameterNames = {QStringLiteral("Enter Sex"), QStringLiteral("Enter Age"),
                                    QStringLiteral("Enter Stroke"),
                                    QStringLiteral("Enter Distance")};
const QStringList recordColumns = {QStringLiteral("Record Holder"), QStringLiteral("Record Time"),
                                   QStringLiteral("Record Date")};

const QStringList clubSchema = {
    QStringLiteral("CREATE TABLE \"Club Records\" (Sex TEXT, Age TEXT, Stroke TEXT, Distance TEXT,"
                   " \"Record Holder\" TEXT, \"Record Time\" TEXT, \"Record Date\" DATE)"),
    QStringLiteral("INSERT INTO \"Club Records\" VALUES"
                   " ('F', '12', 'Free', '50', 'A. Swimmer', '31.20', '2024-05-01')"),
    QStringLiteral("CREATE TABLE \"Club Setup\" (Name TEXT PRIMARY KEY, Value TEXT NOT NULL)"),
    QStringLiteral("INSERT INTO \"Club Setup\" VALUES ('Club Name', 'Riverside')"),
    QStringLiteral("CREATE TABLE \"Saved Queries\" (Name TEXT PRIMARY KEY, Sql TEXT NOT NULL)"),
    QStringLiteral("CREATE TABLE \"Saved Query Parameters\" (Query TEXT NOT NULL,"
                   " Name TEXT NOT NULL, Position INTEGER NOT NULL)"),
    QStringLiteral("INSERT INTO \"Saved Query Parameters\" VALUES ('Club Record', 'Enter Sex', 1),"
                   " ('Club Record', 'Enter Age', 2), ('Club Record', 'Enter Stroke', 3),"
                   " ('Club Record', 'Enter Distance', 4)"),
};

// Runs statements on a plain connection of the fuzzer's own, as the file's
// author would.
void writeWithSqlite(const QString& path, const QStringList& statements,
                     const QVariantList& values = {}) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("author"));
        db.setDatabaseName(path);
        require(db.open(), "the club file opens for its author", db.lastError().text());
        for (const QString& statement : statements) {
            QSqlQuery query(db);
            query.prepare(statement);
            for (const QVariant& value : values)
                query.addBindValue(value);
            require(query.exec(), "the club file takes its author's statement",
                    query.lastError().text());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("author"));
}

QString clubPath() {
    return scratchPath(QStringLiteral("club/club.db"));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    require(file.open(QIODevice::ReadOnly), "the club file can be read back", file.errorString());
    return file.readAll();
}

void readRecords(store::RecordSet& rows) {
    if (rows.recordCount() > 0) {
        for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
            for (const QString& column : recordColumns)
                rows.value(column).toString();
        }
    }
    rows.close();
}

// One key on its own, then a sheet's keys in one read, as a print reads them.
void lookUpRecords(store::Database& club) {
    const std::unique_ptr<store::QueryDef> query = club.queryDef(queryName);
    for (const QString& name : parameterNames)
        query->setParameter(name, QStringLiteral("F"));
    readRecords(*query->openRecordset());
    const std::vector<QStringList> keys = {
        {QStringLiteral("F"), QStringLiteral("12"), QStringLiteral("Free"), QStringLiteral("50")},
        {QStringLiteral("M"), QStringLiteral("Op"), QStringLiteral("Free"), QStringLiteral("100")},
        {QString(), QString(), QString(), QString()}};
    for (const std::unique_ptr<store::RecordSet>& rows : query->openEach(parameterNames, keys))
        readRecords(*rows);
}

QByteArray emptyClub;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    startApplication(argc, argv);
    QDir().mkpath(QFileInfo(clubPath()).path());
    // A relative path in the query lands in the club's folder, where the
    // property below looks.
    QDir::setCurrent(QFileInfo(clubPath()).path());
    writeWithSqlite(clubPath(), clubSchema);
    emptyClub = fileBytes(clubPath());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = clubPath();
    writeScratchFile(path, emptyClub);
    const QString sql = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    writeWithSqlite(
        path, {QStringLiteral("INSERT INTO \"Saved Queries\" VALUES ('Club Record', ?)")}, {sql});
    const QByteArray before = QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha256);
    try {
        const std::unique_ptr<store::Database> club =
            store::openDatabase(path, QStringLiteral("club database"), {.readOnly = true});
        try {
            lookUpRecords(*club);
        } catch (const store::KelvaneError&) {
            // A query refused or failing: reported to the person printing.
        }
        club->close();
    } catch (const store::KelvaneError&) {
        require(false, "the club file opens read-only");
    }
    const QStringList beside =
        QDir(QFileInfo(path).path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    require(beside == QStringList{QStringLiteral("club.db")}, "a saved query creates no file",
            beside.join(QLatin1Char(' ')));
    require(QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha256) == before,
            "a saved query leaves the club file as it was");
    return 0;
}
