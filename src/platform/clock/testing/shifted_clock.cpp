#include "platform/clock/testing/shifted_clock.h"

#include <charconv>
#include <chrono>

namespace quendal {
namespace {

// Reads exactly `digits` decimal digits from the front of `text`: no sign, which
// from_chars would take.
bool readNumber(std::string_view& text, std::size_t digits, int& value) {
    if (text.size() < digits || text.front() < '0' || text.front() > '9') {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + digits, value);
    if (error != std::errc() || end != text.data() + digits) {
        return false;
    }
    text.remove_prefix(digits);
    return true;
}

bool readSeparator(std::string_view& text, char separator) {
    if (text.empty() || text.front() != separator) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

}  // namespace

std::optional<WrittenTime> readWrittenTime(std::string_view text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!readNumber(text, 4, year) || !readSeparator(text, '-') || !readNumber(text, 2, month) ||
        !readSeparator(text, '-') || !readNumber(text, 2, day) || !readSeparator(text, ' ') ||
        !readNumber(text, 2, hour) || !readSeparator(text, ':') || !readNumber(text, 2, minute) ||
        !readSeparator(text, ':') || !readNumber(text, 2, second)) {
        return std::nullopt;
    }
    double fraction = 0;
    if (!text.empty()) {
        // A fraction of a second: a point and at least one digit, then nothing else.
        if (text.size() < 2 || text.front() != '.' || text[1] < '0' || text[1] > '9') {
            return std::nullopt;
        }
        double scale = 0.1;
        for (const char c : text.substr(1)) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            fraction += (c - '0') * scale;
            scale /= 10;
        }
    }
    using namespace std::chrono;
    const year_month_day date{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                              std::chrono::day{unsigned(day)}};
    if (!date.ok() || hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    return WrittenTime{dateFromDays(static_cast<long>(sys_days{date}.time_since_epoch().count())),
                       hour * 3600.0 + minute * 60.0 + second + fraction};
}

std::optional<ClockSetting> readClockSetting(std::string_view text) {
    ClockSetting setting;
    if (text.starts_with('@')) {
        setting.runs = true;
        text.remove_prefix(1);
        if (const std::size_t speed = text.find(" x"); speed != std::string_view::npos) {
            const std::string_view rate = text.substr(speed + 2);
            const auto [end, error] =
                std::from_chars(rate.data(), rate.data() + rate.size(), setting.rate);
            if (error != std::errc() || end != rate.data() + rate.size() || !(setting.rate > 0)) {
                return std::nullopt;
            }
            text = text.substr(0, speed);
        }
    }
    const auto start = readWrittenTime(text);
    if (!start) {
        return std::nullopt;
    }
    setting.start = *start;
    return setting;
}

}  // namespace quendal
