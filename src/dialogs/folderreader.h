#pragma once

#include <QString>
#include <QStringList>

// What one reading of a folder found: the plain names of its files and of
// its subfolders, hidden (dot) names left out, each sorted as the
// platform's file dialogs sort names. When the folder cannot be read, error
// holds the platform's description of the failure and both lists are empty.
struct FolderContents {
    QString error;
    QStringList files;
    QStringList folders;
};

// Reads the folder at path once, files and subfolders together.
FolderContents readFolder(const QString& path);

// Sorts names as a person expects in a file dialog: by the user's language,
// ignoring letter case, with runs of digits compared by their value
// ("gala2" before "gala10"). Names that still tie keep a fixed order.
void sortLikeFileDialogs(QStringList& names);
