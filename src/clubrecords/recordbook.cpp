#include "recordbook.h"

#include "clubrecordtexts.h"

#include "store/kelvaneerror.h"

#include "swimtime/daterules.h"

#include <QDate>
#include <QDateTime>

#include <algorithm>

namespace {

using store::ErrorNumber;
using store::KelvaneError;

const QStringList parameterNames = {QStringLiteral("Enter Sex"), QStringLiteral("Enter Age"),
                                    QStringLiteral("Enter Stroke"),
                                    QStringLiteral("Enter Distance")};

// The columns a record is read from, in the order of ClubRecord's fields.
enum RecordColumn { Holder, Time, Date, YearBestHolder, YearBestTime, YearBestDate };
const QStringList recordColumns = {
    QStringLiteral("Record Holder"),  QStringLiteral("Record Time"),
    QStringLiteral("Record Date"),    QStringLiteral("Year Best Holder"),
    QStringLiteral("Year Best Time"), QStringLiteral("Year Best Date")};

// A printed sheet holds twelve cards.
constexpr size_t keysPerRead = 12;

QString textOf(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

QString dateOf(const QVariant& value, const QString& column) {
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
    return shortDateText(date);
}

// The record columns of the row, when there is exactly one.
QVariantList recordValues(store::RecordSet& rows) {
    QVariantList values;
    if (rows.recordCount() == 1) {
        rows.moveFirst();
        for (const QString& column : recordColumns)
            values << rows.value(column);
    }
    return values;
}

} // namespace

QString severalRecordsText(const CardKey& key) {
    return ClubRecordTexts::tr("Multiple records exist for %1 %2 %3 %4 - Cannot continue")
        .arg(key.sex, key.age, key.stroke, key.distance);
}

KeyRows::KeyRows(CardKey key, int count, QVariantList values)
    : m_key(std::move(key))
    , m_count(count)
    , m_values(std::move(values)) {}

RecordLookup KeyRows::lookup() const {
    if (m_count > 1)
        return SeveralRecords{m_key};
    ClubRecord record{m_key.sex, m_key.age, m_key.stroke, m_key.distance, {}, {}, {}, {}, {}, {}};
    if (m_count == 1) {
        record.Record_Holder = textOf(m_values[Holder]);
        record.Record_Time = textOf(m_values[Time]);
        record.Record_Date = dateOf(m_values[Date], recordColumns[Date]);
        record.Year_Best_Holder = textOf(m_values[YearBestHolder]);
        record.Year_Best_Time = textOf(m_values[YearBestTime]);
        record.Year_Best_Date = dateOf(m_values[YearBestDate], recordColumns[YearBestDate]);
    }
    return record;
}

RecordBook::RecordBook(std::unique_ptr<store::Database> club, ClubSetup setup)
    : m_club(std::move(club))
    , m_setup(std::move(setup)) {}

RecordBook RecordBook::open(const QString& path) {
    std::unique_ptr<store::Database> club = store::openDatabase(
        path, QStringLiteral(QT_TRANSLATE_NOOP("Database", "club database")), {.readOnly = true});
    ClubSetup setup = loadClubSetup(*club);
    club->queryDef(clubRecordQuery);
    return {std::move(club), std::move(setup)};
}

std::vector<KeyRows> RecordBook::read(const std::vector<CardKey>& keys) {
    std::vector<KeyRows> read;
    if (keys.empty())
        return read;
    if (!m_club)
        throw KelvaneError(ErrorNumber::ObjectClosed,
                           ClubRecordTexts::tr("The club database is not open."));
    const std::unique_ptr<store::QueryDef> query = m_club->queryDef(clubRecordQuery);
    read.reserve(keys.size());
    for (size_t first = 0; first < keys.size(); first += keysPerRead) {
        const size_t end = std::min(keys.size(), first + keysPerRead);
        std::vector<QStringList> values;
        for (size_t i = first; i < end; ++i)
            values.push_back({keys[i].sex, keys[i].age, keys[i].stroke, keys[i].distance});
        const std::vector<std::unique_ptr<store::RecordSet>> rows =
            query->openEach(parameterNames, values);
        for (size_t i = first; i < end; ++i) {
            store::RecordSet& keyRows = *rows[i - first];
            read.emplace_back(keys[i], keyRows.recordCount(), recordValues(keyRows));
            keyRows.close();
        }
    }
    return read;
}
