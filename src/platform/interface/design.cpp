#include "platform/interface/design.h"

#include <algorithm>
#include <cmath>

namespace quendal {

int pixelsFromTwips(int twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

PixelRect pixelRect(int left, int top, int width, int height, double dotsPerInch) {
    const int x = pixelsFromTwips(left, dotsPerInch);
    const int y = pixelsFromTwips(top, dotsPerInch);
    return {x, y, pixelsFromTwips(left + width, dotsPerInch) - x,
            pixelsFromTwips(top + height, dotsPerInch) - y};
}

PixelRect keepWithin(PixelRect window, const PixelRect& available) {
    window.left = std::max(available.left,
                           std::min(window.left, available.left + available.width - window.width));
    window.top = std::max(available.top,
                          std::min(window.top, available.top + available.height - window.height));
    return window;
}

std::vector<const ControlDesign*> focusOrder(const FormDesign& design) {
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& control : design.controls) {
        if (control.kind != ControlKind::Label) {
            order.push_back(&control);
        }
    }
    std::stable_sort(
        order.begin(), order.end(),
        [](const ControlDesign* a, const ControlDesign* b) { return a->tabIndex < b->tabIndex; });
    return order;
}

}  // namespace quendal
