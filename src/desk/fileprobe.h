#pragma once

#include <QString>

namespace desk {

// True when the file at path is a regular file (or a link to one) that can
// be opened for reading. Never opens it, never shows a message and never
// fails: every problem (no such file, a folder, a named pipe, socket or
// device, an empty or malformed path, no permission) means false.
bool File_Exists(const QString& path);

} // namespace desk
