#pragma once

#include <deque>
#include <string>
#include <vector>

class QWidget;

namespace platform {

// A top-level window as the window system names it.
using WindowId = unsigned long;

// Keeps a top-level window above all normal windows, or lets it go back
// among them, without moving, resizing or re-creating it; and tells where
// the windows of other programs lie.
class WindowStacking {
public:
    virtual ~WindowStacking() = default;
    // onTop: the window joins the always-on-top band and is raised; off: it
    // leaves the band but keeps its place in front of the windows it was in
    // front of. Works the same before the window is shown, while it is being
    // shown and afterwards.
    virtual void setTopmost(QWidget& window, bool onTop) = 0;
    // The top-level windows of other programs, bottom to top.
    virtual std::vector<WindowId> otherProgramsWindows() const = 0;
    // Raises `other`, a window of another program, in front of the other
    // windows of its band, as if its user had clicked it.
    virtual void raiseOther(WindowId other) = 0;
};

// The window manager's "above" state (EWMH): carried in the window's own
// properties until the window manager has taken the window on, asked of the
// window manager afterwards.
class X11WindowStacking final : public WindowStacking {
public:
    void setTopmost(QWidget& window, bool onTop) override;
    std::vector<WindowId> otherProgramsWindows() const override;
    void raiseOther(WindowId other) override;
};

class RecordingWindowStacking final : public WindowStacking {
public:
    void setTopmost(QWidget& window, bool onTop) override;
    // Answers with the lists given to scriptOtherWindows, one per call; the
    // last one stays.
    std::vector<WindowId> otherProgramsWindows() const override;
    void raiseOther(WindowId other) override;

    void scriptOtherWindows(std::vector<WindowId> windows) { m_otherWindows.push_back(std::move(windows)); }
    const std::vector<std::string>& calls() const { return m_calls; }

private:
    std::vector<std::string> m_calls;
    mutable std::deque<std::vector<WindowId>> m_otherWindows;
};

} // namespace platform
