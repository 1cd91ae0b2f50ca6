#pragma once

#include "store/failure.h"

#include <QString>

// The one-line settings file that remembers the announcer database between
// runs: a double quote, the path, a double quote, CR LF.

// ~/kelvane.ini: the home folder stands for the root folder of the drive.
QString settingsFilePath();
// ~/announcer.mdb, the database offered when nothing is remembered.
QString defaultDatabasePath();

// The first field of the settings file: leading blanks skipped; a quoted
// field runs to the next quote, an unquoted one to the first comma or the
// end of the line. A missing, unreadable, empty or binary file gives "".
QString readSettingsField(const QString& settingsPath);

// Why a path cannot be stored in the one-line quoted format, if it cannot.
store::Failure unstorablePathReason(const QString& databasePath);

// Writes the settings line for databasePath, replacing the file as a whole.
// Returns the reason when the file could not be written.
store::Failure writeSettings(const QString& settingsPath, const QString& databasePath);
