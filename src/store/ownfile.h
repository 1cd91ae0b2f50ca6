#pragma once

#include "failure.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>

#include <sys/stat.h>

namespace store {

// The user's own files (the read-out log, the station's links) and the
// files the user sets up for kelvane (a connection file and the
// certificates and keys it names): one descriptor type, one policy for who
// owns a file and who else may touch it, and the ways an own file is read
// and written. Where an own file belongs, a link is never followed and a
// pipe never waited on: a link left there would have kelvane write to any
// file the user may write (a shell's start-up file), and a pipe would
// block the program for good.

// An open file descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int descriptor = -1)
        : m_descriptor(descriptor) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept
        : m_descriptor(std::exchange(other.m_descriptor, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(m_descriptor, other.m_descriptor);
        return *this;
    }

    [[nodiscard]] int get() const { return m_descriptor; }
    [[nodiscard]] bool isOpen() const { return m_descriptor >= 0; }
    // Hands the descriptor to a new owner (a QFile that closes it).
    [[nodiscard]] int release() { return std::exchange(m_descriptor, -1); }

private:
    int m_descriptor;
};

// Who may own a file, and what the other users of the computer may do
// with it.
struct Ownership {
    enum class Owner { User, UserOrRoot };
    Owner owner = Owner::User;
    // Permission bits no one but the owner may hold: S_IWGRP | S_IWOTH
    // where others may not change the file, 077 where they may not touch it.
    mode_t othersMayNot = 0;
    // No second name (hard link) elsewhere, through which the file would
    // change with another.
    bool oneName = false;
};

// The read-out log and its folder: the user's, each file with one name.
inline constexpr Ownership ownFile{Ownership::Owner::User, 0, true};
// What only the user may read or change (the station's links).
inline constexpr Ownership privateFile{Ownership::Owner::User, 077, false};
// What names a server or vouches for one (a connection file, its
// certificates): whoever may change it decides where a password goes, so
// only the user and root may.
inline constexpr Ownership setUpFile{Ownership::Owner::UserOrRoot, S_IWGRP | S_IWOTH, false};

// How a file or folder breaks a policy.
enum class Unfit {
    None,
    NotAFile,
    NotAFolder,
    OtherOwner,
    OthersMayChange,
    OthersMayRead,
    OtherNames
};
Unfit unfitness(const struct stat& info, const Ownership& ownership, bool folder = false);
// The reason in the person's words ("it belongs to another user").
QString unfitText(Unfit unfit);
// Why the open file a descriptor names breaks ownership, in those words.
Failure unfitness(int descriptor, const Ownership& ownership);

// An own file or folder opened, or why it could not be ("path: reason").
struct Opened {
    Descriptor descriptor;
    Failure failure;
};

// Opens path for reading without following a link or waiting on a pipe,
// and checks what it opened against ownership.
Opened openOwn(const QString& path, const Ownership& ownership);
// The bytes of such a file of at most longest bytes; nothing when it
// cannot be opened, breaks ownership or is longer.
std::optional<QByteArray> readOwn(const QString& path, const Ownership& ownership, qint64 longest);

// Appends bytes to the file at path, which is made for its owner alone
// (with startOfNewFile first) when missing, in a folder of the user's own
// that is made for its owner alone when missing. Written whole and synced
// to the disk before it returns, a new file's folder synced too; a write
// cut short (a full disk) is taken back, so the next append starts on a
// whole record.
Failure appendAndSync(const QString& path, const QByteArray& bytes,
                      const QByteArray& startOfNewFile = {});

// Replaces the file at path as a whole with bytes, readable by the user
// alone: written to a new file beside it, synced and renamed over the old
// one, so a crash or a full disk leaves the old file or the new, never
// half. Its folder is made when missing.
Failure replaceAtomically(const QString& path, const QByteArray& bytes);

} // namespace store
