#pragma once

namespace launcher {

inline constexpr int kClockTimerIntervalMs = 1000;
inline constexpr int kDwellTimerIntervalMs = 500;
inline constexpr int kMaxDwellTicks = 30000;

// One dwell-timer tick: the counter goes up by one and wraps to 0 past
// kMaxDwellTicks (29999, 30000, 0, 1). A counter that is already out of range
// (it never should be) also starts again at 0.
constexpr int NextDwellTicks(int DwellTicks)
{
    return DwellTicks < 0 || DwellTicks >= kMaxDwellTicks ? 0 : DwellTicks + 1;
}

// A press on a film-loop panel shows the Splash window only for the right
// button; the animation itself needs no help from the window.
bool FilmLoopPressShowsSplash(int button);

} // namespace launcher
