#include "window/rounding.h"

#include <cmath>
#include <limits>

namespace quendal {

std::int32_t roundToInt32(double value) noexcept {
    using Limits = std::numeric_limits<std::int32_t>;
    if (std::isnan(value)) {
        return 0;
    }
    if (value <= static_cast<double>(Limits::min())) {
        return Limits::min();
    }
    if (value >= static_cast<double>(Limits::max())) {
        return Limits::max();
    }
    // Whole numbers within the range from here on, so the halves go to the even one by
    // the integer's last bit (std::fmod would be the x87's fprem on 32-bit Windows).
    const double floored = std::floor(value);
    const auto whole = static_cast<std::int32_t>(floored);
    const double fraction = value - floored;
    if (fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0)) {
        return whole + 1;
    }
    return whole;
}

}  // namespace quendal
