#include "regularfile.h"

#include "kelvaneerror.h"
#include "ownfile.h"

#include <QFile>

#include <cerrno>
#include <map>
#include <mutex>

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

using FileId = std::pair<dev_t, ino_t>;

std::optional<FileId> fileIdOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileId{info.st_dev, info.st_ino};
}

// Every database thread opens and closes connections: the holds are shared.
struct Holds {
    std::mutex mutex;
    std::map<FileId, int> count;
};

Holds& holds() {
    static Holds all;
    return all;
}

bool isHeld(const FileId& file) {
    Holds& all = holds();
    const std::lock_guard lock(all.mutex);
    return all.count.contains(file);
}

} // namespace

SqliteHold::SqliteHold(const QString& path)
    : m_file(fileIdOf(path)) {
    if (!m_file)
        return;
    Holds& all = holds();
    const std::lock_guard lock(all.mutex);
    ++all.count[*m_file];
}

SqliteHold::~SqliteHold() {
    if (!m_file)
        return;
    Holds& all = holds();
    const std::lock_guard lock(all.mutex);
    if (--all.count[*m_file] == 0)
        all.count.erase(*m_file);
}

bool heldBySqlite(const QString& path) {
    const std::optional<FileId> file = fileIdOf(path);
    return file && isHeld(*file);
}

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
    if (isHeld({info.st_dev, info.st_ino}))
        return Failure(Texts::tr("it is a database this program has open"));
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
