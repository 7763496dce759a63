// The arithmetic that runs on every pointer movement of a drag and on every
// clock tick.
#include "launcher/window/ClockFormat.h"
#include "launcher/window/WindowDrag.h"

#include <benchmark/benchmark.h>

namespace {

void BM_DragMove(benchmark::State& state)
{
    launcher::DragFrame frame{12000, 4500, 3000, 1500, 15360, 11520};
    launcher::WindowDrag drag;
    drag.press(1, frame, 750, 750);
    float step = 0;
    for (auto _ : state) {
        // Back and forth across the right edge's snap zone.
        step = step >= 600 ? -600 : step + 15;
        const auto moved = drag.move(0, frame, 750 + step, 750);
        frame.leftTwips = moved->leftTwips;
        frame.topTwips = moved->topTwips;
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_DragMove);

void BM_FormatClock(benchmark::State& state, const char* pattern)
{
    int minute = 0;
    for (auto _ : state) {
        minute = (minute + 1) % 1440;
        benchmark::DoNotOptimize(launcher::FormatClock(pattern, {minute / 60, minute % 60, 0}));
    }
}
BENCHMARK_CAPTURE(BM_FormatClock, default_pattern, launcher::kDefaultClockFormat);
BENCHMARK_CAPTURE(BM_FormatClock, long_pattern, "\"It is\" HH:nn:ss AM/PM \"now\"");

} // namespace

BENCHMARK_MAIN();
