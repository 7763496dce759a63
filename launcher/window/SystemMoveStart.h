#pragma once

namespace launcher {

// When to hand a drag over to a window system that moves windows itself. A
// compositor that moves a window holds the pointer until the button comes up,
// so the window sees neither that release nor the second click of a double
// click; the hand-over therefore waits until the pointer, the left button
// held, has gone further than the start distance from where it was pressed.
// Points are screen pixels; buttons are the launcher's pointer codes.
class SystemMoveStart {
public:
    explicit SystemMoveStart(int startDistancePx);

    void press(int button, float screenX, float screenY);
    // True once per press, at the first move far enough with the left button
    // still held; the drag is then the window system's.
    [[nodiscard]] bool move(int buttons, float screenX, float screenY);
    void release();

    bool isPending() const { return m_pending; }
    float pressedX() const { return m_pressedX; }
    float pressedY() const { return m_pressedY; }

private:
    int m_startDistancePx;
    bool m_pending = false;
    float m_pressedX = 0;
    float m_pressedY = 0;
};

} // namespace launcher
