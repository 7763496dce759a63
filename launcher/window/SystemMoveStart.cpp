#include "launcher/window/SystemMoveStart.h"

#include "launcher/controls/PointerCodes.h"

#include <cmath>

namespace launcher {

SystemMoveStart::SystemMoveStart(int startDistancePx)
    : m_startDistancePx(startDistancePx)
{
}

void SystemMoveStart::press(int button, float screenX, float screenY)
{
    m_pending = button == controls::MouseButtonCode::kLeft;
    m_pressedX = screenX;
    m_pressedY = screenY;
}

bool SystemMoveStart::move(int buttons, float screenX, float screenY)
{
    if (!m_pending)
        return false;
    // A move without the button is one whose release went elsewhere.
    if ((buttons & controls::MouseButtonCode::kLeft) == 0) {
        m_pending = false;
        return false;
    }
    // Measured as the toolkit measures its own drag start.
    const float distance = std::abs(screenX - m_pressedX) + std::abs(screenY - m_pressedY);
    if (distance < static_cast<float>(m_startDistancePx))
        return false;
    m_pending = false;
    return true;
}

void SystemMoveStart::release()
{
    m_pending = false;
}

} // namespace launcher
