#pragma once

class QWidget;

namespace ui {

// Maps the fonts the windows are designed with to the fonts a Debian
// machine has, at the same size and weight. Call once at start.
void registerFontSubstitutes();

// Forms keep fractional point sizes (8.25, 9.75) in a "pointSizeF" property,
// because a form's own font size is whole points only. Applies them.
void applyFractionalFontSizes(QWidget* window);

} // namespace ui
