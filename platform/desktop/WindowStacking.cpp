#include "platform/desktop/WindowStacking.h"

#include <QGuiApplication>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace platform {

namespace {

Display* x11Display()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

constexpr long kNetWmStateRemove = 0;
constexpr long kNetWmStateAdd = 1;

} // namespace

void X11WindowStacking::setTopmost(QWidget& window, bool onTop)
{
    Display* display = x11Display();
    if (!display || !window.isWindow())
        return; // not on X11: nothing to stack
    const Window id = static_cast<Window>(window.winId());
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom above = XInternAtom(display, "_NET_WM_STATE_ABOVE", False);

    if (!window.isVisible()) {
        // A window that is not mapped yet carries its initial state as a property.
        if (onTop)
            XChangeProperty(display, id, state, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&above), 1);
        else
            XDeleteProperty(display, id, state);
        XFlush(display);
        return;
    }

    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = id;
    event.xclient.message_type = state;
    event.xclient.format = 32;
    event.xclient.data.l[0] = onTop ? kNetWmStateAdd : kNetWmStateRemove;
    event.xclient.data.l[1] = static_cast<long>(above);
    event.xclient.data.l[3] = 1; // a normal application asks
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
    // Leaving the band must not send the window behind the windows it was in
    // front of: it stays at the top of the normal windows.
    XRaiseWindow(display, id);
    XFlush(display);
}

void RecordingWindowStacking::setTopmost(QWidget& window, bool onTop)
{
    m_calls.push_back(window.objectName().toStdString() + (onTop ? " on top" : " not on top"));
}

} // namespace platform
