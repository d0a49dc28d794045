#include "window/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quendal {
namespace {

TEST(Rounding, NearestWithHalvesToEven) {
    using Limits = std::numeric_limits<std::int32_t>;
    const struct {
        double value;
        std::int32_t rounded;
    } cases[] = {
        {0.0, 0},
        {0.4999999999999999, 0},
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {2.5000000000000004, 3},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {-2.6, -3},
        {86399.5, 86400},
        {86398.5, 86398},
        {86399.75, 86400},
        {12345.25, 12345},
        {1e10, Limits::max()},
        {-1e10, Limits::min()},
        {2147483646.5, 2147483646},
        {2147483647.4, Limits::max()},
        {-2147483647.5, Limits::min()},
        {std::numeric_limits<double>::infinity(), Limits::max()},
        {std::nan(""), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roundToInt32(c.value), c.rounded) << "value " << c.value;
    }
}

}  // namespace
}  // namespace quendal
