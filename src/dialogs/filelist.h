#pragma once

#include "clicklist.h"

// The file list: the plain names of the files of one folder that match a
// wildcard pattern (initially "*.*", every file), keyed by the exact name.
// A double-click asks to choose an entry.
class FileList : public ClickList {
    Q_OBJECT

public:
    explicit FileList(QWidget* parent = nullptr);

    // Shows the files of folder, given as plain names in display order,
    // that match pattern, with none selected.
    void setContents(const QString& folder, const QStringList& files, const QString& pattern);
    // Lists the folder's files again through pattern, without reading the
    // folder again.
    void setPattern(const QString& pattern) { setContents(m_path, m_files, pattern); }

    [[nodiscard]] QString path() const { return m_path; }
    [[nodiscard]] QString pattern() const { return m_pattern; }
    // The selected file's name, empty when none is selected.
    [[nodiscard]] QString fileName() const { return currentKey(); }
    // The listed names, in list order.
    [[nodiscard]] QStringList entries() const { return keys(); }

private:
    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    QStringList m_files;
};
