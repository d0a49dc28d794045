#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/interface/monotonic.h"

namespace quendal {

class PacedText;

// Hands a window's texts to the window system at most once per frame of its screen. A
// refresh may set a text a thousand times a second, but no screen shows more than one
// frame, and every handover costs the X server, the window manager and the taskbar.
//
// What reaches the screen is always the latest text set, at most one frame late. Texts
// set within one frame go out together, at the frame; a text set after a quiet spell goes
// out at once, that is when the event that set it is over.
class TextPacer {
  public:
    // Asks the binding to call frameDue() after `delay` (zero: as soon as the event being
    // handled is over). One request stands at a time.
    using Wake = std::function<void(std::chrono::nanoseconds delay)>;

    static constexpr double kDefaultFrameRate = 60.0;

    TextPacer(MonoClock now, Wake wake);
    TextPacer(const TextPacer&) = delete;
    TextPacer& operator=(const TextPacer&) = delete;

    // The screen's refresh rate in hertz; outside 1..1000 (unknown) it is taken as 60.
    void setFrameRate(double hertz);

    // The binding's wake-up: hands every changed text over, unless the frame has not
    // come yet, when it asks to be woken again.
    void frameDue();
    // Hands every changed text over now, frame or not: for a window about to go.
    void flush();
    // While held (nobody can see the screen), texts set are kept and none is handed over;
    // released, the latest go out at once.
    void hold(bool held);
    bool held() const { return held_; }

  private:
    friend class PacedText;
    void changed(PacedText& text);
    void forget(PacedText& text);
    void handOver(MonoTime now);

    MonoClock now_;
    Wake wake_;
    std::chrono::nanoseconds frame_;
    MonoTime last_{};
    bool handedOver_ = false;
    bool wakeRequested_ = false;
    bool held_ = false;
    std::vector<PacedText*> changed_;
};

// One text of a window, such as its caption or a label's, handed over by a pacer.
class PacedText {
  public:
    using Show = std::function<void(std::string_view)>;

    // Shows `initial` at once.
    PacedText(TextPacer& pacer, std::string_view initial, Show show);
    ~PacedText();
    PacedText(const PacedText&) = delete;
    PacedText& operator=(const PacedText&) = delete;

    // The text reaches the screen within a frame; the text it already has costs nothing.
    void set(std::string_view text);
    // The latest text set, which the screen may not show yet.
    std::string_view latest() const { return latest_; }

  private:
    friend class TextPacer;
    // True when the screen had another text.
    bool handOver();

    TextPacer& pacer_;
    Show show_;
    std::string latest_;
    std::string shown_;
    bool changed_ = false;
};

}  // namespace quendal
