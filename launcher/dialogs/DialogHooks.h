#pragma once

#include <functional>

class QImage;
class QWidget;

namespace launcher {

// What the small windows need from the launcher window around them. Every
// hook may be left empty; the window then skips that step.
struct DialogHooks {
    // Puts a window above all others (true) or back among them (false)
    // without moving or resizing it.
    std::function<void(QWidget& window, bool topmost)> SetWindowTopmost;
    // Waits while window events keep being handled.
    std::function<void(int milliseconds)> PauseWithEvents;
    // Gives the launcher window back the topmost state its skin asks for.
    std::function<void()> RestoreLauncherTopmost;
    // Cuts a window's outline from its picture, every magenta pixel away,
    // through a window-shape control of the window's own. Empty: the window
    // masks itself. Called before the window is first shown or stacked, so
    // that it may still be made translucent.
    std::function<void(QWidget& window, const QImage& picture)> OutlineWindow;

    void topmost(QWidget& window, bool on) const
    {
        if (SetWindowTopmost)
            SetWindowTopmost(window, on);
    }
    void pause(int milliseconds) const
    {
        if (PauseWithEvents)
            PauseWithEvents(milliseconds);
    }
    void restoreLauncherTopmost() const
    {
        if (RestoreLauncherTopmost)
            RestoreLauncherTopmost();
    }
};

} // namespace launcher
