#pragma once

#include "failure.h"

#include <QString>

class QFile;

namespace store {

// Opens the file at path for reading, but only a regular file or a link to
// one. A named pipe, socket, device or folder at the path is refused
// without waiting on it: opening a pipe that has no writer, or reading a
// terminal, would block the program for good. Returns why the file cannot
// be read (in the system's words where the system refused), or nothing
// when file is open.
Failure openRegularFile(QFile& file, const QString& path);

} // namespace store
