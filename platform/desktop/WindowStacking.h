#pragma once

#include <string>
#include <vector>

class QWidget;

namespace platform {

// Keeps a top-level window above all normal windows, or lets it go back
// among them, without moving, resizing or re-creating it.
class WindowStacking {
public:
    virtual ~WindowStacking() = default;
    // onTop: the window joins the always-on-top band and is raised; off: it
    // leaves the band but keeps its place in front of the windows it was in
    // front of.
    virtual void setTopmost(QWidget& window, bool onTop) = 0;
};

// The window manager's "above" state (EWMH), changed in place.
class X11WindowStacking final : public WindowStacking {
public:
    void setTopmost(QWidget& window, bool onTop) override;
};

class RecordingWindowStacking final : public WindowStacking {
public:
    void setTopmost(QWidget& window, bool onTop) override;
    const std::vector<std::string>& calls() const { return m_calls; }

private:
    std::vector<std::string> m_calls;
};

} // namespace platform
