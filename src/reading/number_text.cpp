#include "reading/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quendal {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kMaxFixedExponent = 14;

// |value| rounded to 15 significant digits, as d1 d2 ... dk x 10^exponent with
// d1 before the point and trailing zeros dropped.
struct Decimal {
    char digits[kSignificantDigits];
    int count;
    int exponent;
};

Decimal decimalOf(double magnitude) noexcept {
    // "d.dddddddddddddde+XXX": one digit, the point, fourteen digits, then the exponent.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    Decimal decimal{};
    decimal.digits[0] = buffer[0];
    for (int i = 1; i < kSignificantDigits; ++i) {
        decimal.digits[i] = buffer[i + 1];
    }
    decimal.count = kSignificantDigits;
    while (decimal.count > 1 && decimal.digits[decimal.count - 1] == '0') {
        --decimal.count;
    }
    const char* exponentText = buffer + kSignificantDigits + 2;  // just past the 'e'
    const bool negative = *exponentText == '-';
    int exponent = 0;
    std::from_chars(exponentText + 1, result.ptr, exponent);
    decimal.exponent = negative ? -exponent : exponent;
    return decimal;
}

void appendZeros(NumberText& text, int count) noexcept {
    for (int i = 0; i < count; ++i) {
        text.push('0');
    }
}

void appendMagnitude(NumberText& text, double magnitude) noexcept {
    if (magnitude == 0) {
        text.push('0');
        return;
    }
    if (!std::isfinite(magnitude)) {
        text.append(std::isnan(magnitude) ? "nan" : "inf");
        return;
    }
    const Decimal d = decimalOf(magnitude);
    const std::string_view digits(d.digits, static_cast<std::size_t>(d.count));
    if (d.exponent >= 0 && d.exponent <= kMaxFixedExponent) {
        const auto integerDigits = static_cast<std::size_t>(d.exponent + 1);
        if (digits.size() <= integerDigits) {
            text.append(digits);
            appendZeros(text, static_cast<int>(integerDigits - digits.size()));
        } else {
            text.append(digits.substr(0, integerDigits));
            text.push('.');
            text.append(digits.substr(integerDigits));
        }
        return;
    }
    const int leadingZeros = -d.exponent - 1;
    if (d.exponent < 0 && leadingZeros + d.count <= kSignificantDigits) {
        text.push('.');
        appendZeros(text, leadingZeros);
        text.append(digits);
        return;
    }
    text.push(digits[0]);
    if (d.count > 1) {
        text.push('.');
        text.append(digits.substr(1));
    }
    text.push('E');
    text.push(d.exponent < 0 ? '-' : '+');
    const int magnitudeOfExponent = std::abs(d.exponent);
    if (magnitudeOfExponent < 10) {
        text.push('0');
    }
    char exponentDigits[4];
    const auto written =
        std::to_chars(exponentDigits, exponentDigits + sizeof exponentDigits, magnitudeOfExponent);
    text.append(
        std::string_view(exponentDigits, static_cast<std::size_t>(written.ptr - exponentDigits)));
}

}  // namespace

NumberText numberText(double value) noexcept {
    NumberText text;
    text.push(value < 0 ? '-' : ' ');
    appendMagnitude(text, std::fabs(value));
    return text;
}

NumberText trimmedNumberText(double value) noexcept {
    NumberText text;
    if (value < 0) {
        text.push('-');
    }
    appendMagnitude(text, std::fabs(value));
    return text;
}

}  // namespace quendal
