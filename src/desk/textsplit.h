#pragma once

#include <QString>
#include <QStringList>

namespace desk {

// Cuts text at every whole occurrence of delimiter (a single space when the
// delimiter is empty), dropping empty pieces and any piece after the
// thousandth. Returns the pieces in order.
QStringList Split_Into_Items(const QString& text, const QString& delimiter);

} // namespace desk
