#include "regularfile.h"

#include "kelvaneerror.h"
#include "ownfile.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

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
Failure openRegularFile(QFile& file, const QString& path) {
    if (path.isEmpty() || path.contains(QChar::Null))
        return Failure(Texts::tr("no file is named"));
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return Failure(systemErrorText(errno));
    if (!S_ISREG(info.st_mode))
        return Failure(notAFile(info.st_mode));
    Descriptor descriptor(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!descriptor.isOpen())
        return Failure(systemErrorText(errno));
    if (::fstat(descriptor.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return Failure(notAFile(info.st_mode));
    if (!file.open(descriptor.get(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return Failure(file.errorString());
    static_cast<void>(descriptor.release()); // the file closes it now
    return {};
}

} // namespace store
