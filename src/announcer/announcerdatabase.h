#pragma once

#include "store/database.h"

#include <QString>

#include <memory>

// Program-wide state of the announcer database.
inline QString Announcer_DB_Path;
// 2: the announcer screen was opened by the intro screen after it checked
// Announcer_DB_Path. Any other value makes the screen locate the file itself.
inline qint16 Screen_Entry_Mode = 0;
inline bool Announcer_DB_Open = false;
inline std::unique_ptr<store::Database> Announcer_DB;
inline std::unique_ptr<store::RecordSet> Announcement_Recordset;

// Opens Announcer_DB on Announcer_DB_Path and remembers which file it is.
void openAnnouncerDatabase();
// Closes Announcer_DB (and a record set left open) if it is open.
void closeAnnouncerDatabase();
// True when Announcer_DB is open, was opened from path, and path still
// names that very file (not one renamed over it or recreated since).
bool announcerDatabaseIsFileAt(const QString& path);

// The announcer database's row source and fields.
inline const QString sortedAnnouncements = QStringLiteral("Sorted Announcements");
inline const QString messageField = QStringLiteral("Message");
inline const QString sequenceField = QStringLiteral("Sequence");
