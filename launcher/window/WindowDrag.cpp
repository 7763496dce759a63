#include "launcher/window/WindowDrag.h"

#include "launcher/controls/PointerCodes.h"
#include "launcher/controls/Twips.h"
#include "launcher/window/ReleaseInside.h"

#include <cassert>

namespace launcher {

WindowDrag::WindowDrag(int twipsPerPixelX, int twipsPerPixelY)
    : m_twipsPerPixelX(twipsPerPixelX)
    , m_twipsPerPixelY(twipsPerPixelY)
{
    assert(twipsPerPixelX > 0 && twipsPerPixelY > 0);
}

void WindowDrag::press(int button, const DragFrame& window, float xTwips, float yTwips)
{
    if (button != controls::MouseButtonCode::kLeft)
        return;
    m_moving = true;
    m_oldLeft = window.leftTwips;
    m_oldTop = static_cast<float>(window.topTwips);
    m_oldX = window.leftTwips + xTwips;
    m_oldY = static_cast<float>(window.topTwips) + yTwips;
    // A position recorded in an earlier drag says nothing about this one.
    m_lastDragX = roundHalfEven(xTwips);
    m_lastDragY = roundHalfEven(yTwips);
}

std::optional<DragPosition> WindowDrag::move(int shift, const DragFrame& window, float xTwips, float yTwips)
{
    if (!m_moving)
        return std::nullopt;
    const float newX = window.leftTwips + xTwips;
    const float newY = static_cast<float>(window.topTwips) + yTwips;
    float newLeft = m_oldLeft + newX - m_oldX;
    int newTop = roundHalfEven(m_oldTop + newY - m_oldY);
    float x = xTwips;
    float y = yTwips;

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

DragRelease WindowDrag::release(int button, const DragFrame& window)
{
    m_moving = false;
    DragRelease stored;
    stored.startupLeft = controls::wholePartTowardsMinusInfinity(static_cast<double>(window.leftTwips) / m_twipsPerPixelX);
    stored.startupTop = controls::wholePartTowardsMinusInfinity(static_cast<double>(window.topTwips) / m_twipsPerPixelY);
    stored.showSplash = button != controls::MouseButtonCode::kLeft;
    return stored;
}

} // namespace launcher
