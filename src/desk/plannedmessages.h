#pragma once

#include "store/failure.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <vector>

// The announcer's own running sheet of a day: messages planned for a time
// ("warm-up ends in five minutes" at 9:40, sponsor thanks every half hour),
// which the desk adds to the list when they are due. Plain data and the
// rules of when each is due, free of the desk, so a day runs in a test
// from rows. The times are times of the sheet's day.
namespace desk::planned {

inline constexpr int mostMessages = 200;
inline constexpr qsizetype longestText = 1000;
inline constexpr int longestRepeatMinutes = 24 * 60;

struct Message {
    // The sheet's own number for it, kept in its file, by which a page
    // names it.
    int id = 0;
    // What the announcer planned.
    QString text;
    QTime notBefore;
    // No "not after" when invalid.
    QTime notAfter;
    // Added again this long after it was read out; once when 0.
    int repeatMinutes = 0;
    bool urgent = false;

    // What became of it. The row it is listed as now (empty when none),
    // in which database, with which text, and since when.
    QString database;
    QString rowKey;
    QString listedText;
    QDateTime listedAt;
    // The row it was listed as last, and when that row left the list.
    QString lastRowKey;
    QDateTime readAt;
    // Still listed at its "not after": the desk took its row back.
    bool takenBack = false;

    // The same plan, whatever became of either.
    [[nodiscard]] bool samePlan(const Message& other) const;
};

enum class State { Waiting, Listed, ReadOut, Expired, Done };
State stateAt(const Message& message, const QDate& day, const QDateTime& now);
// When it is due next: its "not before", or its period after it was read
// out; invalid when it is never due again.
QDateTime dueAt(const Message& message, const QDate& day);

// What the desk does for it now.
enum class Step { None, Add, TakeBack };
Step stepAt(const Message& message, const QDate& day, const QDateTime& now);

// Why the announcer cannot plan this (in English, marked for translation
// in the context "PlannedMessages"); nothing when it is fit. The text is
// trimmed, without control characters but line breaks.
const char* unfit(const Message& message);
// The plan as kept: the text trimmed, line breaks as '\n'.
Message fitted(Message message);

// The day's sheet in the user's data folder:
// $XDG_DATA_HOME/kelvane/planned-YYYY-MM-DD.json, the user's own file.
QString fileOf(const QDate& day);
// The messages kept for the day; none when the file is missing, not the
// user's own plain file, too long or no sheet. Unfit messages are left out.
std::vector<Message> load(const QDate& day);
// Written whole to a new file and renamed over the old one, for the user
// alone; the reason when it could not be.
store::Failure save(const QDate& day, const std::vector<Message>& messages);

// The sheet as a spreadsheet opens it: the header line text, not before,
// not after, repeat minutes, urgent; the text formula-safe.
QByteArray toCsv(const std::vector<Message>& messages);
// The plans a CSV holds (a header line is passed over), and how many of
// its records were left out as unfit.
struct Imported {
    std::vector<Message> messages;
    int unfit = 0;
};
Imported fromCsv(const QByteArray& bytes);
// The longest CSV file read.
inline constexpr qint64 longestCsv = qint64{1} << 20;

} // namespace desk::planned
