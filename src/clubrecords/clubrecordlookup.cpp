#include "clubrecordlookup.h"

#include "clubrecordtexts.h"
#include "clubsetup.h"

#include "store/kelvaneerror.h"
#include "ui/messagebox.h"

#include <QDate>
#include <QDateTime>

namespace {

using store::ErrorNumber;
using store::KelvaneError;

// Closes the result however the lookup ends.
class OpenResult {
public:
    explicit OpenResult(std::unique_ptr<store::RecordSet> rows) : m_rows(std::move(rows)) {}
    ~OpenResult() { m_rows->close(); }
    store::RecordSet& operator*() { return *m_rows; }
    store::RecordSet* operator->() { return m_rows.get(); }
    OpenResult(const OpenResult&) = delete;
    OpenResult& operator=(const OpenResult&) = delete;

private:
    std::unique_ptr<store::RecordSet> m_rows;
};

QString textOf(const store::RecordSet& row, const QString& column) {
    const QVariant value = row.value(column);
    return value.isNull() ? QString() : value.toString();
}

QString dateOf(const store::RecordSet& row, const QString& column) {
    const QVariant value = row.value(column);
    if (value.isNull())
        return QString();
    QDate date;
    if (value.typeId() == QMetaType::QDate)
        date = value.toDate();
    else if (value.typeId() == QMetaType::QDateTime)
        date = value.toDateTime().date();
    if (!date.isValid())
        throw KelvaneError(
            ErrorNumber::TypeMismatch,
            ClubRecordTexts::tr("Type mismatch: '%1' holds '%2', which is not a date.")
                .arg(column, value.toString()));
    return date.toString(QStringLiteral("dd/MM/yy"));
}

} // namespace

void openClubDatabaseReadOnly(const QString& path) {
    Club_DB = store::openDatabase(
        path, QStringLiteral(QT_TRANSLATE_NOOP("Database", "club database")), {.readOnly = true});
}

bool Lookup_Club_Record(const QString& sex, const QString& age, const QString& stroke,
                        const QString& distance) {
    if (Club_Records_Off)
        return true;
    if (!Club_DB)
        throw KelvaneError(ErrorNumber::ObjectClosed,
                           ClubRecordTexts::tr("The club database is not open."));
    const std::unique_ptr<store::QueryDef> query = Club_DB->queryDef(clubRecordQuery);
    query->setParameter(QStringLiteral("Enter Sex"), sex);
    query->setParameter(QStringLiteral("Enter Age"), age);
    query->setParameter(QStringLiteral("Enter Stroke"), stroke);
    query->setParameter(QStringLiteral("Enter Distance"), distance);
    OpenResult rows(query->openRecordset());
    const int count = rows->recordCount();
    if (count > 1) {
        ui::showMessage(
            ClubRecordTexts::tr("Multiple records exist for %1 %2 %3 %4 - Cannot continue")
                .arg(sex, age, stroke, distance));
        return false;
    }
    ClubRecord result{sex, age, stroke, distance, {}, {}, {}, {}, {}, {}};
    if (count == 1) {
        rows->moveFirst();
        result.Record_Holder = textOf(*rows, QStringLiteral("Record Holder"));
        result.Record_Time = textOf(*rows, QStringLiteral("Record Time"));
        result.Record_Date = dateOf(*rows, QStringLiteral("Record Date"));
        result.Year_Best_Holder = textOf(*rows, QStringLiteral("Year Best Holder"));
        result.Year_Best_Time = textOf(*rows, QStringLiteral("Year Best Time"));
        result.Year_Best_Date = dateOf(*rows, QStringLiteral("Year Best Date"));
    }
    Club_Record_Result = result;
    return true;
}

bool Fetch_Card_Record(qint16 cardIndex) {
    if (Club_Records_Off)
        return true;
    if (cardIndex < 1 || size_t(cardIndex) > Card_Keys.size())
        throw KelvaneError(
            ErrorNumber::SubscriptOutOfRange,
            ClubRecordTexts::tr("Subscript out of range: the club setup has no record card %1.")
                .arg(cardIndex));
    const CardKey& key = Card_Keys[size_t(cardIndex) - 1];
    return Lookup_Club_Record(key.sex, key.age, key.stroke, key.distance);
}
