// Cost of one polling tick: the work an idle control does every Interval.
// With a display (DISPLAY set) the X11 backend is measured as well, which
// includes the round trip to the server.
#include "hotkey/control/HotKeyReceiverCore.h"
#include "platform/keystate/KeyboardStateService.h"
#include "platform/keystate/ScriptedKeyboard.h"
#include "platform/keystate/X11KeyState.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

using namespace quorvex;

void runTicks(benchmark::State& state, platform::KeyStateService& keys, bool spaced = false)
{
    hotkey::ManualPollTimer timer;
    hotkey::HotKeyReceiverCore core(hotkey::ModifierRule::Exact, keys, timer);
    core.setRunTime(true);
    hotkey::HotKeyProperties saved;
    saved.interval = 250;
    saved.maskKey = 145;
    core.load(saved);
    int events = 0;
    core.setEventHandler([&events](hotkey::HotKeyEvent) { ++events; });
    for (auto _ : state) {
        if (spaced) {
            // Ticks closer together than this would share one keymap snapshot.
            state.PauseTiming();
            std::this_thread::sleep_for(std::chrono::milliseconds(3));
            state.ResumeTiming();
        }
        timer.fire();
    }
    benchmark::DoNotOptimize(events);
}

// The tick's own logic, with a keyboard that costs nothing.
void BM_IdleTickLogicOnly(benchmark::State& state)
{
    platform::NullKeyState keys;
    runTicks(state, keys);
}
BENCHMARK(BM_IdleTickLogicOnly);

// The tick and the key-state service's own bookkeeping (keymap, counts, the
// memory per key), over a keyboard that answers at once.
void BM_IdleTickServiceLogic(benchmark::State& state)
{
    platform::ScriptedKeyboard keyboard;
    platform::KeyboardStateService keys(keyboard);
    runTicks(state, keys);
}
BENCHMARK(BM_IdleTickServiceLogic);

void BM_IdleTickX11(benchmark::State& state)
{
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no DISPLAY");
        return;
    }
    platform::X11KeyState keys;
    runTicks(state, keys, /*spaced=*/true);
}
BENCHMARK(BM_IdleTickX11)->Unit(benchmark::kMicrosecond)->Iterations(1000);

} // namespace

BENCHMARK_MAIN();
