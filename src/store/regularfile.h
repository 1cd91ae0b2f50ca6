#pragma once

#include <QString>

#include <optional>

class QFile;

namespace store {

// Opens the file at path for reading, but only a regular file or a link to
// one. A named pipe, socket, device or folder at the path is refused
// without waiting on it: opening a pipe that has no writer, or reading a
// terminal, would block the program for good. Returns why the file cannot
// be read (in the system's words where the system refused), or nothing
// when file is open.
std::optional<QString> openRegularFile(QFile& file, const QString& path);

// Why the open file descriptor cannot be trusted with a secret (a key, a
// password, tokens): it "belongs to another user of this computer", or "may
// be read or changed by other users of this computer". Nothing when it is
// the user's own and private.
std::optional<QString> notPrivate(int descriptor);

} // namespace store
