#pragma once

#include "store/database.h"

#include <QString>

#include <array>
#include <vector>

// The club's shared setup: stroke codes, age groups, card faces, card
// counts and the event key of every record card. Loaded from the club
// database when it is opened; the windows only read it.

inline QString Freestyle_Code;
inline QString Butterfly_Code;
inline QString Breaststroke_Code;
inline QString Backstroke_Code;
inline QString Medley_Code;

// Index 1 is the youngest group; the label at Age_Group_Count - 1 names
// the open group.
inline std::array<QString, 22> Age_Group_Labels;
inline qint16 Age_Group_Count = 0;

// Font faces of the card styles "H", "R" and "C".
inline QString Font_Face_H;
inline QString Font_Face_R;
inline QString Font_Face_C;

// Overall cards per sex: 4 x P + Q + R. ACR cards of both sexes: D.
inline qint16 Overall_Count_P = 0;
inline qint16 Overall_Count_Q = 0;
inline qint16 Overall_Count_R = 0;
inline qint16 ACR_Card_Count = 0;

// The event key of one record card.
struct CardKey {
    QString sex;
    QString age;
    QString stroke;
    QString distance;
};

// Keys in card-index order: Card_Keys[0] is card 1. The ACR cards (girls'
// half first), then the girls' overall cards, then the boys'.
inline std::vector<CardKey> Card_Keys;

// Reads the setup from an open club database into the variables above.
// A missing or inconsistent setup is an error naming what is wrong.
void loadClubSetup(store::Database& clubDatabase);
