#include "platform/spacing.h"

#include <gtest/gtest.h>

#include "platform/window_speech.h"

namespace quendal {
namespace {

using namespace std::chrono_literals;

// A bell of 100 ms: one at a time, none queued.
TEST(Spacing, OneAtATimeAndNoQueue) {
    Spacing throttle(100ms);
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

TEST(Spacing, AThousandRequestsASecondRingTenBells) {
    Spacing throttle(100ms);
    int bells = 0;
    for (int ms = 0; ms < 1000; ++ms) {
        bells += throttle.admit(MonoTime{} + std::chrono::milliseconds(ms));
    }
    EXPECT_EQ(bells, 10);
}

// A screen reader is told of a changed Reading at most once a second.
TEST(QuietNotifier, TellsAChangeAtMostOnceASecond) {
    QuietNotifier notifier;
    const struct {
        std::chrono::milliseconds at;
        const char* text;
        bool told;
    } steps[] = {{0ms, "14.28", true},      {250ms, "14.29", false},  {999ms, "14.30", false},
                 {1000ms, "14.30", true},   {1250ms, "14.30", false}, {5000ms, "14.30", false},
                 {5250ms, "Quendal", true}, {5500ms, "14.31", false}};
    for (const auto& step : steps) {
        EXPECT_EQ(notifier.due(step.text, MonoTime{} + step.at), step.told) << step.at.count();
    }
}

}  // namespace
}  // namespace quendal
