#include "programicon.h"

#include <QtGlobal>

// A resource in a static library must be registered by name from outside
// any namespace, or the linker leaves it out.
static void registerIconResource() { Q_INIT_RESOURCE(kelvane); }

namespace ui {

QIcon programIcon() {
    registerIconResource();
    return QIcon(QStringLiteral(":/kelvane/kelvane.png"));
}

} // namespace ui
