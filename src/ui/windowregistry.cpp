#include "windowregistry.h"

#include <QCoreApplication>

#include <vector>

namespace ui::detail {

namespace {

std::vector<QPointer<QWidget>>& registered() {
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}

void deleteRegistered() {
    for (QPointer<QWidget>& window : registered())
        delete window.data();
    registered().clear();
}

} // namespace

void registerForCleanup(QWidget* window) {
    if (registered().empty())
        qAddPostRoutine(deleteRegistered);
    registered().emplace_back(window);
}

} // namespace ui::detail
