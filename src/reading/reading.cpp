#include "reading/reading.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "reading/number_text.h"

namespace quendal {
namespace {

constexpr double kSecondsPerDay = 86400.0;

// 10 to the power `exponent`, by multiplication rather than the C library's pow, whose
// last bit may differ between runtimes: exact up to 10^22, and the same in every build.
double powerOfTen(int exponent) noexcept {
    double power = 1.0;
    for (int i = 0; i < exponent; ++i) {
        power *= 10.0;
    }
    return power;
}

// Up to `length` characters of `text` from the 1-based `start`; empty past the end.
std::string_view slice(std::string_view text, std::size_t start, std::size_t length) noexcept {
    if (start > text.size()) {
        return {};
    }
    return text.substr(start - 1, length);
}

// 1-based position of the first `c` in either letter case; 0 when there is none.
std::size_t positionOf(std::string_view text, char c) noexcept {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char upper =
            text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 32) : text[i];
        if (upper == c) {
            return i + 1;
        }
    }
    return 0;
}

// What is left of a non-negative percentage past its last whole hundred, by plain
// division: std::fmod would be the x87's fprem on 32-bit Windows.
double percentOfItsDay(double percent) noexcept {
    const double left = percent - 100.0 * std::floor(percent / 100.0);
    return left < 0.0 ? left + 100.0 : left;
}

}  // namespace

double measure(const ModeSelection& modes, const StopwatchStart& start,
               const LocalTime& now) noexcept {
    double reading = 0;
    if (modes.clock) {
        reading = static_cast<double>(now.secondsSinceMidnight) / 864.0;
    }
    if (modes.stopWatch) {
        const double days =
            static_cast<double>(daysSinceEpoch(now.date) - daysSinceEpoch(start.date));
        reading = (static_cast<double>(now.secondsSinceMidnight) - static_cast<double>(start.time) +
                   days * kSecondsPerDay) /
                  864.0;
    }
    if (modes.calendar) {
        reading = ((now.date.month - 1) + now.date.day / 30.5) / 0.12;
    }
    return reading;
}

Reading readingOf(double measured) noexcept {
    Reading result;
    result.value = measured;
    NumberText text = trimmedNumberText(std::fabs(result.value));
    if (positionOf(text.view(), 'E') > 0) {
        const std::string_view tail = text.view().substr(text.size() - 2);
        result.exponent = static_cast<std::uint8_t>((tail[0] - '0') * 10 + (tail[1] - '0'));
        result.value *= powerOfTen(result.exponent);
        text = trimmedNumberText(std::fabs(result.value));
    }

    // Up to three integer digits, then two, two and three decimals. A text without a
    // point is all integer digits, as if the point stood just after it.
    const std::string_view s = text.view();
    const std::size_t point = positionOf(s, '.');
    const std::size_t split = point == 0 ? s.size() + 1 : point;
    DigitGroups& g = result.groups;
    g.blue = DigitGroup(s.substr(0, split - 1));
    g.red = DigitGroup(slice(s, split + 1, 2));
    g.yellow = DigitGroup(slice(s, split + 3, 2));
    g.green = DigitGroup(slice(s, split + 5, 3));
    if (result.exponent > 0) {
        g.green = DigitGroup("E");
        g.green.append(numberText(-static_cast<double>(result.exponent)).view());
    }

    result.caption.append(g.blue.view());
    for (const DigitGroup* group : {&g.red, &g.yellow, &g.green}) {
        result.caption.push(' ');
        result.caption.append(group->view());
    }
    return result;
}

Progress progressOf(const Reading& reading, const ModeSelection& modes) noexcept {
    const double percent = std::fabs(reading.value) / powerOfTen(reading.exponent);
    // Modes are measured in the order clock, stop watch, calendar: the last one selected
    // is the one shown.
    const bool stopwatch = modes.stopWatch && !modes.calendar;
    const double part = stopwatch ? percentOfItsDay(percent) : std::min(percent, 100.0);
    return Progress{part / 100.0, static_cast<int>(std::min(std::floor(percent), 2.0e9))};
}

}  // namespace quendal
