#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// Reads a typed date day first: day, month and year separated by "/", "-"
// or blanks. The day is one or two digits, the month one or two digits or
// an English month name (full or three letters, any case), the year two
// digits (1930-2029) or four. Day and month alone mean that day in
// today's year. Anything else, including a date that does not exist, is no
// date: the fields are never read in another order.
std::optional<QDate> readDate(QStringView text, QDate today);

// Reads a seven-character date such as 01SEP05: characters 1-2, 3-5 and
// 6-7 are read as day, month and year.
std::optional<QDate> Read_Compact_Date(QStringView text, QDate today);

// The date as "dd/mm/yy" and as "ddMmmyy" (25Dec04), the year by its last
// two digits; a year before the common era is written as Qt writes it, with
// its sign. Nothing for no date.
QString shortDateText(QDate date);
QString compactDateText(QDate date);

// The typed date as "dd/mm/yy", or nothing when it is no date. A text of
// seven characters without "/" or "'" is read in the compact form.
std::optional<QString> normalisedDate(QStringView text, QDate today);
