#pragma once

#include <QIcon>

namespace ui {

// The program's 32 x 32 icon: a loud-hailer over the lanes of a pool.
QIcon programIcon();

} // namespace ui
