#pragma once

#include <QString>

class QWidget;

namespace ui {

// The program's title in every message box and the general error report.
inline const QString programTitle = QStringLiteral("kelvane");

// A modal message with no icon and a single OK button.
void showMessage(const QString& text, const QString& title = programTitle);

// The same message over parent's window, shown without waiting for OK: for
// what a window is told while it works (answers of a database, say), where
// a nested event loop could run the window's own handlers under it.
void postMessage(const QString& text, QWidget* parent);

// A question before something that cannot be taken back: doIt and keep
// caption its two buttons, and keep is what Enter and Escape answer.
// True when doIt was pressed.
bool confirm(const QString& text, const QString& doIt, const QString& keep, QWidget* parent);

} // namespace ui
