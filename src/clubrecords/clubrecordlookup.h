#pragma once

#include "store/database.h"

#include <QString>

#include <memory>

// Key and record of the last club-record lookup, all as text.
struct ClubRecord {
    QString Sex;
    QString Age;
    QString Stroke;
    QString Distance;
    QString Record_Holder;
    QString Record_Time;
    QString Record_Date;  // "dd/mm/yy" or empty
    QString Year_Best_Holder;
    QString Year_Best_Time;
    QString Year_Best_Date;  // "dd/mm/yy" or empty

    bool operator==(const ClubRecord&) const = default;
};

// The open club database; opened and closed by whoever starts the club
// records windows, never by the lookup.
inline std::unique_ptr<store::Database> Club_DB;

// Opens the club database at path as Club_DB. It is only read: nothing in
// it, its saved query included, can change it or any other file.
void openClubDatabaseReadOnly(const QString& path);
// While true, the lookup and the per-card fetch do nothing at all.
inline bool Club_Records_Off = false;
inline ClubRecord Club_Record_Result;

inline const QString clubRecordQuery = QStringLiteral("Club Record");

// Fetches the record of one event key into Club_Record_Result. Returns
// false when the key is ambiguous (the club database holds it more than
// once): then the user has been told, and Club_Record_Result is unchanged
// and does not describe this key.
bool Lookup_Club_Record(const QString& sex, const QString& age, const QString& stroke,
                        const QString& distance);

// Looks up the record of the card with that index (1 = the first card of
// Card_Keys). Returns false as Lookup_Club_Record does.
bool Fetch_Card_Record(qint16 cardIndex);
