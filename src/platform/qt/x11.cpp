#include "platform/qt/x11.h"

#include <QGuiApplication>

// Last: Xlib's macros (Bool, Status, None) would break Qt's headers.
#include <X11/Xlib.h>

namespace quendal::qt {

bool canOpenX11Display() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

std::optional<std::chrono::milliseconds> x11BellDuration() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) {
        return std::nullopt;
    }
    XKeyboardState keyboard{};
    XGetKeyboardControl(display, &keyboard);
    if (keyboard.bell_duration <= 0) {
        return std::nullopt;
    }
    return std::chrono::milliseconds(keyboard.bell_duration);
}

}  // namespace quendal::qt
