#include "filelist.h"

#include "filepattern.h"

namespace {

// A name may even hold a line break: it is shown as a return arrow, and
// other control characters as "?", so every entry takes one line. The
// entry's key keeps the exact name.
QString visible(const QString& name) {
    QString shown = name;
    for (QChar& c : shown) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QChar(0x21B5);
        else if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
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
