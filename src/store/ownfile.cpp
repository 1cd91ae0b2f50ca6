#include "ownfile.h"

#include "kelvaneerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace store {

namespace {

constexpr int noLinkNoWait = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

Opened failed(const QString& path, const QString& reason) {
    return {Descriptor(), Failure(path + QStringLiteral(": ") + reason)};
}

QString openFailure(int error) {
    return error == ELOOP ? Texts::tr("it is a link, which kelvane never follows here")
                          : systemErrorText(error);
}

Opened checked(Descriptor descriptor, const QString& path, const Ownership& ownership,
               bool folder) {
    struct stat info {};
    if (::fstat(descriptor.get(), &info) != 0)
        return failed(path, systemErrorText(errno));
    if (const Unfit unfit = unfitness(info, ownership, folder); unfit != Unfit::None)
        return failed(path, unfitText(unfit));
    return {std::move(descriptor), {}};
}

// The folder at path, made for its owner alone when missing, its parent
// made as well.
Opened openOwnFolder(const QString& path) {
    const QString parent = QFileInfo(path).path();
    if (!QDir().mkpath(parent))
        return failed(parent, Texts::tr("the folder cannot be made"));
    const Descriptor parentFolder(
        ::open(QFile::encodeName(parent).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!parentFolder.isOpen())
        return failed(parent, systemErrorText(errno));
    const QByteArray name = QFile::encodeName(QFileInfo(path).fileName());
    if (::mkdirat(parentFolder.get(), name.constData(), 0700) != 0 && errno != EEXIST)
        return failed(path, systemErrorText(errno));
    Descriptor folder(::openat(parentFolder.get(), name.constData(),
                               O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.isOpen())
        return failed(path, openFailure(errno));
    return checked(std::move(folder), path, ownFile, true);
}

// The file name in folder opened for appending, made (for its owner
// alone) when missing; isNew tells whether it was made now. Made with
// O_EXCL, a file is new to one writer only.
Opened openForAppend(const Descriptor& folder, const QString& path, bool& isNew) {
    const QByteArray name = QFile::encodeName(QFileInfo(path).fileName());
    for (int attempt = 0; attempt < 2; ++attempt) {
        Descriptor existing(
            ::openat(folder.get(), name.constData(), O_WRONLY | O_APPEND | noLinkNoWait));
        if (existing.isOpen() || errno != ENOENT) {
            isNew = false;
            return existing.isOpen() ? checked(std::move(existing), path, ownFile, false)
                                     : failed(path, openFailure(errno));
        }
        Descriptor made(::openat(folder.get(), name.constData(),
                                 O_WRONLY | O_APPEND | O_CREAT | O_EXCL | noLinkNoWait, 0600));
        if (made.isOpen()) {
            isNew = true;
            return checked(std::move(made), path, ownFile, false);
        }
        if (errno != EEXIST)
            return failed(path, openFailure(errno));
    }
    return failed(path, Texts::tr("it keeps changing"));
}

// Every byte, however many writes the system takes for them.
bool writeAll(int descriptor, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written =
            ::write(descriptor, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

Failure systemFailure(const QString& path, int error) {
    return Failure(QStringLiteral("%1: %2").arg(path, systemErrorText(error)));
}

} // namespace

Descriptor::~Descriptor() {
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

Unfit unfitness(const struct stat& info, const Ownership& ownership, bool folder) {
    if (folder ? !S_ISDIR(info.st_mode) : !S_ISREG(info.st_mode))
        return folder ? Unfit::NotAFolder : Unfit::NotAFile;
    const bool rootsToo = ownership.owner == Ownership::Owner::UserOrRoot;
    if (info.st_uid != ::geteuid() && !(rootsToo && info.st_uid == 0))
        return Unfit::OtherOwner;
    const mode_t held = info.st_mode & ownership.othersMayNot;
    if ((held & (S_IWGRP | S_IWOTH)) != 0)
        return Unfit::OthersMayChange;
    if (held != 0)
        return Unfit::OthersMayRead;
    if (!folder && ownership.oneName && info.st_nlink != 1)
        return Unfit::OtherNames;
    return Unfit::None;
}

Failure unfitness(int descriptor, const Ownership& ownership) {
    struct stat info {};
    if (::fstat(descriptor, &info) != 0)
        return Failure(systemErrorText(errno));
    const Unfit unfit = unfitness(info, ownership);
    return unfit == Unfit::None ? Failure() : Failure(unfitText(unfit));
}

QString unfitText(Unfit unfit) {
    switch (unfit) {
    case Unfit::None:
        break;
    case Unfit::NotAFile:
        return Texts::tr("it is not a plain file");
    case Unfit::NotAFolder:
        return Texts::tr("it is not a folder");
    case Unfit::OtherOwner:
        return Texts::tr("it belongs to another user");
    case Unfit::OthersMayChange:
        return Texts::tr("other users may change it");
    case Unfit::OthersMayRead:
        return Texts::tr("other users may read it");
    case Unfit::OtherNames:
        return Texts::tr("it is linked to another file");
    }
    return {};
}

Opened openOwn(const QString& path, const Ownership& ownership) {
    Descriptor descriptor(::open(QFile::encodeName(path).constData(), O_RDONLY | noLinkNoWait));
    if (!descriptor.isOpen())
        return failed(path, openFailure(errno));
    return checked(std::move(descriptor), path, ownership, false);
}

std::optional<QByteArray> readOwn(const QString& path, const Ownership& ownership, qint64 longest) {
    const Opened opened = openOwn(path, ownership);
    struct stat info {};
    if (opened.failure || ::fstat(opened.descriptor.get(), &info) != 0 || info.st_size > longest)
        return std::nullopt;
    QFile file;
    if (!file.open(opened.descriptor.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return std::nullopt;
    return file.read(longest);
}

// A write cut short is cut off again, so the next append starts where a
// whole record ended; a new file that could not be written whole goes,
// so the next append makes it anew with its start.
Failure appendAndSync(const QString& path, const QByteArray& bytes,
                      const QByteArray& startOfNewFile) {
    const Opened folder = openOwnFolder(QFileInfo(path).path());
    if (folder.failure)
        return folder.failure;
    bool isNew = false;
    const Opened file = openForAppend(folder.descriptor, path, isNew);
    if (file.failure)
        return file.failure;
    const off_t before = ::lseek(file.descriptor.get(), 0, SEEK_END);
    if (before >= 0 && writeAll(file.descriptor.get(), isNew ? startOfNewFile + bytes : bytes) &&
        ::fsync(file.descriptor.get()) == 0) {
        if (isNew) // the new file's name is on the disk only once its folder is
            ::fsync(folder.descriptor.get());
        return {};
    }
    const int error = errno;
    if (isNew)
        ::unlinkat(folder.descriptor.get(),
                   QFile::encodeName(QFileInfo(path).fileName()).constData(), 0);
    else if (before >= 0)
        ::ftruncate(file.descriptor.get(), before);
    return systemFailure(path, error);
}

Failure replaceAtomically(const QString& path, const QByteArray& bytes) {
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        return Failure(
            QStringLiteral("%1: %2").arg(folder, Texts::tr("the folder cannot be made")));
    const QByteArray temporary = QFile::encodeName(path + QStringLiteral(".new"));
    ::unlink(temporary.constData());
    Descriptor file(
        ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file.isOpen())
        return systemFailure(QFile::decodeName(temporary), errno);
    const bool written = writeAll(file.get(), bytes) && ::fsync(file.get()) == 0;
    int error = errno;
    file = Descriptor();
    if (written && ::rename(temporary.constData(), QFile::encodeName(path).constData()) == 0) {
        const Descriptor folderOnDisk(
            ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folderOnDisk.isOpen())
            ::fsync(folderOnDisk.get());
        return {};
    }
    if (written)
        error = errno;
    ::unlink(temporary.constData());
    return systemFailure(path, error);
}

} // namespace store
