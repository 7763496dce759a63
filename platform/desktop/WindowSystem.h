#pragma once

namespace platform {

// What the program's windows are shown by, as far as it changes who moves
// them and who knows where they are.
enum class WindowSystem {
    // An X server of its own: the program moves its windows, and the server
    // reports where they are.
    X11,
    // The X server of a Wayland compositor: the compositor refuses the
    // program's own moves but moves a window when asked to on the user's
    // behalf, and the X server still reports where each window is.
    Xwayland,
    // A Wayland compositor: windows move only through it, and it never tells
    // a program where they are.
    Wayland,
    // Anything else (the offscreen platform of tests): the toolkit's own idea
    // of a window's place is the only one there is.
    Other,
};

// The window system of the running application, looked at once.
WindowSystem currentWindowSystem();

} // namespace platform
