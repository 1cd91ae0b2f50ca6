#include "diskfaults.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/mount.h>
#include <sys/stat.h>

SmallDisk::SmallDisk() {
    m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                        "size=64k,mode=0700") == 0;
    if (!m_mounted)
        m_reason = QString::fromLocal8Bit(std::strerror(errno));
}

SmallDisk::~SmallDisk() {
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

void SmallDisk::fill() const {
    QFile filler(m_dir.filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &m_saved);
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit lowered{bytes, m_saved.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &lowered);
}

FileSizeLimit::~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_savedHandler);
}

RefusedDatabase::RefusedDatabase(const QString& fault, const QString& soundDatabase) {
    if (fault == QLatin1String("full disk")) {
        m_disk = std::make_unique<SmallDisk>();
        if (!m_disk->mounted()) {
            m_unavailable = QStringLiteral("a small tmpfs cannot be mounted here (%1; needs root with "
                                           "CAP_SYS_ADMIN)")
                                .arg(m_disk->reason());
            return;
        }
        m_folder = m_disk->path();
        m_error = ENOSPC;
    } else if (fault == QLatin1String("file size limit")) {
        m_folder = m_dir.path();
        m_error = EFBIG;
    } else {
        m_folder = m_dir.filePath(QStringLiteral("read only"));
        QDir().mkdir(m_folder);
        m_error = EACCES;
    }
    m_path = m_folder + QStringLiteral("/announcer.mdb");
    if (!QFile::copy(soundDatabase, m_path)) {
        m_unavailable = QStringLiteral("the database could not be copied");
        return;
    }
    if (m_disk) {
        m_disk->fill();
    } else if (m_error == EFBIG) {
        m_limit = std::make_unique<FileSizeLimit>(0);
    } else {
        ::chmod(QFile::encodeName(m_folder).constData(), 0500);
        m_asUser = std::make_unique<WithoutRootOverride>();
        if (!m_asUser->ok())
            m_unavailable = QStringLiteral("root's file access override cannot be dropped here");
    }
}

void RefusedDatabase::lift() {
    m_limit.reset();
    m_asUser.reset();
    if (m_error == EACCES)
        ::chmod(QFile::encodeName(m_folder).constData(), 0700);
    if (m_disk)
        QFile::remove(m_disk->path() + QStringLiteral("/filler"));
}
