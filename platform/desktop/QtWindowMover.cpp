#include "platform/desktop/QtWindowMover.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <X11/Xlib.h>

namespace platform {

QtWindowMover::QtWindowMover()
    : m_system(currentWindowSystem())
{
}

WindowMoving QtWindowMover::moving() const
{
    switch (m_system) {
    case WindowSystem::Xwayland:
        return WindowMoving::ByWindowSystem;
    case WindowSystem::Wayland:
        return WindowMoving::ByWindowSystemUnseen;
    case WindowSystem::X11:
    case WindowSystem::Other:
        break;
    }
    // Window managers on X11 could move the window too, but the program's own
    // drag snaps to the screen edges, which theirs does not.
    return WindowMoving::ByProgram;
}

bool QtWindowMover::startSystemMove(QWidget& window)
{
    QWindow* native = window.windowHandle();
    return native && native->startSystemMove();
}

std::optional<DesktopPoint> QtWindowMover::reportedPosition(const QWidget& window) const
{
    switch (m_system) {
    case WindowSystem::Wayland:
        return std::nullopt;
    case WindowSystem::Other:
        return DesktopPoint{window.x(), window.y()};
    case WindowSystem::X11:
    case WindowSystem::Xwayland:
        break;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display() || !window.windowHandle())
        return std::nullopt;
    // The window's own corner, translated by the server, wherever a window
    // manager's frame or a compositor has put it; then the frame's corner,
    // which is what a move places.
    Display* display = x11->display();
    int left = 0, top = 0;
    Window child = 0;
    if (!XTranslateCoordinates(display, static_cast<Window>(window.winId()), DefaultRootWindow(display), 0, 0, &left,
                               &top, &child))
        return std::nullopt;
    const QMargins frame = window.windowHandle()->frameMargins();
    return DesktopPoint{left - frame.left(), top - frame.top()};
}

} // namespace platform
