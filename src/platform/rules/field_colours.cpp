#include "platform/rules/field_colours.h"

#include <algorithm>
#include <cmath>

namespace quendal {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

// One channel of sRGB, from 0 to 255, as light: the piecewise curve of sRGB.
double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const Rgb& c) {
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

}  // namespace

double contrastRatio(const Rgb& a, const Rgb& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

FieldColours fieldColours(const FormDesign& design, const ControlDesign& label,
                          const std::optional<HighContrast>& highContrast) {
    if (highContrast) {
        const auto before = std::count_if(
            design.controls.begin(), design.controls.end(),
            [&](const ControlDesign& c) { return &c < &label && c.kind == ControlKind::Label; });
        if (before % 2 == 0) {
            return {highContrast->text, highContrast->window};
        }
        return {highContrast->window, highContrast->text};
    }
    const Rgb& designed = label.color;
    const bool onWhite = contrastRatio(designed, kWhite) >= contrastRatio(designed, kBlack);
    return {designed, onWhite ? kWhite : kBlack};
}

Rgb countColour(const FormDesign& design) {
    for (const ControlDesign& control : design.controls) {
        if (control.kind == ControlKind::Label) {
            return control.color;
        }
    }
    return {};
}

}  // namespace quendal
