#include "platform/qt/x11.h"

#include <xcb/xcb.h>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

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

namespace {

// Qt's own connection to the X server, so that what is asked here comes in order with
// what Qt asks; none elsewhere than X.
Display* qtDisplay() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

}  // namespace

std::optional<std::chrono::milliseconds> x11BellDuration() {
    Display* display = qtDisplay();
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

std::unique_ptr<FramingWatch> FramingWatch::watch(QWidget& window) {
    Display* display = qtDisplay();
    if (!display || !(window.windowState() & Qt::WindowMinimized)) {
        return nullptr;
    }
    std::unique_ptr<FramingWatch> watch(new FramingWatch(display, window.winId()));
    QCoreApplication::instance()->installNativeEventFilter(watch.get());
    return watch;
}

FramingWatch::FramingWatch(void* display, unsigned long window)
    : display_(display), window_(window) {}

FramingWatch::~FramingWatch() {
    if (installed_) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

bool FramingWatch::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_REPARENT_NOTIFY) {
        return false;
    }
    const auto* reparent = static_cast<const xcb_reparent_notify_event_t*>(message);
    auto* display = static_cast<Display*>(display_);
    if (reparent->window != window_ || reparent->parent == XDefaultRootWindow(display)) {
        return false;
    }
    // Asked after the frame came, so the window manager learns of the frame first.
    ::Window root = 0;
    int x = 0;
    int y = 0;
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int border = 0;
    unsigned int depth = 0;
    if (XGetGeometry(display, window_, &root, &x, &y, &width, &height, &border, &depth)) {
        XResizeWindow(display, window_, width, height);
        XFlush(display);
    }
    QCoreApplication::instance()->removeNativeEventFilter(this);
    installed_ = false;
    return false;
}

}  // namespace quendal::qt
