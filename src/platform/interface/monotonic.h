#pragma once

#include <chrono>
#include <functional>

namespace quendal {

// Time that only moves forward, for the rules that pace or space things out. It is passed
// in, so that a test can step it.
using MonoTime = std::chrono::steady_clock::time_point;
using MonoClock = std::function<MonoTime()>;

inline MonoTime steadyNow() {
    return std::chrono::steady_clock::now();
}

}  // namespace quendal
