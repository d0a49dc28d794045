#include "reading/spoken_number.h"

#include <algorithm>
#include <array>

namespace quendal {
namespace {

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string spokenNumber(std::string_view line) {
    std::array<std::string_view, 4> groups;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t blank = line.find(' ');
        if (blank == std::string_view::npos) {
            return {};
        }
        groups[i] = line.substr(0, blank);
        line.remove_prefix(blank + 1);
    }
    groups[3] = line;
    const auto [whole, first, middle, last] = groups;
    const bool scaled =
        last.starts_with("E-") && last.size() > 2 && last.size() <= 4 && allDigits(last.substr(2));
    if (!allDigits(whole) || !allDigits(first) || !allDigits(middle) ||
        !(scaled || allDigits(last))) {
        return {};
    }
    std::string digits(whole.empty() ? "0" : whole);
    std::string decimals = std::string(first) + std::string(middle);
    if (!scaled) {
        decimals += last;
        return decimals.empty() ? digits : digits + "." + decimals;
    }
    // The mantissa's point moves left by the power of ten.
    const std::size_t power = static_cast<std::size_t>(std::stoi(std::string(last.substr(2))));
    digits += decimals;
    const std::size_t point = whole.empty() ? 1 : whole.size();
    if (power >= point) {
        return "0." + std::string(power - point, '0') + digits;
    }
    return digits.substr(0, point - power) + "." + digits.substr(point - power);
}

}  // namespace quendal
