#pragma once

#include "toolconnection.h"

#include <QString>

#include <vector>

// The writer side of the announcer database: what a meet-management
// program does to leave messages for the announcer.
namespace feed {

using FeedError = tools::ToolError;

struct Announcement {
    qint64 id;
    qint64 sequence;
    QString message;
};

// Creates a new, empty announcer database. Refuses to touch an existing file.
void initDatabase(const QString& path);

// Adds one message, each line break stored as CR LF. Returns the row's Id.
qint64 addAnnouncement(const QString& path, qint64 sequence, const QString& text);

// The pending messages in the order the announcer screen lists them.
std::vector<Announcement> listAnnouncements(const QString& path);

// One row as a line of text: Id, tab, Sequence, tab, Message with each
// CR LF written as the four characters \r\n.
QString describe(const Announcement& row);

// The next free Sequence: one more than the highest, starting again at 1
// after 32767.
qint64 nextSequence(const QString& path);

} // namespace feed
