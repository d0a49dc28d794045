#include "reading/spoken_number.h"

#include <string_view>

namespace quendal {

std::string spokenNumber(const DigitGroups& groups) {
    const std::string_view whole = groups.blue.view();
    const std::string_view last = groups.green.view();
    std::string digits(whole.empty() ? "0" : whole);
    std::string decimals = std::string(groups.red.view()) + std::string(groups.yellow.view());
    if (!last.starts_with("E-")) {
        decimals += last;
        return decimals.empty() ? digits : digits + "." + decimals;
    }
    // The mantissa's point moves left by the power of ten.
    std::size_t power = 0;
    for (const char c : last.substr(2)) {
        power = power * 10 + static_cast<std::size_t>(c - '0');
    }
    digits += decimals;
    const std::size_t point = whole.empty() ? 1 : whole.size();
    if (power >= point) {
        return "0." + std::string(power - point, '0') + digits;
    }
    return digits.substr(0, point - power) + "." + digits.substr(point - power);
}

}  // namespace quendal
