#include "platform/interface/design.h"

#include <gtest/gtest.h>

#include <string>

#include "window/window_design.h"

namespace quendal {
namespace {

TEST(Design, PixelsFollowTheScreenResolutionAndFocusTheTabIndexes) {
    const struct {
        double dpi;
        PixelRect go, reset, blue;
    } screens[] = {{96, {0, 0, 41, 33}, {40, 0, 41, 33}, {88, 0, 49, 33}},
                   {144, {0, 0, 62, 50}, {60, 0, 62, 50}, {132, 0, 74, 50}},
                   {192, {0, 0, 82, 66}, {80, 0, 82, 66}, {176, 0, 98, 66}}};
    for (const auto& s : screens) {
        EXPECT_EQ(pixelRect(0, 0, 615, 495, s.dpi), s.go) << s.dpi;
        EXPECT_EQ(pixelRect(600, 0, 615, 495, s.dpi), s.reset) << s.dpi;
        EXPECT_EQ(pixelRect(1320, 0, 735, 495, s.dpi), s.blue) << s.dpi;
    }
    std::string order;
    for (const ControlDesign* control : focusOrder(windowDesign())) {
        order += std::string(control->name) + " ";
    }
    EXPECT_EQ(order, "Alarm Go Clock StopWatch Reset Calendar ");
}

// A translation puts each placeholder where its language puts it; a percent sign that is
// no placeholder, or one with no argument, stays as written.
TEST(Design, PlaceholdersAreFilledWhereverTheTranslationPutsThem) {
    const struct {
        const char* pattern;
        const char* filled;
    } rows[] = {{"%1 cannot go on: %2", "Quendal cannot go on: no clock"},
                {"%2 : %1", "no clock : Quendal"},
                {"1日の%1パーセント", "1日のQuendalパーセント"},
                {"100% of %1, %3", "100% of Quendal, %3"}};
    for (const auto& row : rows) {
        EXPECT_EQ(fillIn(row.pattern, {"Quendal", "no clock"}), row.filled) << row.pattern;
    }
}

}  // namespace
}  // namespace quendal
