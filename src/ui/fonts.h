#pragma once

class QWidget;

namespace ui {

// Maps the fonts the windows are designed with to the fonts a Debian
// machine has, at the same size and weight. Call once at start.
void registerFontSubstitutes();

// Completes the fonts a form cannot state itself: fractional point sizes
// (8.25, 9.75) kept in a "pointSizeF" property, since a form's font size is
// whole points only; and the heavy face of "Impact", whose substitute only
// comes close in its bold weight.
void applyDesignedFonts(QWidget* window);

} // namespace ui
