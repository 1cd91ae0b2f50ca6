#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdio>
#include <optional>

#include <sys/types.h>

namespace store {

// Why a Jet file could not be read; the caller tells whether that makes it
// no database at all or a read that failed.
struct Unreadable {
    QString reason;
};

// The state of a file as stat sees it: which file it is, its size, and when
// it was last written and its status last changed, to the nanosecond.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at path; none when it cannot be seen.
std::optional<FileStamp> fileStamp(const QString& path);

// A Jet file opened for one read. libmdb takes its pages through stream(),
// one at a time as it needs them, straight from the file: a read costs the
// pages of the tables it reads, not the whole meet. The size seen at
// opening is all there is. A page beyond it (the file was cut short while
// another program copies or rewrites it) or one that cannot be read is
// served as empty and remembered, and every page after that too, so that
// libmdb's own walks come to an end; checkPages() then fails the read.
class JetFile {
public:
    // Opens the file and reads its first page; throws Unreadable.
    explicit JetFile(const QString& path);
    JetFile(const JetFile&) = delete;
    JetFile& operator=(const JetFile&) = delete;

    [[nodiscard]] const FileStamp& stamp() const { return m_stamp; }
    // The first page, where libmdb reads the format and the page size.
    QByteArray& headerPage() { return m_header; }
    // The stream over the pages, for libmdb to read and close; made once,
    // and it must not outlive this object. Null when it cannot be made.
    FILE* openStream();
    // Throws Unreadable when a page was missing since opening.
    void checkPages() const;

private:
    static ssize_t readPages(void* file, char* buffer, size_t size);
    static int seekPages(void* file, off64_t* offset, int whence);
    ssize_t read(char* buffer, size_t size);

    QFile m_file;
    int m_fd = -1;
    FileStamp m_stamp;
    QByteArray m_header;
    QByteArray m_streamBuffer;
    off64_t m_position = 0;
    // Empty while every page asked for was there.
    QString m_missing;
};

} // namespace store
