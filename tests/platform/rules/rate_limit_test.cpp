#include "platform/rules/rate_limit.h"

#include <gtest/gtest.h>

namespace quendal {
namespace {

using namespace std::chrono_literals;

// A bell of 100 ms: one at a time, none queued.
TEST(RateLimit, OneAtATimeAndNoQueue) {
    RateLimit throttle(100ms);
    const MonoTime t0{};
    const struct {
        std::chrono::milliseconds at;
        bool rings;
    } requests[] = {{0ms, true},    {1ms, false},   {50ms, false}, {99ms, false},  {100ms, true},
                    {101ms, false}, {150ms, false}, {250ms, true}, {349ms, false}, {1000ms, true}};
    for (const auto& r : requests) {
        EXPECT_EQ(throttle.admit(t0 + r.at), r.rings) << r.at.count() << " ms";
    }
}

TEST(RateLimit, AThousandRequestsASecondRingTenBells) {
    RateLimit throttle(100ms);
    int bells = 0;
    for (int ms = 0; ms < 1000; ++ms) {
        bells += throttle.admit(MonoTime{} + std::chrono::milliseconds(ms));
    }
    EXPECT_EQ(bells, 10);
}

}  // namespace
}  // namespace quendal
