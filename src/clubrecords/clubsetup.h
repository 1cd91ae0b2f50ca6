#pragma once

#include "store/database.h"

#include <QString>

#include <array>
#include <vector>

// The event key of one record card.
struct CardKey {
    QString sex;
    QString age;
    QString stroke;
    QString distance;

    bool operator==(const CardKey&) const = default;
};

// The club's setup: stroke codes, age groups, card faces, card counts and
// the event key of every record card, as the club database holds them.
struct ClubSetup {
    QString freestyleCode;
    QString butterflyCode;
    QString breaststrokeCode;
    QString backstrokeCode;
    QString medleyCode;

    // Index 1 is the youngest group; the label at ageGroupCount - 1 names
    // the open group.
    std::array<QString, 22> ageGroupLabels;
    qint16 ageGroupCount = 0;

    // Font faces of the card styles "H", "R" and "C".
    QString fontFaceH;
    QString fontFaceR;
    QString fontFaceC;

    // Overall cards per sex: 4 x P + Q + R. ACR cards of both sexes: D.
    qint16 overallCountP = 0;
    qint16 overallCountQ = 0;
    qint16 overallCountR = 0;
    qint16 acrCardCount = 0;

    // Keys in card-index order: cardKeys[0] is card 1. The ACR cards (girls'
    // half first), then the girls' overall cards, then the boys'.
    std::vector<CardKey> cardKeys;

    // The keys of cards first to last; none when first is beyond last. A
    // card the list does not hold is a "Subscript out of range" error.
    [[nodiscard]] std::vector<CardKey> cards(qint16 first, qint16 last) const;
};

// Reads the setup from an open club database. A missing or inconsistent
// setup is an error naming what is wrong.
ClubSetup loadClubSetup(store::Database& clubDatabase);
