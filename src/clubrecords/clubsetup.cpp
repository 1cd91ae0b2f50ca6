#include "clubsetup.h"
#include "clubrecordtexts.h"

#include "store/int16.h"
#include "store/kelvaneerror.h"

#include <QHash>

namespace {

using store::ErrorNumber;
using store::KelvaneError;

const QString setupTable = QStringLiteral("Club Setup");
const QString ageGroupTable = QStringLiteral("Age Groups");
const QString cardTable = QStringLiteral("Record Cards");

template <class Visit>
void forEachRow(store::Database& database, const QString& rowSource, Visit visit) {
    store::forEachRow(database.openRecordset(rowSource), visit);
}

QString fieldText(const store::RecordSet& row, const QString& field) {
    const QVariant value = row.value(field);
    if (value.isNull())
        throw KelvaneError(
            ErrorNumber::InvalidUseOfNull,
            ClubRecordTexts::tr("Invalid use of Null: '%1' is empty in the club setup.")
                .arg(field));
    return value.toString();
}

qint64 wholeNumber(const QString& text, const QString& what) {
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (!ok)
        throw KelvaneError(ErrorNumber::TypeMismatch,
                           ClubRecordTexts::tr(
                               "Type mismatch: '%1' of the club setup is '%2', not a whole number.")
                               .arg(what, text));
    return number;
}

class Settings {
public:
    explicit Settings(store::Database& database) {
        forEachRow(database, setupTable, [this](const store::RecordSet& row) {
            m_values.insert(fieldText(row, QStringLiteral("Name")), fieldText(row, QStringLiteral("Value")));
        });
    }
    [[nodiscard]] QString text(const QString& name) const {
        const auto value = m_values.constFind(name);
        if (value == m_values.cend())
            throw KelvaneError(ErrorNumber::ItemNotFound,
                               ClubRecordTexts::tr("The club setup has no '%1'.").arg(name));
        return *value;
    }
    [[nodiscard]] qint16 count(const QString& name) const {
        return store::toInt16(wholeNumber(text(name), name));
    }

private:
    QHash<QString, QString> m_values;
};

void loadAgeGroups(store::Database& database) {
    Age_Group_Labels = {};
    forEachRow(database, ageGroupTable, [](const store::RecordSet& row) {
        const qint64 position = wholeNumber(fieldText(row, QStringLiteral("Position")), ageGroupTable);
        if (position < 0 || position >= qint64(Age_Group_Labels.size()))
            throw KelvaneError(
                ErrorNumber::SubscriptOutOfRange,
                ClubRecordTexts::tr("Subscript out of range: age group %1.").arg(position));
        Age_Group_Labels[size_t(position)] = fieldText(row, QStringLiteral("Label"));
    });
}

void loadCardKeys(store::Database& database) {
    QHash<qint64, CardKey> byIndex;
    forEachRow(database, cardTable, [&](const store::RecordSet& row) {
        byIndex.insert(wholeNumber(fieldText(row, QStringLiteral("Card Index")), cardTable),
                       CardKey{fieldText(row, QStringLiteral("Sex")), fieldText(row, QStringLiteral("Age")),
                               fieldText(row, QStringLiteral("Stroke")), fieldText(row, QStringLiteral("Distance"))});
    });
    // The Print window reaches every card by index from the counts alone,
    // so the list must hold exactly the cards the counts describe.
    const qint64 expected = qint64(ACR_Card_Count) +
                            2 * (4 * qint64(Overall_Count_P) + Overall_Count_Q + Overall_Count_R);
    Card_Keys.clear();
    for (qint64 index = 1; index <= byIndex.size(); ++index) {
        const auto key = byIndex.constFind(index);
        if (key == byIndex.cend())
            break;
        Card_Keys.push_back(*key);
    }
    if (qint64(Card_Keys.size()) != byIndex.size() || byIndex.size() != expected)
        throw KelvaneError(
            ErrorNumber::DatabaseOperationFailed,
            ClubRecordTexts::tr("The club database lists %1 record cards numbered from 1 up, "
                                "but its setup counts %2.")
                .arg(Card_Keys.size())
                .arg(expected));
}

} // namespace

void loadClubSetup(store::Database& clubDatabase) {
    const Settings settings(clubDatabase);
    Freestyle_Code = settings.text(QStringLiteral("Freestyle_Code"));
    Butterfly_Code = settings.text(QStringLiteral("Butterfly_Code"));
    Breaststroke_Code = settings.text(QStringLiteral("Breaststroke_Code"));
    Backstroke_Code = settings.text(QStringLiteral("Backstroke_Code"));
    Medley_Code = settings.text(QStringLiteral("Medley_Code"));
    Font_Face_H = settings.text(QStringLiteral("Font_Face_H"));
    Font_Face_R = settings.text(QStringLiteral("Font_Face_R"));
    Font_Face_C = settings.text(QStringLiteral("Font_Face_C"));
    Age_Group_Count = settings.count(QStringLiteral("Age_Group_Count"));
    Overall_Count_P = settings.count(QStringLiteral("Overall_Count_P"));
    Overall_Count_Q = settings.count(QStringLiteral("Overall_Count_Q"));
    Overall_Count_R = settings.count(QStringLiteral("Overall_Count_R"));
    ACR_Card_Count = settings.count(QStringLiteral("ACR_Card_Count"));
    loadAgeGroups(clubDatabase);
    loadCardKeys(clubDatabase);
}
