#include "regularfile.h"

#include "kelvaneerror.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

QString notAFile(mode_t mode) {
    if (S_ISDIR(mode))
        return Texts::tr("it is a folder, not a file");
    if (S_ISFIFO(mode))
        return Texts::tr("it is a named pipe, not a file");
    if (S_ISSOCK(mode))
        return Texts::tr("it is a socket, not a file");
    return Texts::tr("it is a device, not a file");
}

} // namespace

// The kind is looked at before the open, so that no device is ever opened
// (opening some has effects of its own), and again on the open descriptor,
// in case something else was put at the path in between; the open cannot
// block meanwhile.
std::optional<QString> openRegularFile(QFile& file, const QString& path) {
    if (path.isEmpty() || path.contains(QChar::Null))
        return Texts::tr("no file is named");
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return systemErrorText(errno);
    if (!S_ISREG(info.st_mode))
        return notAFile(info.st_mode);
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return systemErrorText(errno);
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return notAFile(info.st_mode);
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return file.errorString();
    }
    return std::nullopt;
}

std::optional<QString> notPrivate(int descriptor) {
    struct stat info {};
    if (::fstat(descriptor, &info) != 0)
        return systemErrorText(errno);
    if (info.st_uid != ::geteuid())
        return Texts::tr("belongs to another user of this computer");
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return Texts::tr("may be read or changed by other users of this computer");
    return std::nullopt;
}

} // namespace store
