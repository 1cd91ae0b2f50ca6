#pragma once

#include <QString>

namespace ui {

// The program's title in every message box and the general error report.
inline const QString programTitle = QStringLiteral("kelvane");

// A modal message with no icon and a single OK button.
void showMessage(const QString& text, const QString& title = programTitle);

} // namespace ui
