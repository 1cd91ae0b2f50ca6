#include "recordcards.h"

#include "clubrecordtexts.h"

#include "store/int16.h"
#include "store/kelvaneerror.h"

#include "swimtime/daterules.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// Card geometry in hundredths of an inch.
constexpr qint16 cardWidth = 410;
constexpr qint16 cardHeight = 85;
constexpr int rowsPerPage = 12;
constexpr int columnsPerRow = 1;
constexpr qint16 cardPoints = 10;
constexpr qint16 holderPoints = 18;

const QString markLine = QStringLiteral("     ..                                 ..");

std::optional<QDate> boundDate(const QString& text, const QString& openMarker, const QString& what) {
    if (text == openMarker)
        return std::nullopt;
    return dateOfText(text, what);
}

void printAt(print::Printer& printer, qint16 x, qint16 y, const QString& text) {
    Set_Print_Position(printer, x, y);
    printer.print(text);
}

// Whether the holder at this size ends before the record time; leaves the
// printer at the size.
bool fitsAt(print::Printer& printer, float points, const QString& holder) {
    printer.setFontSize(points);
    return printer.textWidth(holder) < holderWidthInches;
}

// A font's widths grow with its size, nearly in proportion: the size that
// proportion names for the holder, when it fits and the size above it does
// not, is the size that lowering a point at a time reaches, found in two
// measurements instead of up to ten. Nothing when the check fails.
std::optional<float> proportionalSize(print::Printer& printer, const QString& holder, float full,
                                      float width) {
    if (full - 1 < minimumHolderPoints)
        return std::nullopt;
    const float guess =
        std::clamp(std::floor(full * holderWidthInches / width), minimumHolderPoints, full - 1);
    if (guess + 1 < full && fitsAt(printer, guess + 1, holder))
        return std::nullopt;
    if (guess > minimumHolderPoints && !fitsAt(printer, guess, holder))
        return std::nullopt;
    return guess;
}

// Lowers the size a point at a time until the holder is narrower than the
// space before the time, but not below the smallest readable size.
void fitHolder(print::Printer& printer, const QString& holder) {
    const float full = printer.fontSize();
    const float width = printer.textWidth(holder);
    if (!(width > holderWidthInches))
        return;
    if (const std::optional<float> size = proportionalSize(printer, holder, full, width)) {
        printer.setFontSize(*size);
        return;
    }
    float size = full;
    do
        size -= 1;
    while (!fitsAt(printer, size, holder) && size > minimumHolderPoints);
}

void printCard(print::Printer& printer, const ClubSetup& setup, const ClubRecord& card,
               const std::optional<QDate>& date, qint16 x0, qint16 y0) {
    const auto at = [](qint16 origin, qint16 offset) { return store::toInt16(qint64(origin) + offset); };
    Set_Printer_Font(printer, setup, QStringLiteral("H"), cardPoints, QString(), QString());
    printAt(printer, at(x0, 0), at(y0, 0), markLine);
    printAt(printer, at(x0, 50), at(y0, 30), card.Sex == QLatin1String("F") ? QStringLiteral("Girls")
                                                                            : QStringLiteral("Boys"));
    printAt(printer, at(x0, 90), at(y0, 30), ageGroupText(setup, card.Age));
    const QString stroke = strokeName(setup, card.Stroke);
    if (!stroke.isEmpty())
        printAt(printer, at(x0, 215), at(y0, 30), stroke);
    printAt(printer, at(x0, 165), at(y0, 30), card.Distance + QLatin1Char('m'));
    if (date)
        printAt(printer, at(x0, 340), at(y0, 30), compactDateText(*date));
    Set_Printer_Font(printer, setup, QStringLiteral("H"), holderPoints, QStringLiteral("B"),
                     QString());
    fitHolder(printer, card.Record_Holder);
    printAt(printer, at(x0, 50), at(y0, 50), card.Record_Holder);
    printer.setFontSize(holderPoints);
    printAt(printer, at(x0, 300), at(y0, 50), card.Record_Time);
    Set_Printer_Font(printer, setup, QStringLiteral("H"), cardPoints, QString(), QString());
    printAt(printer, at(x0, 0), at(y0, 85), markLine);
}

