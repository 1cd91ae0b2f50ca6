#pragma once

#include "failure.h"

#include <QString>

#include <optional>
#include <utility>

#include <sys/types.h>

class QFile;

namespace store {

// Opens the file at path for reading, but only a regular file or a link to
// one, and never a database file an SQLite connection of this program
// holds (see SqliteHold). A named pipe, socket, device or folder at the path is refused
// without waiting on it: opening a pipe that has no writer, or reading a
// terminal, would block the program for good. Returns why the file cannot
// be read (in the system's words where the system refused), or nothing
// when file is open.
Failure openRegularFile(QFile& file, const QString& path);

// SQLite's locks on a file belong to the process: closing any descriptor
// of that file here drops them all. Another program's writer then takes
// itself for the file's last user as it ends and removes the write-ahead
// log, and the connection here never sees another commit. So while an
// SQLite connection holds a file, it holds one of these for it, and
// nothing else in the program opens that file.
class SqliteHold {
public:
    explicit SqliteHold(const QString& path);
    ~SqliteHold();
    SqliteHold(const SqliteHold&) = delete;
    SqliteHold& operator=(const SqliteHold&) = delete;

private:
    std::optional<std::pair<dev_t, ino_t>> m_file;
};

// Whether an SQLite connection of this program holds the file at path.
[[nodiscard]] bool heldBySqlite(const QString& path);

} // namespace store
