#pragma once

#include "store/failure.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <vector>

// The read-out log: every message the announcer dismissed, kept on this
// computer one file a day, so nothing read out is lost even when its row
// leaves the database. The files are CSV (RFC 4180, UTF-8, CR LF) with the
// header line time,event,database,row,sequence,message,station:
//   time      local time of the event with its UTC offset (ISO 8601)
//   event     "dismissed": written and synced before the row is deleted;
//             "not deleted": the delete that followed failed (the database
//             was busy or out of reach), so the message is still pending;
//             "undone": Undo put the message back (or showed it again);
//             "sent": an official sent the message from a browser station;
//             "planned": the announcer's planned message was due and added;
//             "expired": a planned message still listed at its "not after"
//             time was taken back (its row deleted)
//   database  the announcer database's path (a connection file for a server)
//   row       the row's key (Id), which pairs a later event with its dismissal
//   sequence  the Sequence as the list showed it; empty when the row had none
//   message   the whole text, its CR LF line breaks kept inside the quotes
//   station   where the announcer did it: "desk" (kelvane's own window) or
//             a browser ("browser 192.168.1.23 #4"); files written before
//             there were browser stations have no such field; for "sent"
//             the sender as the page named it, then the page
//             ("Referee (browser 192.168.1.23 #5)"); for "planned" and
//             "expired" "planned"
// A text field that begins with = + - @, a tab, a CR or an apostrophe is
// written after one more apostrophe, so that a spreadsheet opening the log
// never takes it for a formula; reading takes that apostrophe off again.
// The folder and its files are the user's own (store::ownFile): a link, a
// pipe or another user's file at their place is never written or read.
namespace desk::readoutlog {

inline const QString dismissed = QStringLiteral("dismissed");
inline const QString notDeleted = QStringLiteral("not deleted");
inline const QString undone = QStringLiteral("undone");
inline const QString sent = QStringLiteral("sent");
inline const QString planned = QStringLiteral("planned");
inline const QString expired = QStringLiteral("expired");

struct Entry {
    QDateTime time;
    QString event;
    QString database;
    QString row;
    QVariant sequence;
    QString message;
    QString station;
};

// A dismissal as "Read out today" lists it.
struct ReadOut {
    QDateTime time;
    QString database;
    QString row;
    QVariant sequence;
    QString message;
    // When Undo put it back; invalid when it was not.
    QDateTime undone;
};

// $XDG_DATA_HOME/kelvane (by default ~/.local/share/kelvane).
QString folder();
// The file of one day: read-out-YYYY-MM-DD.csv in folder().
QString fileOf(const QDate& day);

// The entry as one CSV record, ending in CR LF.
QByteArray record(const Entry& entry);

// Appends the entry to the file of its day (made with its header line when
// new, readable by its owner alone), synced to the disk before it returns
// (store::appendAndSync). The reason when it could not be written; a
// record cut short is taken back.
store::Failure append(const Entry& entry);

// The entries of a log file; none when it is missing or not the user's
// own plain file. A broken record (cut short by a crash) is passed over.
// Of a file of more than 64 MiB only the newest records are read.
std::vector<Entry> read(const QString& path);

// The dismissals among entries, newest first: one whose delete failed is
// left out (the announcer dismisses it again), one undone says when.
std::vector<ReadOut> readOuts(const std::vector<Entry>& entries);

} // namespace desk::readoutlog
