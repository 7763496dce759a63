#pragma once

#include <string>

namespace launcher {

// Program-wide state that lives for the whole run; one main window exists.
struct LauncherState {
    std::string CurrentSkin;
    int CurrentSection = 1; // 1-based; 0 when no section folder exists
    bool FirstRun = false;
    int ShadedFlag = 0; // -1 while the window is shaded
    int DragHighlightButton = -1; // launch button highlighted during a drag, -1 none
    bool windowDragging = false;
    int StartupDone = 0;
    int DwellTicks = 0; // half-seconds a drag has rested over a section button
    long ScreenWidthTwips = 0;
    long ScreenHeightTwips = 0;
};

} // namespace launcher
