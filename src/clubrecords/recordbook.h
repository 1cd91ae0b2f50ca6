#pragma once

#include "clubsetup.h"

#include "store/database.h"

#include <QString>
#include <QVariantList>

#include <memory>
#include <variant>
#include <vector>

inline const QString clubRecordQuery = QStringLiteral("Club Record");

// The key and record of one event, all as text.
struct ClubRecord {
    QString Sex;
    QString Age;
    QString Stroke;
    QString Distance;
    QString Record_Holder;
    QString Record_Time;
    QString Record_Date; // "dd/mm/yy" or empty
    QString Year_Best_Holder;
    QString Year_Best_Time;
    QString Year_Best_Date; // "dd/mm/yy" or empty

    bool operator==(const ClubRecord&) const = default;
};

// The club database holds the key more than once, so it has no one record
// to tell.
struct SeveralRecords {
    CardKey key;

    bool operator==(const SeveralRecords&) const = default;
};

// The record of a key (its record fields empty when the club has none for
// it), or several records.
using RecordLookup = std::variant<ClubRecord, SeveralRecords>;

// What the person is told of a key held more than once: "Multiple records
// exist for F 12 FS 50 - Cannot continue".
QString severalRecordsText(const CardKey& key);

// What the club database held for one key when it was read.
class KeyRows {
public:
    // values: the record columns of the row when there was exactly one.
    KeyRows(CardKey key, int count, QVariantList values);

    // A record date that is no date is a "Type mismatch" error, raised
    // here rather than when the rows were read, so that the cards before
    // it still print.
    [[nodiscard]] RecordLookup lookup() const;

private:
    CardKey m_key;
    int m_count;
    QVariantList m_values;
};

// The club's records: the club database, only ever read, and its setup.
// Records are read through the database's saved query "Club Record" with
// the key's values bound to its parameters, never spliced into its SQL.
class RecordBook {
public:
    // Without a club database, reading any key is an error.
    RecordBook() = default;
    RecordBook(std::unique_ptr<store::Database> club, ClubSetup setup);

    // Opens the club database at path so that nothing in it, its saved
    // query included, can change it or any other file; reads its setup and
    // makes sure the saved query is there. Throws why the file cannot be
    // the club database.
    static RecordBook open(const QString& path);

    [[nodiscard]] const ClubSetup& setup() const { return m_setup; }

    // The rows of each key, in the order of keys. Each sheet's worth of
    // keys is read in one read of the club database, so its file is
    // locked against the club's own writer once a sheet, and never while
    // cards print.
    std::vector<KeyRows> read(const std::vector<CardKey>& keys);

private:
    std::unique_ptr<store::Database> m_club;
    ClubSetup m_setup;
};
