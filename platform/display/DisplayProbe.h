#pragma once

#include <string>
#include <vector>

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
    // Qt has a platform plugin for Wayland: in its own plugin folder or one
    // that QT_PLUGIN_PATH names.
    static bool qtWaylandPluginInstalled();
    // One of these plugin folders holds Qt's platform plugin for Wayland.
    static bool waylandPluginIn(const std::vector<std::string>& pluginFolders);

    // The socket a Wayland client connects to, as libwayland finds it:
    // WAYLAND_DISPLAY ("wayland-0" when not set) in XDG_RUNTIME_DIR, or as
    // it is when it is an absolute path. Empty when there is none.
    static std::string waylandSocketPath(const std::string& waylandDisplay, const std::string& runtimeDir);
};

} // namespace quorvex::platform
