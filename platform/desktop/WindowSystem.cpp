#include "platform/desktop/WindowSystem.h"

#include <QGuiApplication>
#include <QScreen>

#include <X11/Xlib.h>

namespace platform {

namespace {

// Newer Xwayland servers carry an extension named after them; older ones
// (Debian 12's) only show it in the names of their outputs, which are
// XWAYLAND0, XWAYLAND1 and so on.
bool isXwayland(Display* display)
{
    int opcode = 0, firstEvent = 0, firstError = 0;
    if (XQueryExtension(display, "XWAYLAND", &opcode, &firstEvent, &firstError))
        return true;
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->name().startsWith(QLatin1String("XWAYLAND")))
            return true;
    return false;
}

WindowSystem lookAtWindowSystem()
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return WindowSystem::Wayland;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display())
        return WindowSystem::Other;
    return isXwayland(x11->display()) ? WindowSystem::Xwayland : WindowSystem::X11;
}

} // namespace

WindowSystem currentWindowSystem()
{
    if (!qGuiApp)
        return WindowSystem::Other;
    static const WindowSystem kind = lookAtWindowSystem();
    return kind;
}

} // namespace platform