[[noreturn]] void throwNotADate(const QString& text, const QString& what) {
    throw store::KelvaneError(
        store::ErrorNumber::TypeMismatch,
        ClubRecordTexts::tr("Type mismatch: %1 '%2' is not a date.").arg(what, text));
}

// Every card reads its date: the day is asked of the system once a print,
// and the record is named only when its date is not one.
std::optional<QDate> recordDateOf(const ClubRecord& card, QDate today) {
    if (card.Record_Date.isEmpty())
        return std::nullopt;
    if (std::optional<QDate> date = readDate(card.Record_Date, today))
        return date;
    throwNotADate(card.Record_Date, ClubRecordTexts::tr("the record date of %1 %2 %3 %4")
                                        .arg(card.Sex, card.Age, card.Stroke, card.Distance));
}

// The block's records are all read before the first card prints, so the
// club's file is never locked while the printer works.
void printCards(print::Printer& printer, RecordBook& book, qint16 first, qint16 last,
                const DateFilter& filter, const CardProgress& progress) {
    const std::vector<KeyRows> records = book.read(book.setup().cards(first, last));
    const CardPreview preview;
    const QDate today = QDate::currentDate();
    int row = 1;
    int column = 1;
    // A full page is followed by a new one only when another card comes:
    // a break after the last card would feed a blank sheet of card stock.
    bool pageFull = false;
    for (const KeyRows& rows : records) {
        const RecordLookup found = rows.lookup();
        if (const auto* several = std::get_if<SeveralRecords>(&found)) {
            progress.severalRecords(several->key);
            continue;
        }
        const ClubRecord& card = std::get<ClubRecord>(found);
        const std::optional<QDate> date = recordDateOf(card, today);
        if (!filter.passes(date))
            continue;
        if (pageFull) {
            printer.newPage();
            pageFull = false;
        }
        progress.showPreview(preview.text(card));
        printCard(printer, book.setup(), card, date, store::toInt16(qint64{column - 1} * cardWidth),
                  store::toInt16(qint64{row - 1} * cardHeight));
        if (++column > columnsPerRow) {
            column = 1;
            if (++row > rowsPerPage) {
                row = 1;
                pageFull = true;
            }
        }
    }
}

} // namespace

bool DateFilter::passes(const std::optional<QDate>& recordDate) const {
    if (!recordDate)
        return includeUndated;
    return (!after || *recordDate > *after) && (!before || *recordDate < *before);
}

DateFilter dateFilter(const QString& startText, const QString& finishText, qint16 includeUndated) {
    return DateFilter{
        boundDate(startText, openStartMarker, ClubRecordTexts::tr("the start date")),
        boundDate(finishText, openFinishMarker, ClubRecordTexts::tr("the finish date")),
        includeUndated == 1};
}

QDate dateOfText(const QString& text, const QString& what) {
    const std::optional<QDate> date = readDate(text, QDate::currentDate());
    if (!date)
        throwNotADate(text, what);
    return *date;
}

QString ageGroupText(const ClubSetup& setup, const QString& age) {
    if (age == QLatin1String("Op")) {
        const int open = setup.ageGroupCount - 1;
        if (open < 0 || open >= int(setup.ageGroupLabels.size()))
            throw store::KelvaneError(
                store::ErrorNumber::SubscriptOutOfRange,
                ClubRecordTexts::tr("Subscript out of range: age group %1.").arg(open));
        return QStringLiteral("Over ") + setup.ageGroupLabels[size_t(open)];
    }
    if (age == QLatin1String("Ov"))
        return QStringLiteral("Overall");
    if (age == setup.ageGroupLabels[1])
        return age + QStringLiteral("/Under");
    return QStringLiteral("Age ") + age;
}

