#include "platform/qt/display/x11.h"

#include <sys/uio.h>
#include <xcb/dpms.h>
#include <xcb/screensaver.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>

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

namespace {

xcb_connection_t* qtConnection() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The screen saver's state: on, or cycling its pictures, is unseen.
bool saverLetsSee(std::uint8_t state) {
    return state != XCB_SCREENSAVER_STATE_ON && state != XCB_SCREENSAVER_STATE_CYCLE;
}

// DPMS: a display switched to standby, suspend or off is unseen, while DPMS is enabled.
bool displayPowered(std::uint16_t powerLevel, bool enabled) {
    return !enabled || powerLevel == XCB_DPMS_DPMS_MODE_ON;
}

// DPMS 1.2's SelectInput, which the X headers of some systems (Debian 12's) lack: the
// extension's request 8 with one mask, whose bit 0 asks for InfoNotify.
constexpr std::uint8_t kDpmsSelectInput = 8;
constexpr std::uint32_t kDpmsInfoNotifyMask = 1;
constexpr std::uint16_t kDpmsInfoNotify = 0;

void selectDpmsNotices(xcb_connection_t* connection) {
    struct {
        std::uint8_t majorOpcode;
        std::uint8_t minorOpcode;
        std::uint16_t length;
        std::uint32_t eventMask;
    } request{0, 0, 0, kDpmsInfoNotifyMask};
    iovec parts[4] = {};
    parts[2].iov_base = &request;
    parts[2].iov_len = sizeof request;
    const xcb_protocol_request_t protocol{2, &xcb_dpms_id, kDpmsSelectInput, 1};
    xcb_send_request(connection, 0, parts + 2, &protocol);
}

}  // namespace

std::unique_ptr<XScreenWatch> XScreenWatch::watch(Audience& audience) {
    xcb_connection_t* connection = qtConnection();
    if (!connection) {
        return nullptr;
    }
    std::unique_ptr<XScreenWatch> watch(new XScreenWatch(audience, connection));
    QCoreApplication::instance()->installNativeEventFilter(watch.get());
    return watch;
}

// The questions go out now; their answers are taken once the event loop runs.
XScreenWatch::XScreenWatch(Audience& audience, void* connection)
    : audience_(audience), connection_(connection) {
    auto* c = static_cast<xcb_connection_t*>(connection);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_query_extension_reply_t* saver = xcb_get_extension_data(c, &xcb_screensaver_id);
    if (saver && saver->present) {
        saverEvent_ = saver->first_event;
        xcb_screensaver_select_input(c, root, XCB_SCREENSAVER_EVENT_NOTIFY_MASK);
        saverQuery_ = xcb_screensaver_query_info(c, root).sequence;
    }
    const xcb_query_extension_reply_t* dpms = xcb_get_extension_data(c, &xcb_dpms_id);
    if (dpms && dpms->present) {
        dpmsVersionQuery_ = xcb_dpms_get_version(c, 1, 2).sequence;
        dpmsInfoQuery_ = xcb_dpms_info(c).sequence;
    }
    xcb_flush(c);
    firstAnswers_.setSingleShot(true);
    QObject::connect(&firstAnswers_, &QTimer::timeout, [this] { takeFirstAnswers(); });
    firstAnswers_.start(0);
}

XScreenWatch::~XScreenWatch() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

void XScreenWatch::takeFirstAnswers() {
    auto* c = static_cast<xcb_connection_t*>(connection_);
    if (saverQuery_ != 0) {
        const std::unique_ptr<xcb_screensaver_query_info_reply_t, decltype(&std::free)> info(
            xcb_screensaver_query_info_reply(c, {saverQuery_}, nullptr), &std::free);
        if (info) {
            audience_.report(SightSource::XScreenSaver, saverLetsSee(info->state));
        }
    }
    if (dpmsVersionQuery_ == 0) {
        return;
    }
    const std::unique_ptr<xcb_dpms_get_version_reply_t, decltype(&std::free)> version(
        xcb_dpms_get_version_reply(c, {dpmsVersionQuery_}, nullptr), &std::free);
    const std::unique_ptr<xcb_dpms_info_reply_t, decltype(&std::free)> info(
        xcb_dpms_info_reply(c, {dpmsInfoQuery_}, nullptr), &std::free);
    if (!version || !info || version->server_major_version != 1 ||
        version->server_minor_version < 2) {
        return;
    }
    dpmsOpcode_ = xcb_get_extension_data(c, &xcb_dpms_id)->major_opcode;
    selectDpmsNotices(c);
    xcb_flush(c);
    audience_.report(SightSource::DisplayPower, displayPowered(info->power_level, info->state));
}

bool XScreenWatch::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t kind = event->response_type & 0x7f;
    if (saverEvent_ && kind == *saverEvent_ + XCB_SCREENSAVER_NOTIFY) {
        const auto* notice = static_cast<const xcb_screensaver_notify_event_t*>(message);
        audience_.report(SightSource::XScreenSaver, saverLetsSee(notice->state));
    } else if (dpmsOpcode_ && kind == XCB_GE_GENERIC) {
        // DPMS 1.2's InfoNotify: the power level at byte 16, whether DPMS is on at 18.
        const auto* generic = static_cast<const xcb_ge_generic_event_t*>(message);
        if (generic->extension == *dpmsOpcode_ && generic->event_type == kDpmsInfoNotify) {
            const auto* bytes = static_cast<const std::uint8_t*>(message);
            std::uint16_t powerLevel = 0;
            std::memcpy(&powerLevel, bytes + 16, sizeof powerLevel);
            audience_.report(SightSource::DisplayPower, displayPowered(powerLevel, bytes[18] != 0));
        }
    }
    return false;
}

}  // namespace quendal::qt
