#include "platform/rules/rate_limit.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/rules/speech.h"
#include "platform/rules/taskbar_progress.h"

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

// A taskbar is handed a new bar or count only when it can draw the change, at most once a
// second, and at once when the mode changes.
TEST(TaskbarProgress, OnlyWhatCanBeDrawnAtMostOnceASecond) {
    std::vector<Progress> shown;
    TaskbarProgress progress([&](const Progress& p) { shown.push_back(p); });
    constexpr ModeSelection clock{.clock = true};
    constexpr ModeSelection stopwatch{.stopWatch = true};
    const struct {
        std::chrono::milliseconds at;
        double fraction;
        int count;
        ModeSelection modes;
        bool handed;
    } steps[] = {
        {0ms, 0.1428, 14, clock, true},       {500ms, 0.1429, 14, clock, false},
        {1500ms, 0.14285, 14, clock, false},  {1600ms, 0.1438, 14, clock, true},
        {1700ms, 0.1500, 15, clock, false},   {2600ms, 0.1500, 15, clock, true},
        {2700ms, 0.0001, 0, stopwatch, true}, {2800ms, 0.0101, 1, stopwatch, false},
        {3800ms, 0.0101, 1, stopwatch, true},
    };
    for (const auto& step : steps) {
        const std::size_t before = shown.size();
        progress.offer({step.fraction, step.count}, step.modes,
                       [&step] { return MonoTime{} + step.at; });
        EXPECT_EQ(shown.size() > before, step.handed) << step.at.count() << " ms";
    }
    EXPECT_EQ(shown.back(), (Progress{0.0101, 1}));
}

}  // namespace
}  // namespace quendal
