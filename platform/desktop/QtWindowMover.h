#pragma once

#include "platform/desktop/WindowMover.h"
#include "platform/desktop/WindowSystem.h"

namespace platform {

// The running window system's way: on X11 the program moves its windows,
// under Xwayland and on Wayland the compositor does; the X server is asked
// where a window is, a Wayland compositor cannot be.
class QtWindowMover final : public WindowMover {
public:
    QtWindowMover();
    WindowMoving moving() const override;
    bool startSystemMove(QWidget& window) override;
    std::optional<DesktopPoint> reportedPosition(const QWidget& window) const override;

private:
    WindowSystem m_system;
};

} // namespace platform
