#pragma once

#include <QDate>
#include <QString>

// The date and time rules as the data-entry windows use them: a rejected
// entry shows its message and comes back as the empty text, which the
// window puts back into its box.

// The typed date as "dd/mm/yy", or "Invalid Date" and the empty text.
QString Validate_Date(const QString& text, QDate today = QDate::currentDate());

// The seconds as swim-time text, or "Invalid Time" and the empty text when
// they are over one hour (or no number at all).
QString Seconds_To_Time(float seconds);
