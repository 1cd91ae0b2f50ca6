#include "fileprobe.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace desk {

// The probe asks the system whether the file could be opened for reading
// instead of opening and closing it: on Linux, closing any descriptor of a
// file drops every lock this process holds on it, and the announcer
// database is usually open here. Losing SQLite's locks would let the
// meet-management program checkpoint under our feet and lose messages.
bool File_Exists(const QString& path) {
    if (path.isEmpty() || path.contains(QChar::Null))
        return false;
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // Only a regular file can be an announcer database or a settings file;
    // opening a named pipe, socket or device would block or answer nonsense.
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return ::faccessat(AT_FDCWD, name.constData(), R_OK, AT_EACCESS) == 0;
}

} // namespace desk
