#include "support/reference_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quendal::reference {
namespace {

std::string printed(const char* format, int precision, double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, precision, value);
    return buffer;
}

// The decimal exponent of `magnitude` once it is rounded to 15 significant digits.
int roundedExponent(double magnitude) {
    const std::string scientific = printed("%.*e", 14, magnitude);
    return std::atoi(scientific.c_str() + scientific.find('e') + 1);
}

std::string withoutTrailingZeros(std::string text) {
    if (text.find('.') == std::string::npos) {
        return text;
    }
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

// Characters from a 1-based start, as many as there are up to `length`.
std::string middle(const std::string& text, std::size_t start, std::size_t length) {
    std::string out;
    for (std::size_t i = start; i < start + length && i <= text.size(); ++i) {
        out += text[i - 1];
    }
    return out;
}

}  // namespace

std::string trimmedNumberText(double value) {
    const std::string sign = value < 0 ? "-" : "";
    const double magnitude = std::fabs(value);
    if (magnitude == 0) {
        return sign + "0";
    }
    if (std::isnan(magnitude)) {
        return sign + "nan";
    }
    if (std::isinf(magnitude)) {
        return sign + "inf";
    }
    const int e = roundedExponent(magnitude);
    if (e >= 0 && e <= 14) {
        return sign + withoutTrailingZeros(printed("%.*f", 14 - e, magnitude));
    }
    if (e < 0) {
        std::string fixed = withoutTrailingZeros(printed("%.*f", 14 - e, magnitude));
        const std::size_t digitsAfterPoint = fixed.size() - fixed.find('.') - 1;
        if (digitsAfterPoint <= 15) {
            return sign + fixed.substr(fixed.find('.'));
        }
    }
    const std::string scientific = printed("%.*e", 14, magnitude);
    const std::string mantissa = withoutTrailingZeros(scientific.substr(0, scientific.find('e')));
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
    return sign + mantissa + exponent;
}

Groups groupsOf(double measured) {
    double value = measured;
    std::string s = trimmedNumberText(std::fabs(value));
    int exponent = 0;
    if (s.find_first_of("Ee") != std::string::npos) {
        exponent = std::stoi(s.substr(s.size() - 2));
        value = value * std::pow(10.0, exponent);
        s = trimmedNumberText(std::fabs(value));
    }
    std::size_t point = s.find('.');
    if (point == std::string::npos) {
        point = s.size();
    }
    Groups g;
    g.blue = s.substr(0, point);
    g.red = middle(s, point + 2, 2);
    g.yellow = middle(s, point + 4, 2);
    g.green = exponent > 0 ? "E-" + std::to_string(exponent) : middle(s, point + 6, 3);
    g.caption = g.blue + " " + g.red + " " + g.yellow + " " + g.green;
    return g;
}

}  // namespace quendal::reference
