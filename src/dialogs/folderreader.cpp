#include "folderreader.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <vector>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

namespace {

// The reason the folder cannot be opened for reading, empty when it can.
// Listing alone cannot tell an unreadable folder from an empty one.
QString openError(const QString& path) {
#ifdef Q_OS_UNIX
    DIR* dir = ::opendir(QFile::encodeName(path).constData());
    if (!dir)
        return qt_error_string(errno);
    ::closedir(dir);
    return {};
#else
    const QFileInfo info(path);
    if (!info.exists())
        return qt_error_string(ENOENT);
    if (!info.isDir())
        return qt_error_string(ENOTDIR);
    return info.isReadable() ? QString() : qt_error_string(EACCES);
#endif
}

// The collation rules of the user's language; a bare "C" locale has none
// fit for people, so English rules stand in for it.
QCollator fileDialogCollator() {
    const QLocale system = QLocale::system();
    QCollator collator(system.language() == QLocale::C ? QLocale(QLocale::English) : system);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

} // namespace

FolderContents readFolder(const QString& path) {
    FolderContents contents;
    contents.error = openError(path);
    if (!contents.error.isEmpty())
        return contents;
    QDirIterator entries(path, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo entry = entries.fileInfo();
        (entry.isDir() ? contents.folders : contents.files).append(entry.fileName());
    }
    sortLikeFileDialogs(contents.files);
    sortLikeFileDialogs(contents.folders);
    return contents;
}

void sortLikeFileDialogs(QStringList& names) {
    const QCollator collator = fileDialogCollator();
    // One sort key per name: far cheaper than collating pairs again and
    // again in a folder of many thousand files.
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keys;
    keys.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        keys.emplace_back(collator.sortKey(names[i]), i);
    std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        const int order = a.first.compare(b.first);
        return order != 0 ? order < 0 : names[a.second] < names[b.second];
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const auto& key : keys)
        sorted.append(names[key.second]);
    names = std::move(sorted);
}
