#pragma once

#include <QString>

// Puts something at path that is not a regular file, as a mistaken click
// or another program might: "fifo" (a named pipe with no writer), "socket",
// "device" (a link to /dev/null), "folder". False when it cannot be made.
bool makeSpecialFile(const QString& kind, const QString& path);
