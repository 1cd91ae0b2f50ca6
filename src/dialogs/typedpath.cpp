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
    // Joined by hand: QDir takes text that starts with ":" for the program's
    // built-in resources, and here ":" is an ordinary character.
    const QString part = typed.left(last);
    QString folder = QDir::cleanPath(part.startsWith(separator) ? part : currentFolder + separator + part);
    // Above the root there is only the root.
    static const QString aboveRoot = QStringLiteral("/..");
    while (folder.startsWith(aboveRoot) && (folder.size() == aboveRoot.size() || folder[aboveRoot.size()] == separator))
        folder.remove(0, aboveRoot.size());
    return folder.isEmpty() ? QDir::rootPath() : folder;
}

QString typedName(const QString& typed) {
    return typed.mid(typed.lastIndexOf(separator) + 1);
}

QString withTrailingSeparator(const QString& folder) {
    return folder.endsWith(separator) ? folder : folder + separator;
}
