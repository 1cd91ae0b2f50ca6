#pragma once

#include <QPointer>
#include <QWidget>

#include <utility>

namespace ui {

namespace detail {
// Deletes every registered window when the application object goes away.
void registerForCleanup(QWidget* window);
}

// Windows that "hide and stay loaded": created on first use, then the same
// instance for the rest of the run, with its state as the last user left it.
template <class Window>
QPointer<Window>& windowSlot() {
    static QPointer<Window> instance;
    return instance;
}

// The arguments are passed to the constructor when the window is created,
// and ignored once it is loaded.
template <class Window, class... Args> Window& loadedWindow(Args&&... args) {
    QPointer<Window>& slot = windowSlot<Window>();
    if (!slot) {
        slot = new Window(std::forward<Args>(args)...);
        detail::registerForCleanup(slot);
    }
    return *slot;
}

template <class Window>
bool isLoaded() {
    return !windowSlot<Window>().isNull();
}

// Closing a window unloads it: the next use starts again from its design.
template <class Window>
void unloadWindow() {
    QPointer<Window>& slot = windowSlot<Window>();
    if (slot) {
        slot->hide();
        slot->deleteLater();
        slot = nullptr;
    }
}

} // namespace ui
