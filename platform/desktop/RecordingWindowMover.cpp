#include "platform/desktop/RecordingWindowMover.h"

#include <QWidget>

namespace platform {

bool RecordingWindowMover::startSystemMove(QWidget& window)
{
    m_calls.push_back("system move " + window.objectName().toStdString() +
                      (m_systemMoveAccepted ? "" : " (refused)"));
    return m_systemMoveAccepted;
}

std::optional<DesktopPoint> RecordingWindowMover::reportedPosition(const QWidget& window) const
{
    m_calls.push_back("where is " + window.objectName().toStdString());
    if (m_reports.empty()) {
        if (m_moving == WindowMoving::ByWindowSystemUnseen)
            return std::nullopt;
        return DesktopPoint{window.x(), window.y()};
    }
    const std::optional<DesktopPoint> report = m_reports.front();
    if (m_reports.size() > 1)
        m_reports.pop_front();
    return report;
}

void RecordingWindowMover::scriptReports(std::vector<std::optional<DesktopPoint>> reports)
{
    m_reports.assign(reports.begin(), reports.end());
}

} // namespace platform
