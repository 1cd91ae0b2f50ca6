#include "clubdatabase.h"

#include <QHash>

#include <cmath>

namespace clubdb {

namespace {

const QStringList girlsNames = {
    QStringLiteral("Amy Hartley"),      QStringLiteral("Chloe Barnes"),    QStringLiteral("Megan O'Neill"),
    QStringLiteral("Sophie Turner"),    QStringLiteral("Hannah Price"),    QStringLiteral("Lucy Wright"),
    QStringLiteral("Emily Shaw"),       QStringLiteral("Katie Dunn"),      QStringLiteral("Rebecca Lloyd"),
    QStringLiteral("Jessica Ford"),     QStringLiteral("Laura McKenzie"),  QStringLiteral("Ellie Walsh"),
    QStringLiteral("Alexandra Fairweather-Montgomery"), QStringLiteral("Georgina Worthington-Smythe"),
};
const QStringList boysNames = {
    QStringLiteral("Tom Fletcher"),     QStringLiteral("James Doyle"),     QStringLiteral("Ben Harris"),
    QStringLiteral("Daniel Marsh"),     QStringLiteral("Sam Okafor"),      QStringLiteral("Jack Holmes"),
    QStringLiteral("Ryan Patel"),       QStringLiteral("Owen Griffiths"),  QStringLiteral("Liam Byrne"),
    QStringLiteral("Matthew Kerr"),     QStringLiteral("Josh Whitaker"),   QStringLiteral("Callum Reid"),
    QStringLiteral("Christopher Abernethy-Lowndes"),
};

// Seconds per 50 m for a fast club swimmer of each stroke.
const QHash<QString, double> secondsPer50 = {
    {QStringLiteral("FS"), 27.5}, {QStringLiteral("BF"), 30.0}, {QStringLiteral("BR"), 34.5},
    {QStringLiteral("BK"), 31.0}, {QStringLiteral("IM"), 32.0},
};

// A small fixed-seed generator, so every demo database is the same.
class Dice {
public:
    int roll(int sides) {
        m_state = m_state * 1103515245U + 12345U;
        return int((m_state >> 16) % unsigned(sides));
    }

private:
    unsigned m_state = 2005;
};

double ageFactor(const QString& age) {
    if (age == QLatin1String("Ov"))
        return 1.0;
    if (age == QLatin1String("Op"))
        return 1.05;
    return 1.08 + 0.07 * (14 - age.toInt());
}

QString swimTime(double seconds) {
    const int hundredths = int(std::lround(seconds * 100));
    const int minutes = hundredths / 6000;
    const QString rest = QStringLiteral("%1.%2")
                             .arg(hundredths % 6000 / 100, 2, 10, QLatin1Char('0'))
                             .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
    return minutes > 0 ? QStringLiteral("%1:%2").arg(minutes).arg(rest) : rest;
}

double recordSeconds(const CardKey& key, Dice& dice) {
    const double lengths = key.distance.toDouble() / 50;
    const double tiring = 1 + 0.07 * std::log2(lengths);
    const double sex = key.sex == QLatin1String("F") ? 1.09 : 1.0;
    const double spread = 1 + dice.roll(60) / 1000.0;
    return secondsPer50.value(key.stroke) * lengths * tiring * sex * ageFactor(key.age) * spread;
}

QDate someDate(Dice& dice, int firstYear, int lastYear) {
    return QDate(firstYear + dice.roll(lastYear - firstYear + 1), 1, 1).addDays(dice.roll(365));
}

} // namespace

std::vector<ClubRecordRow> demoRecords() {
    Dice dice;
    std::vector<ClubRecordRow> rows;
    for (const CardKey& key : standardCardKeys()) {
        const QStringList& names = key.sex == QLatin1String("F") ? girlsNames : boysNames;
        const double record = recordSeconds(key, dice);
        ClubRecordRow row{key.sex, key.age, key.stroke, key.distance, names[dice.roll(int(names.size()))],
                          swimTime(record), QVariant(), QVariant(), QVariant(), QVariant()};
        // Records set before the club kept dates have none.
        if (dice.roll(10) > 0)
            row.recordDate = someDate(dice, 1978, 2004);
        if (dice.roll(4) > 0) {
            row.yearBestHolder = names[dice.roll(int(names.size()))];
            row.yearBestTime = swimTime(record * (1.01 + dice.roll(50) / 1000.0));
            row.yearBestDate = someDate(dice, 2004, 2005);
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace clubdb
