#pragma once

#include <QString>

// True when the file at path can be opened for reading. Never shows a
// message and never fails: every problem (no such file, a folder, an empty
// or malformed path, no permission) means false.
bool File_Exists(const QString& path);
