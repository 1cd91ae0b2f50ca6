#include "typedpath.h"

#include <QDir>

namespace {
constexpr QChar separator = QLatin1Char('/');
}

bool namesFolder(const QString& typed) {
    return typed.contains(separator);
}

bool isPattern(const QString& typed) {
    return typed.contains(QLatin1Char('*')) || typed.contains(QLatin1Char('?'));
}

QString typedFolder(const QString& typed, const QString& currentFolder) {
    const qsizetype last = typed.lastIndexOf(separator);
    if (last == 0)
        return QDir::rootPath();
    const QString folder = typed.left(last);
    return QDir::cleanPath(QDir(currentFolder).absoluteFilePath(folder));
}

QString typedName(const QString& typed) {
    return typed.mid(typed.lastIndexOf(separator) + 1);
}

QString withTrailingSeparator(const QString& folder) {
    return folder.endsWith(separator) ? folder : folder + separator;
}

QString withoutTrailingSeparator(const QString& folder) {
    if (folder.size() > 1 && folder.endsWith(separator))
        return folder.chopped(1);
    return folder;
}
