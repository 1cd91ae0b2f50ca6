#pragma once

#include "withoutrootoverride.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

#include <sys/resource.h>

// A small tmpfs mounted for one test, so "disk full" is real and harmless.
// Mounting needs root (CAP_SYS_ADMIN); mounted() tells whether it worked.
class SmallDisk {
public:
    SmallDisk();
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    [[nodiscard]] bool mounted() const { return m_mounted; }
    [[nodiscard]] QString reason() const { return m_reason; }
    [[nodiscard]] QString path() const { return m_dir.path(); }

    // Writes a filler file until the disk refuses more.
    void fill() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};

// Lowers this process's file size limit for a while; writes beyond it fail
// (with the signal that would end the process ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};

// A copy of a sound SQLite database (its -wal and -shm not yet made) that
// the system refuses to open while the fault is in force:
//   "full disk"            no room for the -shm and -wal (ENOSPC; needs root)
//   "file size limit"      this process may not grow any file (EFBIG)
//   "folder not writable"  no -shm or -wal may be made beside it (EACCES)
class RefusedDatabase {
public:
    RefusedDatabase(const QString& fault, const QString& soundDatabase);
    ~RefusedDatabase() { lift(); }
    RefusedDatabase(const RefusedDatabase&) = delete;
    RefusedDatabase& operator=(const RefusedDatabase&) = delete;

    // Why the fault cannot be made here; empty when it is in force.
    [[nodiscard]] QString unavailable() const { return m_unavailable; }
    [[nodiscard]] QString path() const { return m_path; }
    // The system's error number the fault makes opening fail with.
    [[nodiscard]] int error() const { return m_error; }
    // Ends the fault; the copy then opens as the sound file it is.
    void lift();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SmallDisk> m_disk;
    std::unique_ptr<FileSizeLimit> m_limit;
    std::unique_ptr<WithoutRootOverride> m_asUser;
    QString m_folder;
    QString m_path;
    QString m_unavailable;
    int m_error = 0;
};
