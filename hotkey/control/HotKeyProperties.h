#pragma once

#include <cstdint>

namespace quorvex::hotkey {

// The persisted properties of a hot-key control. The member initialisers are
// the values used when a name is absent from saved data, which are also the
// values a save may leave out.
struct HotKeyProperties {
    std::int32_t interval = 0;
    bool enabled = true;
    std::int32_t maskKey = 27;
    bool shiftKey = false;
    bool ctrlKey = false;
    bool altKey = false;

    bool operator==(const HotKeyProperties&) const = default;
};

// Interval and enabled flag of the polling timer of a brand-new control,
// before anything is set.
inline constexpr std::int32_t kDesignIntervalMs = 250;
inline constexpr bool kDesignTimerEnabled = true;
// Key watched by a brand-new control (Escape).
inline constexpr std::int32_t kNewInstanceMaskKey = 27;

// What the launcher's main window saved for its hot-key control: poll every
// 250 ms for Scroll Lock; everything else at its default.
inline constexpr HotKeyProperties launcherHotKeyDesignData()
{
    HotKeyProperties properties;
    properties.interval = 250;
    properties.maskKey = 145;
    return properties;
}

} // namespace quorvex::hotkey
