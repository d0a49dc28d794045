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

}  // namespace
}  // namespace quendal
