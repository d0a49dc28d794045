#include "platform/rules/field_colours.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "window/window_design.h"

namespace quendal {
namespace {

TEST(FieldColours, EachFieldsDigitsStandOutAtLeastFourAndAHalfToOne) {
    const FormDesign& design = windowDesign();
    const Rgb white{255, 255, 255};
    const Rgb black{0, 0, 0};
    const std::optional<HighContrast> none;
    const HighContrast whiteOnBlack{white, black};
    const struct {
        std::optional<HighContrast> system;
        // Per label, in the design's order: the text and the field's background.
        std::vector<FieldColours> fields;
    } cases[] = {
        // The design's colours stay; blue on white, its decimals on black.
        {none,
         {{{0, 0, 255}, white},
          {{255, 0, 0}, black},
          {{255, 255, 0}, black},
          {{0, 255, 0}, black}}},
        // High contrast: the system's two colours, neighbours swapped.
        {whiteOnBlack, {{white, black}, {black, white}, {white, black}, {black, white}}},
    };
    for (const auto& c : cases) {
        std::vector<FieldColours> fields;
        for (const ControlDesign& control : design.controls) {
            if (control.kind == ControlKind::Label) {
                fields.push_back(fieldColours(design, control, c.system));
                EXPECT_GE(contrastRatio(fields.back().text, fields.back().background), 4.5)
                    << control.name;
            }
        }
        EXPECT_EQ(fields, c.fields);
    }
}

}  // namespace
}  // namespace quendal
