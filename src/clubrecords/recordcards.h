#pragma once

#include "recordbook.h"

#include "print/printer.h"

#include <QDate>
#include <QString>

#include <array>
#include <functional>
#include <optional>

// Open-bound markers of the record-date filter.
inline const QString openStartMarker = QStringLiteral("000000");
inline const QString openFinishMarker = QStringLiteral("999999");

// The smallest size a long holder name is shrunk to; below it a name on a
// card is no longer readable at arm's length.
constexpr float minimumHolderPoints = 8;
// Holder names must end before the record time.
constexpr float holderWidthInches = 2.3F;

// The record-date filter: dates strictly between the bounds, an absent
// bound passing every date; undated records only when asked for.
struct DateFilter {
    std::optional<QDate> after;
    std::optional<QDate> before;
    bool includeUndated = false;

    [[nodiscard]] bool passes(const std::optional<QDate>& recordDate) const;
};

// The filter from the start and finish texts ("dd/mm/yy" or the open-bound
// markers) and the 16-bit include-undated flag (1 = include). A text that is
// neither is a "Type mismatch" error.
DateFilter dateFilter(const QString& startText, const QString& finishText, qint16 includeUndated);

// A date text as the date rule reads it (two-digit years in 1930-2029); a
// text that is no date is a "Type mismatch" error naming what it was.
QDate dateOfText(const QString& text, const QString& what);

QString ageGroupText(const ClubSetup& setup, const QString& age);
// Empty for a code that matches no stroke.
QString strokeName(const ClubSetup& setup, const QString& stroke);
// The ten lines of a card's fields, joined by CR LF. The labels, in the
// person's language, are worked out once for all the cards of a print.
class CardPreview {
public:
    CardPreview();
    [[nodiscard]] QString text(const ClubRecord& record) const;

private:
    std::array<QString, 10> m_labels;
    QString m_overall;
};

// The face of style "H", "R" or "C" from the setup, "N" the narrow face;
// any other letter keeps the face.
void Set_Printer_Font(print::Printer& printer, const ClubSetup& setup, const QString& style,
                      qint16 size, const QString& bold, const QString& italic);
// x and y in hundredths of an inch.
void Set_Print_Position(print::Printer& printer, qint16 x, qint16 y);

// What the person is shown while cards print.
struct CardProgress {
    // The fields of each card as it prints.
    std::function<void(const QString& preview)> showPreview;
    // A card whose key the club database holds more than once: it is not
    // printed and takes no place.
    std::function<void(const CardKey& key)> severalRecords;
};

// Prints one card for every index from first to last of the book's cards
// whose record passes the date filter, twelve to a page, and ends the
// print job, also when an error stops it.
void Print_Record_Cards(print::Printer& printer, RecordBook& book, qint16 first, qint16 last,
                        const QString& startText, const QString& finishText, qint16 includeUndated,
                        const CardProgress& progress);
