#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>

#include "platform/win32/handles.h"

namespace quendal::win32 {

// The window thread's two clocks, the refresh timer's and the pacer's frame, and the loop
// that waits for them beside the window messages. Both are high-resolution waitable
// timers (Windows 10 1803 and later: about 1000 firings a second); where Windows refuses
// those, ordinary ones with the system's timer period raised to a millisecond.
class TimerLoop {
  public:
    TimerLoop(std::function<void()> refresh, std::function<void()> frame);

    // The refresh timer fires every `interval` from now on, until stopped.
    void startRefresh(std::chrono::milliseconds interval);
    void stopRefresh();
    // The frame fires once, after `delay`.
    void wakeAfter(std::chrono::nanoseconds delay);

    // Runs whatever timer has come due, without waiting: for Windows' own loops, which run
    // while the window is moved or its menu is open.
    void serviceDue();
    // Until WM_QUIT: waits for a timer or a message, runs the timers that are due, and
    // hands each message to `dispatch`. Returns WM_QUIT's code.
    int run(const std::function<void(MSG&)>& dispatch);

  private:
    void set(HANDLE timer, std::chrono::nanoseconds due, LONG period);

    std::function<void()> refresh_;
    std::function<void()> frame_;
    OwnedHandle refreshTimer_;
    OwnedHandle frameTimer_;
    std::optional<RaisedTimerPeriod> period_;
    std::chrono::milliseconds refreshInterval_{0};
};

}  // namespace quendal::win32
