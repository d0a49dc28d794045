#include "platform/rules/taskbar_progress.h"

#include <gtest/gtest.h>

#include <vector>

namespace quendal {
namespace {

using namespace std::chrono_literals;

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
