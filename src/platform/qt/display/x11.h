#pragma once

#include <QAbstractNativeEventFilter>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/rules/audience.h"

class QWidget;

// What the binding asks of the X server directly, through Xlib, which no other file uses.
namespace quendal::qt {

// Whether the display named by DISPLAY can be opened; where it cannot, Qt would abort.
bool canOpenX11Display();

// How long the X server's bell sounds, where the desktop is an X display that says.
std::optional<std::chrono::milliseconds> x11BellDuration();

// A window that starts minimised is marked so by Qt (_NET_WM_STATE_HIDDEN), which mutter
// acts on once it has placed the window. mutter 48 frames windows in a process of its own,
// and where the frame comes after the placement, it keeps the mark until the window is next
// placed: when the alarm or the user first brings it up, or the user first moves it, and
// then minimises it again at once. This watch asks, once the window has its frame, for the
// size the window has: a request that changes nothing, but that mutter places the window
// for, while it is still minimised. Elsewhere than X, or for a window not minimised,
// there is nothing to watch.
class FramingWatch final : public QAbstractNativeEventFilter {
  public:
    // Made before the window is first shown.
    static std::unique_ptr<FramingWatch> watch(QWidget& window);
    FramingWatch(const FramingWatch&) = delete;
    FramingWatch& operator=(const FramingWatch&) = delete;
    ~FramingWatch() override;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

  private:
    FramingWatch(void* display, unsigned long window);

    void* display_;
    unsigned long window_;
    bool installed_ = true;
};

// The X server's own word on whether anyone sees the screen: its screen saver (the
// MIT-SCREEN-SAVER extension's notices) and, where the server sends notices of it, the
// display's power (DPMS 1.2). A server that says the display's power only when asked is
// not asked: without its notices the clock could stay dark once the display is back.
class XScreenWatch final : public QAbstractNativeEventFilter {
  public:
    // None elsewhere than X. Its first word comes on the event loop.
    static std::unique_ptr<XScreenWatch> watch(Audience& audience);
    XScreenWatch(const XScreenWatch&) = delete;
    XScreenWatch& operator=(const XScreenWatch&) = delete;
    ~XScreenWatch() override;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

  private:
    XScreenWatch(Audience& audience, void* connection);
    void takeFirstAnswers();

    Audience& audience_;
    void* connection_;
    // The screen saver's notice, and the DPMS extension's opcode once it sends notices.
    std::optional<std::uint8_t> saverEvent_;
    std::optional<std::uint8_t> dpmsOpcode_;
    unsigned int saverQuery_ = 0;
    unsigned int dpmsVersionQuery_ = 0;
    unsigned int dpmsInfoQuery_ = 0;
    QTimer firstAnswers_;
};

}  // namespace quendal::qt
