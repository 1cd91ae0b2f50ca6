#include "filelist.h"

#include "filepattern.h"

namespace {

// Control characters (a name may even hold a line break) are shown as
// their visible symbols, so every entry takes one line.
QString visible(const QString& name) {
    QString shown = name;
    for (QChar& c : shown) {
        if (c.unicode() < 0x20)
            c = QChar(0x2400 + c.unicode());
        else if (c.unicode() == 0x7f)
            c = QChar(0x2421);
    }
    return shown;
}

} // namespace

FileList::FileList(QWidget* parent)
    : ClickList(parent) {
    setUniformItemSizes(true);
}

void FileList::setContents(const QString& folder, const QStringList& files, const QString& patternText) {
    m_path = folder;
    m_files = files;
    m_pattern = patternText;
    const FilePattern pattern(patternText);
    QStringList names;
    QStringList shown;
    for (const QString& name : m_files) {
        if (pattern.matches(name)) {
            names.append(name);
            shown.append(visible(name));
        }
    }
    setEntries(names, shown);
}
