#pragma once

#include <functional>
#include <string>

namespace quorvex::platform {

// What the environment names to show windows on; empty is "not set".
struct DisplayOffer {
    std::string requestedPlatform; // QT_QPA_PLATFORM
    std::string x11Display;        // DISPLAY
    std::string waylandDisplay;    // WAYLAND_DISPLAY

    static DisplayOffer fromEnvironment();
};

// Which Qt platform the launcher runs on. X11 wherever an X display answers,
// since the global hot key and the window's position need it; a Wayland
// compositor otherwise; the user's own QT_QPA_PLATFORM always.
struct PlatformChoice {
    enum class Outcome {
        AsRequested, // QT_QPA_PLATFORM stays as the user set it
        X11,
        Wayland,
        NoDisplay,   // nothing to show a window on: `problem` says why
    };
    Outcome outcome = Outcome::AsRequested;
    std::string problem;

    // What the choice may ask; each runs only when the choice depends on it.
    struct Probes {
        std::function<bool()> x11Reachable;
        std::function<bool()> waylandReachable;
        std::function<bool()> waylandPluginInstalled; // Qt's platform plugin for Wayland
    };
    static PlatformChoice choose(const DisplayOffer& offer, const Probes& probes);

    // The Qt platform name to set, empty for AsRequested and NoDisplay.
    std::string platformName() const;

    // Said once when the launcher runs as a Wayland client.
    static const char* const kWaylandLimits;
};

} // namespace quorvex::platform
