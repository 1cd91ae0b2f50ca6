#include "clubdatabase.h"
#include "toolmain.h"

#include "store/connectionfile.h"

#include <QFileInfo>
#include <QSqlQuery>

namespace clubdb {

namespace {

const QStringList sqliteSchema = {
    QStringLiteral("CREATE TABLE \"Club Records\" ("
                   " Sex TEXT NOT NULL, Age TEXT NOT NULL, Stroke TEXT NOT NULL, Distance TEXT NOT NULL,"
                   " \"Record Holder\" TEXT, \"Record Time\" TEXT,"
                   " \"Record Date\" DATE CHECK (\"Record Date\" IS date(\"Record Date\")),"
                   " \"Year Best Holder\" TEXT, \"Year Best Time\" TEXT,"
                   " \"Year Best Date\" DATE CHECK (\"Year Best Date\" IS date(\"Year Best Date\")),"
                   " PRIMARY KEY (Sex, Age, Stroke, Distance))"),
    QStringLiteral("CREATE TABLE \"Saved Queries\" (Name TEXT PRIMARY KEY, Sql TEXT NOT NULL)"),
    QStringLiteral("CREATE TABLE \"Saved Query Parameters\" (Query TEXT NOT NULL, Name TEXT NOT NULL,"
                   " Position INTEGER NOT NULL, PRIMARY KEY (Query, Name))"),
    QStringLiteral("INSERT INTO \"Saved Queries\" VALUES ('Club Record',"
                   " 'SELECT \"Record Holder\", \"Record Time\", \"Record Date\","
                   " \"Year Best Holder\", \"Year Best Time\", \"Year Best Date\""
                   " FROM \"Club Records\" WHERE Sex = ? AND Age = ? AND Stroke = ? AND Distance = ?')"),
    QStringLiteral("INSERT INTO \"Saved Query Parameters\" VALUES ('Club Record', 'Enter Sex', 1),"
                   " ('Club Record', 'Enter Age', 2), ('Club Record', 'Enter Stroke', 3),"
                   " ('Club Record', 'Enter Distance', 4)"),
    QStringLiteral("CREATE TABLE \"Club Setup\" (Name TEXT PRIMARY KEY, Value TEXT NOT NULL)"),
    QStringLiteral("CREATE TABLE \"Age Groups\" (Position INTEGER PRIMARY KEY CHECK (Position BETWEEN 0 AND 21),"
                   " Label TEXT NOT NULL)"),
    QStringLiteral("CREATE TABLE \"Record Cards\" ("
                   " \"Card Index\" INTEGER PRIMARY KEY CHECK (\"Card Index\" BETWEEN 1 AND 32767),"
                   " Sex TEXT NOT NULL, Age TEXT NOT NULL, Stroke TEXT NOT NULL, Distance TEXT NOT NULL)"),
};

// On a server the names keep their capitals only when quoted, and dates
// are the server's own date type.
const QStringList postgresSchema = {
    QStringLiteral("CREATE TABLE \"Club Records\" ("
                   " \"Sex\" text NOT NULL, \"Age\" text NOT NULL, \"Stroke\" text NOT NULL,"
                   " \"Distance\" text NOT NULL, \"Record Holder\" text, \"Record Time\" text,"
                   " \"Record Date\" date, \"Year Best Holder\" text, \"Year Best Time\" text,"
                   " \"Year Best Date\" date, PRIMARY KEY (\"Sex\", \"Age\", \"Stroke\", \"Distance\"))"),
    QStringLiteral("CREATE TABLE \"Saved Queries\" (\"Name\" text PRIMARY KEY, \"Sql\" text NOT NULL)"),
    QStringLiteral("CREATE TABLE \"Saved Query Parameters\" (\"Query\" text NOT NULL, \"Name\" text NOT NULL,"
                   " \"Position\" integer NOT NULL, PRIMARY KEY (\"Query\", \"Name\"))"),
    QStringLiteral("INSERT INTO \"Saved Queries\" VALUES ('Club Record',"
                   " 'SELECT \"Record Holder\", \"Record Time\", \"Record Date\","
                   " \"Year Best Holder\", \"Year Best Time\", \"Year Best Date\" FROM \"Club Records\""
                   " WHERE \"Sex\" = ? AND \"Age\" = ? AND \"Stroke\" = ? AND \"Distance\" = ?')"),
    QStringLiteral("INSERT INTO \"Saved Query Parameters\" VALUES ('Club Record', 'Enter Sex', 1),"
                   " ('Club Record', 'Enter Age', 2), ('Club Record', 'Enter Stroke', 3),"
                   " ('Club Record', 'Enter Distance', 4)"),
    QStringLiteral("CREATE TABLE \"Club Setup\" (\"Name\" text PRIMARY KEY, \"Value\" text NOT NULL)"),
    QStringLiteral("CREATE TABLE \"Age Groups\" (\"Position\" integer PRIMARY KEY"
                   " CHECK (\"Position\" BETWEEN 0 AND 21), \"Label\" text NOT NULL)"),
    QStringLiteral("CREATE TABLE \"Record Cards\" ("
                   " \"Card Index\" integer PRIMARY KEY CHECK (\"Card Index\" BETWEEN 1 AND 32767),"
                   " \"Sex\" text NOT NULL, \"Age\" text NOT NULL, \"Stroke\" text NOT NULL,"
                   " \"Distance\" text NOT NULL)"),
};

// The standard setup: five strokes, age groups 9/Under to Over 14, the
// overall records over 50, 100 and 200 m of the four strokes (P), the long
// freestyle distances (Q) and the medleys (R).
const QStringList strokes = {QStringLiteral("FS"), QStringLiteral("BF"), QStringLiteral("BR"),
                             QStringLiteral("BK"), QStringLiteral("IM")};
const QStringList ageLabels = {QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"),
                               QStringLiteral("12"), QStringLiteral("13"), QStringLiteral("14")};
const QStringList overallFourStrokeDistances = {QStringLiteral("50"), QStringLiteral("100"),
                                                QStringLiteral("200")};
const QStringList longFreestyleDistances = {QStringLiteral("400"), QStringLiteral("800"),
                                            QStringLiteral("1500")};
const QStringList medleyDistances = {QStringLiteral("200"), QStringLiteral("400")};

QString setupValue(qsizetype number) { return QString::number(number); }

std::vector<std::pair<QString, QString>> standardSetup() {
    const qsizetype acrCards = 2 * (ageLabels.size() + 1) * strokes.size();
    return {
        {QStringLiteral("Freestyle_Code"), strokes[0]},
        {QStringLiteral("Butterfly_Code"), strokes[1]},
        {QStringLiteral("Breaststroke_Code"), strokes[2]},
        {QStringLiteral("Backstroke_Code"), strokes[3]},
        {QStringLiteral("Medley_Code"), strokes[4]},
        {QStringLiteral("Font_Face_H"), QStringLiteral("Arial")},
        {QStringLiteral("Font_Face_R"), QStringLiteral("Times New Roman")},
        {QStringLiteral("Font_Face_C"), QStringLiteral("Courier New")},
        // Labels stand at 1 up; the one at count - 1 names the open group.
        {QStringLiteral("Age_Group_Count"), setupValue(ageLabels.size() + 1)},
        {QStringLiteral("Overall_Count_P"), setupValue(overallFourStrokeDistances.size())},
        {QStringLiteral("Overall_Count_Q"), setupValue(longFreestyleDistances.size())},
        {QStringLiteral("Overall_Count_R"), setupValue(medleyDistances.size())},
        {QStringLiteral("ACR_Card_Count"), setupValue(acrCards)},
    };
}

// One connection for the length of one command, every statement in one
// transaction; what is not committed is rolled back.
class Writer : public tools::ToolConnection {
public:
    Writer(const QString& path, Mode mode) : ToolConnection(path, mode) { begin(); }
};

QVariant isoDate(const QVariant& value) {
    return value.isNull() ? QVariant() : QVariant(value.toDate().toString(Qt::ISODate));
}

} // namespace

std::vector<CardKey> standardCardKeys() {
    std::vector<CardKey> keys;
    QStringList ages = ageLabels;
    ages << QStringLiteral("Op");
    const QString acrDistance = QStringLiteral("50");
    const QString acrMedleyDistance = QStringLiteral("100");
    for (const QString& sex : {QStringLiteral("F"), QStringLiteral("M")}) {
        for (const QString& age : ages) {
            for (const QString& stroke : strokes)
                keys.push_back({sex, age, stroke, stroke == strokes[4] ? acrMedleyDistance : acrDistance});
        }
    }
    for (const QString& sex : {QStringLiteral("F"), QStringLiteral("M")}) {
        for (int s = 0; s < 4; ++s) {
            for (const QString& distance : overallFourStrokeDistances)
                keys.push_back({sex, QStringLiteral("Ov"), strokes[s], distance});
        }
        for (const QString& distance : longFreestyleDistances)
            keys.push_back({sex, QStringLiteral("Ov"), strokes[0], distance});
        for (const QString& distance : medleyDistances)
            keys.push_back({sex, QStringLiteral("Ov"), strokes[4], distance});
    }
    return keys;
}

// A connection file names a database on a server, which gets the schema;
// any other existing file is left alone.
void createClubDatabase(const QString& path) {
    if (QFileInfo::exists(path) && !store::isConnectionFileAt(path))
        throw ClubDbError(tools::Texts::tr("%1 already exists").arg(path).toStdString());
    Writer writer(path, Writer::Mode::Create);
    for (const QString& statement : writer.onServer() ? postgresSchema : sqliteSchema)
        writer.run(statement);
    for (const auto& [name, value] : standardSetup())
        writer.run(QStringLiteral("INSERT INTO \"Club Setup\" VALUES (?, ?)"), {name, value});
    for (int i = 0; i < ageLabels.size(); ++i)
        writer.run(QStringLiteral("INSERT INTO \"Age Groups\" VALUES (?, ?)"), {i + 1, ageLabels[i]});
    int index = 0;
    for (const CardKey& key : standardCardKeys())
        writer.run(QStringLiteral("INSERT INTO \"Record Cards\" VALUES (?, ?, ?, ?, ?)"),
                   {++index, key.sex, key.age, key.stroke, key.distance});
    writer.commit();
}

void writeRecords(const QString& path, const std::vector<ClubRecordRow>& rows) {
    if (!QFileInfo::exists(path))
        throw ClubDbError(tools::Texts::tr("%1 does not exist").arg(path).toStdString());
    Writer writer(path, Writer::Mode::Existing);
    // A record replaces the one held for its key, in one transaction.
    for (const ClubRecordRow& row : rows) {
        writer.run(QStringLiteral("DELETE FROM \"Club Records\""
                                  " WHERE \"Sex\" = ? AND \"Age\" = ? AND \"Stroke\" = ? AND \"Distance\" = ?"),
                   {row.sex, row.age, row.stroke, row.distance});
        writer.run(QStringLiteral("INSERT INTO \"Club Records\" VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {row.sex, row.age, row.stroke, row.distance, row.recordHolder, row.recordTime,
                    isoDate(row.recordDate), row.yearBestHolder, row.yearBestTime, isoDate(row.yearBestDate)});
    }
    writer.commit();
}

} // namespace clubdb
