#pragma once

#include <optional>

#include "platform/interface/design.h"

// The colours the strip's digit fields are drawn in, whatever toolkit draws them.
namespace quendal {

// WCAG 2's contrast ratio of two colours, from 1 (the same) to 21 (black and white).
double contrastRatio(const Rgb& a, const Rgb& b);

struct FieldColours {
    Rgb text;
    Rgb background;
    friend bool operator==(const FieldColours&, const FieldColours&) = default;
};

// The colours of a system that asks for high contrast: its text, and what text stands on.
struct HighContrast {
    Rgb text;
    Rgb window;
};

// The colours of one of the design's labels. Its designed colour stays, on white or on
// black, whichever it stands out from more: the strip's four stand at least 4.5:1, the
// blue whole percent on white and its decimals on one black panel. Where the system asks
// for high contrast, the fields take the system's two colours instead, every other one
// with text and background swapped, so that neighbours stay apart.
FieldColours fieldColours(const FormDesign& design, const ControlDesign& label,
                          const std::optional<HighContrast>& highContrast);

// The colour of the label that shows the whole percent, the first: a taskbar's or a tray's
// count is drawn in it.
Rgb countColour(const FormDesign& design);

}  // namespace quendal
