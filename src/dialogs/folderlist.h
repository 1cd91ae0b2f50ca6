#pragma once

#include "clicklist.h"

// The folder list: the current folder, the folders above it and the
// folders in it, each entry keyed by its full path and shown by its name,
// indented by its depth. A double-click asks to open an entry.
class FolderList : public ClickList {
    Q_OBJECT

public:
    explicit FolderList(QWidget* parent = nullptr);

    // Shows folder (a clean absolute path) with its subfolders, given as
    // plain names in display order, and highlights folder itself.
    void setFolder(const QString& folder, const QStringList& subfolders);
    [[nodiscard]] QString path() const { return m_path; }
    // The full path of the highlighted entry, or path() when none is.
    [[nodiscard]] QString highlightedPath() const;

private:
    QString m_path;
};