QString strokeName(const ClubSetup& setup, const QString& stroke) {
    const std::pair<const QString&, const char*> names[] = {
        {setup.freestyleCode, "Freestyle"},       {setup.butterflyCode, "Butterfly"},
        {setup.breaststrokeCode, "Breaststroke"}, {setup.backstrokeCode, "Backstroke"},
        {setup.medleyCode, "Ind Medley"},
    };
    for (const auto& [code, name] : names) {
        if (stroke == code)
            return QString::fromLatin1(name);
    }
    return QString();
}

// A label and its value on each line, the values in one column; a record's
// time and date line up under the end of its name's label.
CardPreview::CardPreview()
    : m_overall(ClubRecordTexts::tr("Overall Club Record")) {
    const QString recordName = ClubRecordTexts::tr("Rec:Name");
    const QString yearName = ClubRecordTexts::tr("Year:Name");
    const auto under = [](const QString& head, const QString& label) {
        return label.rightJustified(head.size());
    };
    m_labels = {
        ClubRecordTexts::tr("Sex"),
        ClubRecordTexts::tr("Age"),
        ClubRecordTexts::tr("Stroke"),
        ClubRecordTexts::tr("Dist"),
        recordName,
        under(recordName, ClubRecordTexts::tr("Time")),
        under(recordName, ClubRecordTexts::tr("Date")),
        yearName,
        under(yearName, ClubRecordTexts::tr("Time")),
        under(yearName, ClubRecordTexts::tr("Date")),
    };
    qsizetype labelWidth = 0;
    for (const QString& label : m_labels)
        labelWidth = std::max(labelWidth, label.size());
    for (QString& label : m_labels)
        label = label.leftJustified(labelWidth + 1);
}

QString CardPreview::text(const ClubRecord& record) const {
    const QString* values[] = {&record.Sex,
                               &record.Age,
                               &record.Stroke,
                               &record.Distance,
                               &record.Record_Holder,
                               &record.Record_Time,
                               &record.Record_Date,
                               &record.Year_Best_Holder,
                               &record.Year_Best_Time,
                               &record.Year_Best_Date};
    const bool overall = record.Age == QLatin1String("Ov");
    QString text;
    text.reserve(qsizetype(m_labels.size()) * (m_labels[0].size() + 24));
    for (size_t i = 0; i < m_labels.size(); ++i) {
        if (i > 0)
            text += u"\r\n";
        if (i == 1 && overall) {
            text += m_overall;
            continue;
        }
        text += m_labels[i];
        text += *values[i];
    }
    return text;
}

void Set_Printer_Font(print::Printer& printer, const ClubSetup& setup, const QString& style,
                      qint16 size, const QString& bold, const QString& italic) {
    if (style == QLatin1String("H"))
        printer.setFontName(setup.fontFaceH);
    else if (style == QLatin1String("R"))
        printer.setFontName(setup.fontFaceR);
    else if (style == QLatin1String("C"))
        printer.setFontName(setup.fontFaceC);
    else if (style == QLatin1String("N"))
        printer.setFontName(QStringLiteral("Arial Narrow"));
    printer.setFontSize(size);
    printer.setFontBold(bold == QLatin1String("B"));
    printer.setFontItalic(italic == QLatin1String("I"));
}

void Set_Print_Position(print::Printer& printer, qint16 x, qint16 y) {
    printer.setScaleInches();
    printer.setCurrentX(float(x) / 100);
    printer.setCurrentY(float(y) / 100);
}

void Print_Record_Cards(print::Printer& printer, RecordBook& book, qint16 first, qint16 last,
                        const QString& startText, const QString& finishText, qint16 includeUndated,
                        const CardProgress& progress) {
    const DateFilter filter = dateFilter(startText, finishText, includeUndated);
    try {
        printCards(printer, book, first, last, filter, progress);
    } catch (...) {
        // The cards printed so far go out: a job left open would have the
        // next Print's cards drawn over them on the same sheet.
        printer.endDoc();
        throw;
    }
    printer.endDoc();
}
