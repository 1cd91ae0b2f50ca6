#include "cardblocks.h"

#include "store/int16.h"

using store::roundToInt16;
using store::toInt16;

qint16 overallCardsPerSex(qint16 p, qint16 q, qint16 r) {
    return toInt16(qint64(toInt16(qint64(toInt16(4 * qint64(p))) + q)) + r);
}

CardBlock acrBlock(bool boys, qint16 acrCardCount) {
    const double half = acrCardCount / 2.0;
    if (boys)
        return {roundToInt16(half + 1), acrCardCount};
    return {1, roundToInt16(half)};
}

CardBlock overallBlock(bool boys, qint16 acrCardCount, qint16 overallPerSex) {
    if (boys)
        return {toInt16(qint64(toInt16(qint64(acrCardCount) + overallPerSex)) + 1),
                toInt16(qint64(acrCardCount) + toInt16(2 * qint64(overallPerSex)))};
    return {toInt16(qint64(acrCardCount) + 1), toInt16(qint64(acrCardCount) + overallPerSex)};
}
