#pragma once

namespace quorvex::platform {

// Whether the desktop blends windows with what lies beneath them: a Wayland
// compositor always does, X11 only while a compositing manager runs (under
// Xwayland, the Wayland compositor holds that role). Only then do a window's
// transparent pixels show the desktop; without one, X11 draws them black.
class WindowTranslucency {
public:
    // Asks the display of the running Qt application (and, for X11, the
    // environment: whether this is a Wayland session).
    static bool available();
};

} // namespace quorvex::platform
