#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace desk {

// Times and days shown to the person, as their locale writes them
// ("14:32", "2:32 PM"; "14.06.26", "6/14/26"). Where no locale is set (C),
// as kelvane always has: "14:32", "14:32:05", "14 Jun".
QString timeOfDayText(const QTime& time, const QLocale& locale = QLocale());
QString timeWithSecondsText(const QTime& time, const QLocale& locale = QLocale());
QString dayText(const QDate& day, const QLocale& locale = QLocale());

} // namespace desk
