#pragma once

#include <QString>

// Program-wide results and option of the file select window (FileInfo).
// A caller joins Selected_Folder and Selected_File_Name to get the chosen
// path; both are empty after Cancel. After a choice the folder ends with "/".
inline QString Selected_Folder;
inline QString Selected_File_Name;
// Set by the caller: true lets only a listed (existing) file be chosen.
inline bool File_Must_Exist = false;
