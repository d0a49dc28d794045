#include "platform/win32/win32_timers.h"

#include <algorithm>

#include "platform/rules/audience.h"

namespace quendal::win32 {
namespace {

// Windows 10 1803 and later; older ones refuse it.
constexpr DWORD kHighResolutionTimer = 0x00000002;

HANDLE waitableTimer(DWORD flags) {
    return CreateWaitableTimerExW(nullptr, nullptr, flags, TIMER_ALL_ACCESS);
}

}  // namespace

TimerLoop::TimerLoop(std::function<void()> refresh, std::function<void()> frame)
    : refresh_(std::move(refresh)), frame_(std::move(frame)) {
    refreshTimer_.reset(waitableTimer(kHighResolutionTimer));
    frameTimer_.reset(waitableTimer(kHighResolutionTimer));
    if (!refreshTimer_ || !frameTimer_) {
        refreshTimer_.reset(waitableTimer(0));
        frameTimer_.reset(waitableTimer(0));
        period_.emplace();
    }
    if (!refreshTimer_ || !frameTimer_) {
        fail("cannot make a timer");
    }
}

// A timer that cannot be set would freeze the clock without a word: that is a failure.
void TimerLoop::set(HANDLE timer, std::chrono::nanoseconds due, LONG period) {
    // Relative due times are negative, in units of 100 ns.
    LARGE_INTEGER when{};
    when.QuadPart = -std::max<LONGLONG>(1, static_cast<LONGLONG>(due.count() / 100));
    if (!SetWaitableTimer(timer, &when, period, nullptr, nullptr, FALSE)) {
        fail("cannot set a timer");
    }
}

void TimerLoop::startRefresh(std::chrono::milliseconds interval) {
    refreshInterval_ = interval;
    set(refreshTimer_.get(), interval, static_cast<LONG>(interval.count()));
}

void TimerLoop::stopRefresh() {
    CancelWaitableTimer(refreshTimer_.get());
}

void TimerLoop::wakeAfter(std::chrono::nanoseconds delay) {
    set(frameTimer_.get(), delay, 0);
}

void TimerLoop::serviceDue() {
    if (WaitForSingleObject(refreshTimer_.get(), 0) == WAIT_OBJECT_0) {
        refresh_();
    }
    if (WaitForSingleObject(frameTimer_.get(), 0) == WAIT_OBJECT_0) {
        frame_();
    }
}

int TimerLoop::run(const std::function<void(MSG&)>& dispatch) {
    const HANDLE timers[] = {refreshTimer_.get(), frameTimer_.get()};
    MSG message{};
    for (;;) {
        const DWORD woke =
            MsgWaitForMultipleObjectsEx(2, timers, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0) {
            refresh_();
            // A slow refresh (nobody sees the screen, or the system saves power) leaves
            // any message to the next wait, which finds it long before the timer fires
            // again: each look at the queue is a call into the system.
            if (refreshInterval_ >= Audience::minimumInterval(Pace::Saving)) {
                continue;
            }
        } else if (woke == WAIT_OBJECT_0 + 1) {
            frame_();
        } else if (woke == WAIT_FAILED) {
            fail("cannot wait for the timers");
        }
        // The other timer, if it is due too, wakes the next wait at once.
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return static_cast<int>(message.wParam);
            }
            dispatch(message);
        }
    }
}

}  // namespace quendal::win32
