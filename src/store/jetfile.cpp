#include "jetfile.h"

#include "kelvaneerror.h"
#include "regularfile.h"

#include <algorithm>
#include <cerrno>
#include <limits>

#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

constexpr qsizetype versionOffset = 0x14;
constexpr qsizetype jet3PageSize = 2048;
constexpr qsizetype jet4PageSize = 4096;

qint64 nanoseconds(const timespec& time) {
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

FileStamp stampOf(const struct stat& info) {
    return {info.st_dev, info.st_ino, info.st_size, nanoseconds(info.st_mtim),
            nanoseconds(info.st_ctim)};
}

// Reads size bytes at offset; fewer only at the end of the file.
ssize_t readAt(int fd, char* buffer, size_t size, off64_t offset) {
    size_t done = 0;
    while (done < size) {
        const ssize_t got = pread(fd, buffer + done, size - done, offset + off64_t(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += size_t(got);
    }
    return ssize_t(done);
}

} // namespace

std::optional<FileStamp> fileStamp(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return stampOf(info);
}

JetFile::JetFile(const QString& path) {
    if (const Failure failure = openRegularFile(m_file, path))
        throw Unreadable{failure.reason()};
    m_fd = m_file.handle();
    struct stat info {};
    if (fstat(m_fd, &info) != 0)
        throw Unreadable{systemErrorText(errno)};
    m_stamp = stampOf(info);
    m_header.resize(std::min<qsizetype>(jet4PageSize, m_stamp.size));
    m_header.resize(
        std::max<qsizetype>(readAt(m_fd, m_header.data(), size_t(m_header.size()), 0), 0));
    const QByteArray mark = m_header.mid(4, 15);
    if (m_header.size() <= versionOffset ||
        (mark != "Standard Jet DB" && mark != "Standard ACE DB"))
        throw Unreadable{Texts::tr("it has no Jet header")};
    const qsizetype pageSize = m_header.at(versionOffset) == 0 ? jet3PageSize : jet4PageSize;
    if (m_stamp.size < 2 * pageSize || m_stamp.size % pageSize != 0)
        throw Unreadable{
            Texts::tr("the file is incomplete (%1 bytes is not a whole number of %2-byte pages)")
                .arg(m_stamp.size)
                .arg(pageSize)};
    m_header.truncate(pageSize);
}

FILE* JetFile::openStream() {
    FILE* stream =
        fopencookie(this, "r", {&JetFile::readPages, nullptr, &JetFile::seekPages, nullptr});
    // A buffer of one page: each page libmdb asks for is one read of the
    // file, and nothing around it is read along.
    m_streamBuffer.resize(m_header.size());
    if (stream &&
        setvbuf(stream, m_streamBuffer.data(), _IOFBF, size_t(m_streamBuffer.size())) != 0) {
        std::fclose(stream);
        return nullptr;
    }
    return stream;
}

void JetFile::checkPages() const {
    if (!m_missing.isEmpty())
        throw Unreadable{m_missing};
}

ssize_t JetFile::readPages(void* file, char* buffer, size_t size) {
    return static_cast<JetFile*>(file)->read(buffer, size);
}

// libmdb asks for the end of the file before every page and refuses a page
// beyond it on its own, reusing whatever page it read before. The end is
// therefore given as unreachable, so that every page comes to read(),
// which knows the real end.
int JetFile::seekPages(void* file, off64_t* offset, int whence) {
    auto* self = static_cast<JetFile*>(file);
    off64_t base = 0;
    if (whence == SEEK_CUR)
        base = self->m_position;
    else if (whence == SEEK_END)
        base = std::numeric_limits<off64_t>::max() / 4;
    if (*offset < 0 && base < -*offset)
        return -1;
    self->m_position = base + *offset;
    *offset = self->m_position;
    return 0;
}

// A read that starts at the end or beyond is for a page that is not there.
// An empty page stands in for it, which libmdb reads as a page without
// rows or links, ending any walk it is on.
ssize_t JetFile::read(char* buffer, size_t size) {
    if (!m_missing.isEmpty())
        return 0;
    if (m_position >= m_stamp.size) {
        m_missing =
            Texts::tr("it refers to byte %1, beyond its end at %2 bytes (it may be being written)")
                .arg(m_position)
                .arg(m_stamp.size);
        return 0;
    }
    const size_t wanted = std::min<size_t>(size, size_t(m_stamp.size - m_position));
    const ssize_t got = readAt(m_fd, buffer, wanted, m_position);
    if (got != ssize_t(wanted)) {
        m_missing =
            got < 0 ? systemErrorText(errno) : Texts::tr("it became shorter while it was read");
        return 0;
    }
    m_position += got;
    return got;
}

} // namespace store
