#include "platform/rounding.h"

#include <cmath>
#include <limits>

namespace quendal {

std::int32_t roundToInt32(double value) noexcept {
    using Limits = std::numeric_limits<std::int32_t>;
    if (std::isnan(value)) {
        return 0;
    }
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) {
        rounded += 1.0;
    }
    if (rounded <= static_cast<double>(Limits::min())) {
        return Limits::min();
    }
    if (rounded >= static_cast<double>(Limits::max())) {
        return Limits::max();
    }
    return static_cast<std::int32_t>(rounded);
}

}  // namespace quendal
