#include "announcerdatabase.h"

#include <QFile>

#include <optional>

#include <sys/stat.h>

namespace {

struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> fileIdentity(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

std::optional<FileIdentity> openedIdentity;

} // namespace

void openAnnouncerDatabase() {
    const auto identity = fileIdentity(Announcer_DB_Path);
    Announcer_DB = store::openDatabase(Announcer_DB_Path, QStringLiteral("announcer database"));
    openedIdentity = identity;
    Announcer_DB_Open = true;
}

void closeAnnouncerDatabase() {
    Announcement_Recordset.reset();
    if (Announcer_DB) {
        Announcer_DB->close();
        Announcer_DB.reset();
    }
    openedIdentity.reset();
    Announcer_DB_Open = false;
}

bool announcerDatabaseIsFileAt(const QString& path) {
    if (!Announcer_DB_Open || !Announcer_DB || Announcer_DB->path() != path)
        return false;
    const auto identity = fileIdentity(path);
    return identity && identity == openedIdentity;
}
