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

std::array<QString, 22> ageGroups(store::Database& database) {
    std::array<QString, 22> labels;
    forEachRow(database, ageGroupTable, [&](const store::RecordSet& row) {
        const qint64 position = wholeNumber(fieldText(row, QStringLiteral("Position")), ageGroupTable);
        if (position < 0 || position >= qint64(labels.size()))
            throw KelvaneError(
                ErrorNumber::SubscriptOutOfRange,
                ClubRecordTexts::tr("Subscript out of range: age group %1.").arg(position));
        labels[size_t(position)] = fieldText(row, QStringLiteral("Label"));
    });
    return labels;
}

// The Print window reaches every card by index from the counts alone, so
// the list must hold exactly the cards the counts describe.
std::vector<CardKey> cardKeys(store::Database& database, qint64 expected) {
    QHash<qint64, CardKey> byIndex;
    forEachRow(database, cardTable, [&](const store::RecordSet& row) {
        byIndex.insert(wholeNumber(fieldText(row, QStringLiteral("Card Index")), cardTable),
                       CardKey{fieldText(row, QStringLiteral("Sex")), fieldText(row, QStringLiteral("Age")),
                               fieldText(row, QStringLiteral("Stroke")), fieldText(row, QStringLiteral("Distance"))});
    });
    std::vector<CardKey> keys;
    for (qint64 index = 1; index <= byIndex.size(); ++index) {
        const auto key = byIndex.constFind(index);
        if (key == byIndex.cend())
            break;
        keys.push_back(*key);
    }
    if (qint64(keys.size()) != byIndex.size() || byIndex.size() != expected)
        throw KelvaneError(
            ErrorNumber::DatabaseOperationFailed,
            ClubRecordTexts::tr("The club database lists %1 record cards numbered from 1 up, "
                                "but its setup counts %2.")
                .arg(keys.size())
                .arg(expected));
    return keys;
}

} // namespace

std::vector<CardKey> ClubSetup::cards(qint16 first, qint16 last) const {
    std::vector<CardKey> keys;
    for (int index = first; index <= last; ++index) {
        if (index < 1 || size_t(index) > cardKeys.size())
            throw KelvaneError(
                ErrorNumber::SubscriptOutOfRange,
                ClubRecordTexts::tr("Subscript out of range: the club setup has no record card %1.")
                    .arg(index));
        keys.push_back(cardKeys[size_t(index) - 1]);
    }
    return keys;
}

ClubSetup loadClubSetup(store::Database& clubDatabase) {
    const Settings settings(clubDatabase);
    ClubSetup setup;
    const std::pair<QString ClubSetup::*, const char*> texts[] = {
        {&ClubSetup::freestyleCode, "Freestyle_Code"},
        {&ClubSetup::butterflyCode, "Butterfly_Code"},
        {&ClubSetup::breaststrokeCode, "Breaststroke_Code"},
        {&ClubSetup::backstrokeCode, "Backstroke_Code"},
        {&ClubSetup::medleyCode, "Medley_Code"},
        {&ClubSetup::fontFaceH, "Font_Face_H"},
        {&ClubSetup::fontFaceR, "Font_Face_R"},
        {&ClubSetup::fontFaceC, "Font_Face_C"},
    };
    for (const auto& [member, name] : texts)
        setup.*member = settings.text(QString::fromLatin1(name));
    const std::pair<qint16 ClubSetup::*, const char*> counts[] = {
        {&ClubSetup::ageGroupCount, "Age_Group_Count"},
        {&ClubSetup::overallCountP, "Overall_Count_P"},
        {&ClubSetup::overallCountQ, "Overall_Count_Q"},
        {&ClubSetup::overallCountR, "Overall_Count_R"},
        {&ClubSetup::acrCardCount, "ACR_Card_Count"},
    };
    for (const auto& [member, name] : counts)
        setup.*member = settings.count(QString::fromLatin1(name));
    setup.ageGroupLabels = ageGroups(clubDatabase);
    setup.cardKeys = cardKeys(clubDatabase, qint64(setup.acrCardCount) +
                                                2 * (4 * qint64(setup.overallCountP) +
                                                     setup.overallCountQ + setup.overallCountR));
    return setup;
}
