#pragma once

#include <QString>

#include <array>

// Pieces of the last split: slots 1 to 1000 hold them in order; slots 0
// and 1001 are never written.
inline std::array<QString, 1002> Message_Items;
inline qint16 Message_Item_Count = 0;

// Cuts text at every whole occurrence of delimiter (a single space when the
// delimiter is empty) into Message_Items, dropping empty pieces and any
// piece after the thousandth. Returns the number of pieces stored.
qint16 Split_Into_Items(const QString& text, const QString& delimiter);
