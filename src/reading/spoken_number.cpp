#include "reading/spoken_number.h"

#include <string_view>

namespace quendal {

std::string spokenNumber(const Reading& reading) {
    const DigitGroups& groups = reading.groups;
    const std::string_view whole = groups.blue.view();
    std::string digits(whole.empty() ? "0" : whole);
    std::string decimals = std::string(groups.red.view()) + std::string(groups.yellow.view());
    if (reading.exponent == 0) {
        decimals += groups.green.view();
        return decimals.empty() ? digits : digits + "." + decimals;
    }
    // The last group shows the power of ten; the mantissa's point moves left by it.
    const std::size_t power = reading.exponent;
    digits += decimals;
    const std::size_t point = whole.empty() ? 1 : whole.size();
    if (power >= point) {
        return "0." + std::string(power - point, '0') + digits;
    }
    return digits.substr(0, point - power) + "." + digits.substr(point - power);
}

}  // namespace quendal
