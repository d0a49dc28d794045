#pragma once

#include <QTimer>
#include <chrono>

namespace quendal::qt {

// A pacer's wake-up (TextPacer::Wake) on a single-shot timer: rounded up to whole
// milliseconds, since a frame must not come early.
inline void wakeAfter(QTimer& timer, std::chrono::nanoseconds delay) {
    timer.start(std::chrono::ceil<std::chrono::milliseconds>(delay));
}

}  // namespace quendal::qt
