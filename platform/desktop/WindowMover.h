#pragma once

#include <optional>

class QWidget;

namespace platform {

// Who carries out a drag of a top-level window, and whether anyone can say
// where the window ended up.
enum class WindowMoving {
    // The program moves the window itself; the window system reports where
    // it is.
    ByProgram,
    // The window system moves the window when asked at a button press; it
    // reports where the window is.
    ByWindowSystem,
    // The window system moves the window when asked at a button press and
    // never tells the program where it is.
    ByWindowSystemUnseen,
};

// A window's top-left corner on the desktop, in pixels.
struct DesktopPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const DesktopPoint&, const DesktopPoint&) = default;
};

// Moving a top-level window as the window system allows it, and asking the
// window system where a window really is (which is not always where the
// toolkit believes it is: a move the window system refused leaves the
// toolkit's belief behind, and a move the window system made itself may not
// reach the toolkit at all).
class WindowMover {
public:
    virtual ~WindowMover() = default;
    virtual WindowMoving moving() const = 0;
    // Hands the drag that the button just pressed on `window` began over to
    // the window system, which then follows the pointer until the button is
    // released. False when the window system cannot do it.
    virtual bool startSystemMove(QWidget& window) = 0;
    // Where the window system says `window`'s top-left corner is (with a
    // window manager's frame, the frame's, as QWidget::move takes it);
    // nothing where it does not say.
    virtual std::optional<DesktopPoint> reportedPosition(const QWidget& window) const = 0;
};

} // namespace platform
