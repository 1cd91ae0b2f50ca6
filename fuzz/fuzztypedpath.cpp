// The file chooser's reading of its name box: the folder and name of any
// typed text, and wildcard matching of the name against any file name.

#include "fuzzsupport.h"

#include "dialogs/filepattern.h"
#include "dialogs/typedpath.h"

#include <QDir>
#include <QStringList>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// Plain dynamic programming over both texts: slow but plainly right, to
// judge the fast matcher against.
bool matchesSlowly(const std::u32string& pattern, const std::u32string& name) {
    // matched[j]: the pattern so far matches the first j characters.
    std::vector<bool> matched(name.size() + 1, false);
    matched[0] = true;
    for (char32_t p : pattern) {
        std::vector<bool> next(name.size() + 1, false);
        for (size_t j = 0; j <= name.size(); ++j) {
            if (p == U'*')
                next[j] = matched[j] || (j > 0 && next[j - 1]);
            else if (j > 0)
                next[j] = matched[j - 1] && (p == U'?' || p == name[j - 1]);
        }
        matched = std::move(next);
    }
    return matched[name.size()];
}

bool anyPatternMatches(const QString& patterns, const QString& name) {
    const std::u32string text = name.toStdU32String();
    for (const QString& piece : patterns.split(QLatin1Char(';'))) {
        const std::u32string pattern = piece.trimmed().toStdU32String();
        if (pattern.empty())
            continue;
        if (matchesSlowly(pattern, text))
            return true;
        if (pattern.ends_with(U".*") && matchesSlowly(pattern.substr(0, pattern.size() - 2), text))
            return true;
    }
    return false;
}

void checkFolder(const QString& typed, const QString& current) {
    const QString folder = typedFolder(typed, current);
    const QString detail = typed + QStringLiteral(" in ") + current + QStringLiteral(" -> ") + folder;
    require(QDir::isAbsolutePath(folder), "the folder is absolute", detail);
    require(QDir::cleanPath(folder) == folder, "the folder is clean", detail);
    require(folder == QDir::rootPath() || !folder.endsWith(QLatin1Char('/')), "no trailing separator", detail);
    require(folder != QStringLiteral("/..") && !folder.startsWith(QStringLiteral("/../")),
            "nothing lies above the root", detail);
    require(withTrailingSeparator(folder).endsWith(QLatin1Char('/')), "the selected folder ends with a separator",
            detail);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    // The current folder is one the chooser listed: a clean absolute path
    // below the root. No path, typed or listed, can hold a NUL.
    QString current = QString::fromStdString(input.ConsumeRandomLengthString(64));
    current = QDir::cleanPath(QLatin1Char('/') + current.remove(QChar(0)));
    if (current.startsWith(QStringLiteral("/..")))
        current = QDir::rootPath();
    QString typed = QString::fromStdString(input.ConsumeRandomLengthString(128));
    typed.remove(QChar(0));
    const QString fileName = QString::fromStdString(input.ConsumeRemainingBytesAsString());

    const QString name = typedName(typed);
    require(!name.contains(QLatin1Char('/')) && typed.endsWith(name), "the name is the text after the last separator",
            typed);
    require(namesFolder(typed) == typed.contains(QLatin1Char('/')), "a separator names a folder", typed);
    if (namesFolder(typed))
        checkFolder(typed, current);

    require(FilePattern(name).matches(fileName) == anyPatternMatches(name, fileName),
            "the wildcard matches exactly the names it describes", name + QStringLiteral(" / ") + fileName);
    return 0;
}
