#pragma once

#include <string>

namespace quorvex::platform {

// Whether the displays the environment names answer, asked before any
// toolkit connects (Qt aborts when its platform finds no display).
class DisplayProbe {
public:
    // An X server accepts a connection on DISPLAY.
    static bool x11Reachable();
    // A Wayland compositor accepts a connection on the socket that
    // WAYLAND_DISPLAY names (or a socket handed over in WAYLAND_SOCKET).
    static bool waylandReachable();

    // The socket a Wayland client connects to, as libwayland finds it:
    // WAYLAND_DISPLAY ("wayland-0" when not set) in XDG_RUNTIME_DIR, or as
    // it is when it is an absolute path. Empty when there is none.
    static std::string waylandSocketPath(const std::string& waylandDisplay, const std::string& runtimeDir);
};

} // namespace quorvex::platform
