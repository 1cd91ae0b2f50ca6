#pragma once

class QWidget;

namespace ui {

// Draws the text boxes, drop-down lists and frames of a window designed
// flat as flat: a one-pixel frame in the window text colour, like the
// multi-line boxes and lists that are plain QFrame boxes, instead of the
// style's rounded, shaded one. A frame's top line runs through the middle
// of its caption, so the controls placed just below the caption sit inside
// the line. Call once from the window's constructor.
void makeFlat(QWidget* window);

} // namespace ui
