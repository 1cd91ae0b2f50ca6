#pragma once

#include <QtGlobal>

// Where each block of record cards lies in the one run of card indices:
// the ACR cards (girls' half first), then the girls' overall cards, then
// the boys'. All arithmetic is 16-bit; going beyond is an "Overflow" error.

struct CardBlock {
    qint16 first;
    qint16 last;

    bool operator==(const CardBlock&) const = default;
};

// 4 x P + Q + R overall cards for each sex.
qint16 overallCardsPerSex(qint16 p, qint16 q, qint16 r);

// The halves of D ACR cards are rounded to the nearest index, halves to
// even: with an odd D a card may fall in both halves or in neither.
CardBlock acrBlock(bool boys, qint16 acrCardCount);
CardBlock overallBlock(bool boys, qint16 acrCardCount, qint16 overallPerSex);
