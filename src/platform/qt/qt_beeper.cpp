#include "platform/qt/qt_beeper.h"

#include <QApplication>
#include <QGuiApplication>

// Last: Xlib's macros (Bool, Status, None) would break Qt's headers.
#include <X11/Xlib.h>

namespace quendal::qt {
namespace {

constexpr std::chrono::milliseconds kDefaultBellDuration{100};

// How long the X server's bell sounds, where the desktop is an X display that says.
std::chrono::milliseconds bellDuration() {
    if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        if (Display* display = x11->display()) {
            XKeyboardState keyboard{};
            XGetKeyboardControl(display, &keyboard);
            if (keyboard.bell_duration > 0) {
                return std::chrono::milliseconds(keyboard.bell_duration);
            }
        }
    }
    return kDefaultBellDuration;
}

}  // namespace

QtBeeper::QtBeeper() : throttle_(bellDuration()) {}

void QtBeeper::beep() {
    if (throttle_.admit(std::chrono::steady_clock::now())) {
        QApplication::beep();
    }
}

}  // namespace quendal::qt
