#pragma once

#include <QString>

// How the file select window reads text typed into its name box. "/"
// separates folders; ":" is an ordinary character, as there are no drive
// letters.

// The text names a folder: it holds a "/".
bool namesFolder(const QString& typed);
// The text is a wildcard pattern: it holds a "*" or a "?".
bool isPattern(const QString& typed);
// The folder the text names: the text before its last "/", or the root
// when that "/" is the root's own. Relative text is taken from
// currentFolder. The result is a clean absolute path without a trailing "/".
QString typedFolder(const QString& typed, const QString& currentFolder);
// The text after the last "/", or the whole text when there is none.
QString typedName(const QString& typed);

// A folder ready to have a file name appended: with a "/" added when it
// does not end with one.
QString withTrailingSeparator(const QString& folder);
