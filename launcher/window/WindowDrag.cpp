#include "launcher/window/WindowDrag.h"

#include "launcher/controls/PointerCodes.h"
#include "launcher/window/ReleaseInside.h"

#include <cassert>

namespace launcher {

WindowDrag::WindowDrag(int twipsPerPixelX)
    : m_twipsPerPixelX(twipsPerPixelX)
{
    assert(twipsPerPixelX > 0);
}

void WindowDrag::press(int button, const DragFrame& window, float screenXTwips, float screenYTwips)
{
    if (button != controls::MouseButtonCode::kLeft)
        return;
    m_moving = true;
    m_oldLeft = window.leftTwips;
    m_oldTop = static_cast<float>(window.topTwips);
    m_oldX = screenXTwips;
    m_oldY = screenYTwips;
    // A position recorded in an earlier drag says nothing about this one.
    m_lastDragX = roundHalfEven(screenXTwips - window.leftTwips);
    m_lastDragY = roundHalfEven(screenYTwips - static_cast<float>(window.topTwips));
}

std::optional<DragPosition> WindowDrag::move(int shift, const DragFrame& window, float screenXTwips,
                                             float screenYTwips)
{
    if (!m_moving)
        return std::nullopt;
    float newLeft = m_oldLeft + screenXTwips - m_oldX;
    int newTop = roundHalfEven(m_oldTop + screenYTwips - m_oldY);
    // The pointer within the window as it stands, for the edges' direction.
    float x = screenXTwips - window.leftTwips;
    float y = screenYTwips - static_cast<float>(window.topTwips);

    if ((shift & controls::ShiftCode::kCtrl) == 0) {
        // The snap distance is measured with the horizontal factor for every
        // edge, top and bottom included.
        const float snap = static_cast<float>(kSnapDistancePx * m_twipsPerPixelX);
        const auto lastX = static_cast<float>(m_lastDragX);
        const auto lastY = static_cast<float>(m_lastDragY);
        const auto screenWidth = static_cast<float>(window.screenWidthTwips);
        const auto screenHeight = static_cast<float>(window.screenHeightTwips);
        const auto width = static_cast<float>(window.widthTwips);
        const auto height = static_cast<float>(window.heightTwips);

        if (lastX <= x && newLeft >= screenWidth - snap - width) {
            newLeft = screenWidth - width;
            if (lastX < x)
                x = lastX;
        }
        if (lastX >= x && newLeft <= snap) {
            newLeft = 0;
            if (lastX > x)
                x = lastX;
        }
        if (lastY >= y && static_cast<float>(newTop) <= snap) {
            newTop = 0;
            if (lastY > y)
                y = lastY;
        }
        if (lastY <= y && static_cast<float>(newTop) >= screenHeight - height - snap) {
            newTop = roundHalfEven(screenHeight - height);
            if (lastY < y)
                y = lastY;
        }
    }

    // The pointer is recorded relative to the window where it now stands. An
    // edge that pulled the window towards it also moved the window under the
    // pointer; without this shift the next step would find the pointer short
    // of the record and let go of the edge for one step.
    m_lastDragX = roundHalfEven(x + window.leftTwips - newLeft);
    m_lastDragY = roundHalfEven(y + static_cast<float>(window.topTwips - newTop));
    return DragPosition{newLeft, newTop};
}

bool WindowDrag::release(int button)
{
    m_moving = false;
    return button != controls::MouseButtonCode::kLeft;
}

} // namespace launcher
