#pragma once

#include "platform/desktop/WindowMover.h"

#include <deque>
#include <string>
#include <vector>

namespace platform {

// A window system of a test's choosing. By default the program moves its
// windows and each window is reported where the toolkit has it; a test can
// make it move windows itself, refuse, and report positions of its choosing.
class RecordingWindowMover final : public WindowMover {
public:
    WindowMoving moving() const override { return m_moving; }
    bool startSystemMove(QWidget& window) override;
    // The scripted reports one per call, the last one staying; without any,
    // where the toolkit has the window (nothing for an unseen window system).
    std::optional<DesktopPoint> reportedPosition(const QWidget& window) const override;

    void setMoving(WindowMoving moving) { m_moving = moving; }
    void setSystemMoveAccepted(bool accepted) { m_systemMoveAccepted = accepted; }
    void scriptReports(std::vector<std::optional<DesktopPoint>> reports);
    const std::vector<std::string>& calls() const { return m_calls; }

private:
    WindowMoving m_moving = WindowMoving::ByProgram;
    bool m_systemMoveAccepted = true;
    mutable std::deque<std::optional<DesktopPoint>> m_reports;
    mutable std::vector<std::string> m_calls;
};

} // namespace platform
