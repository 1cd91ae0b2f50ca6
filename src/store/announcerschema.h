#pragma once

#include <QString>
#include <QStringList>

// The announcer database as a meet-management program must make it (see
// docs/announcer-database.md): one home for its names and its schema, so
// that the program that reads it and kelvane-feed, which writes it, agree.
namespace store::announcer {

inline const QString table = QStringLiteral("Announcements");
// The row source the desk lists, in the order it shows.
inline const QString rowSource = QStringLiteral("Sorted Announcements");
inline const QString keyField = QStringLiteral("Id");
inline const QString sequenceField = QStringLiteral("Sequence");
inline const QString messageField = QStringLiteral("Message");
// Optional: when the writer made the row (a date and time).
inline const QString createdField = QStringLiteral("Created");
// What the server's trigger notifies when the rows change.
inline const QString changeChannel = QStringLiteral("announcements_changed");

// A Message separates its lines with CR LF.
inline const QString lineBreak = QStringLiteral("\r\n");
// text with each of its line breaks (CR LF, a lone CR or a lone LF)
// written as breakAs: CR LF as a Message keeps them, "\n" as a text box
// or a browser shows them.
QString withLineBreaks(const QString& text, const QString& breakAs = lineBreak);

// The statements that make a new announcer database, in order.
QStringList sqliteSchema();
QStringList postgresSchema();

} // namespace store::announcer
