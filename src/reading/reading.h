#pragma once

#include <cstdint>

#include "reading/fixed_text.h"
#include "reading/local_time.h"

namespace quendal {

// Which of the three mode buttons are selected. They are tested in the order clock,
// stop watch, calendar; each selected one sets the Reading, and none leaves it 0.
struct ModeSelection {
    bool clock = false;
    bool stopWatch = false;
    bool calendar = false;
    friend bool operator==(const ModeSelection&, const ModeSelection&) = default;
};

// Where the stop watch counts from: whole seconds since the local midnight of `date`
// (86400 for a start in the last half second of that day).
struct StopwatchStart {
    std::int32_t time = 0;
    LocalDate date;
};

// Up to fifteen integer digits in the first group; two, two and three (or an
// exponent marker such as "E-4") in the others.
using DigitGroup = FixedText<16>;
using CaptionLine = FixedText<48>;

struct DigitGroups {
    DigitGroup blue;
    DigitGroup red;
    DigitGroup yellow;
    DigitGroup green;
    friend bool operator==(const DigitGroups&, const DigitGroups&) = default;
};

struct Reading {
    // After exponent scaling: the number whose absolute value the groups show.
    double value = 0;
    std::uint8_t exponent = 0;
    DigitGroups groups;
    // The four groups joined by single blanks, empty groups kept.
    CaptionLine caption;
};

// The percentage of the day, of the stop watch run or of the year, before any
// scaling. A stop watch counts 86400 s for each day since its start's date, so it
// keeps counting across midnight.
double measure(const ModeSelection& modes, const StopwatchStart& start,
               const LocalTime& now) noexcept;

// Cuts a measured value into its digit groups and caption line: values whose text is in
// scientific form are scaled by the power of ten in it, and that power is shown in
// place of the last group.
Reading readingOf(double measured) noexcept;

// What a taskbar button can draw of a Reading: a bar, the part of the day, of the year or
// of the stop watch's current day gone by, and a count, the Reading's whole percent.
struct Progress {
    double fraction = 0;  // 0 to 1
    int count = 0;
    friend bool operator==(const Progress&, const Progress&) = default;
};

// A refresh's Reading (after scaling) in the modes it was measured in, as a bar and a
// count. The stop watch counts on past a day; its bar shows the day it is in.
Progress progressOf(const Reading& reading, const ModeSelection& modes) noexcept;

// One refresh's worth of computation. Never allocates.
inline Reading computeReading(const ModeSelection& modes, const StopwatchStart& start,
                              const LocalTime& now) noexcept {
    return readingOf(measure(modes, start, now));
}

}  // namespace quendal
