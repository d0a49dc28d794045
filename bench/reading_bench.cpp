// The cost of one refresh's computation, beside the plain conversion of the same value
// to 15 significant digits as a baseline.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>

#include "reading/number_text.h"
#include "reading/reading.h"

namespace quendal {
namespace {

// Times of day spread over the day, so that every text form and group layout occurs.
std::array<LocalTime, 64> instants() {
    std::array<LocalTime, 64> times{};
    for (std::size_t i = 0; i < times.size(); ++i) {
        const auto seconds = static_cast<float>(i * 1349) + 0.25F * static_cast<float>(i % 4);
        times[i] = LocalTime{seconds, LocalDate{2026, 1 + static_cast<int>(i % 12),
                                                1 + static_cast<int>(i % 31), 3}};
    }
    return times;
}

void BM_ToCharsBaseline(benchmark::State& state) {
    const auto times = instants();
    std::size_t i = 0;
    char buffer[32];
    for (auto _ : state) {
        const double value =
            static_cast<double>(times[i++ % times.size()].secondsSinceMidnight) / 864.0;
        benchmark::DoNotOptimize(
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ToCharsBaseline);

void BM_NumberText(benchmark::State& state) {
    const auto times = instants();
    std::size_t i = 0;
    for (auto _ : state) {
        const double value =
            static_cast<double>(times[i++ % times.size()].secondsSinceMidnight) / 864.0;
        benchmark::DoNotOptimize(trimmedNumberText(value));
    }
}
BENCHMARK(BM_NumberText);

void BM_ComputeReading(benchmark::State& state, ModeSelection modes) {
    const auto times = instants();
    const StopwatchStart start{40000, LocalDate{2026, 1, 1, 5}};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeReading(modes, start, times[i++ % times.size()]));
    }
}
BENCHMARK_CAPTURE(BM_ComputeReading, Clock, ModeSelection{true, false, false});
BENCHMARK_CAPTURE(BM_ComputeReading, StopWatch, ModeSelection{false, true, false});
BENCHMARK_CAPTURE(BM_ComputeReading, Calendar, ModeSelection{false, false, true});

}  // namespace
}  // namespace quendal

BENCHMARK_MAIN();
