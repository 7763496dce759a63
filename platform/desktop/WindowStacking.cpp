#include "platform/desktop/WindowStacking.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <set>

namespace platform {

namespace {

Display* x11Display()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

constexpr long kNetWmStateRemove = 0;
constexpr long kNetWmStateAdd = 1;
constexpr long kSourcePager = 2; // a request on the user's behalf, not the application's own
constexpr long kStackAbove = 0;

// A 32-bit list property (atoms or windows) of `window`.
std::vector<unsigned long> listProperty(Display* display, Window window, Atom property, Atom type)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(display, window, property, 0, 4096, False, type, &actualType, &format, &count,
                           &remaining, &data) == Success &&
        actualType == type && format == 32 && data) {
        const auto* longs = reinterpret_cast<const unsigned long*>(data);
        values.assign(longs, longs + count);
    }
    if (data)
        XFree(data);
    return values;
}

// The window manager has taken the window on once it has given it a
// WM_STATE; until then it reads the window's initial state from its
// properties and drops requests about it.
bool isManaged(Display* display, Window window)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    const bool found = XGetWindowProperty(display, window, wmState, 0, 2, False, AnyPropertyType, &actualType,
                                          &format, &count, &remaining, &data) == Success &&
                       actualType != None;
    if (data)
        XFree(data);
    return found;
}

void setInitialAbove(Display* display, Window window, Atom state, Atom above, bool onTop)
{
    std::vector<unsigned long> atoms = listProperty(display, window, state, XA_ATOM);
    atoms.erase(std::remove(atoms.begin(), atoms.end(), above), atoms.end());
    if (onTop)
        atoms.push_back(above);
    if (atoms.empty())
        XDeleteProperty(display, window, state);
    else
        XChangeProperty(display, window, state, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(atoms.data()), static_cast<int>(atoms.size()));
}

void sendToWindowManager(Display* display, Window window, Atom type, long l0, long l1, long l2, long l3)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    event.xclient.data.l[0] = l0;
    event.xclient.data.l[1] = l1;
    event.xclient.data.l[2] = l2;
    event.xclient.data.l[3] = l3;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
}

} // namespace

void X11WindowStacking::setTopmost(QWidget& window, bool onTop)
{
    Display* display = x11Display();
    if (!display || !window.isWindow())
        return; // not on X11: nothing to stack
    const Window id = static_cast<Window>(window.winId());
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom above = XInternAtom(display, "_NET_WM_STATE_ABOVE", False);

    const bool managed = isManaged(display, id);
    if (!managed) {
        // Not taken on yet, however visible the window is to Qt: the window
        // manager reads this when it does. The request below covers the
        // moment in between, when it has read the property already.
        setInitialAbove(display, id, state, above, onTop);
    }
    sendToWindowManager(display, id, state, onTop ? kNetWmStateAdd : kNetWmStateRemove, static_cast<long>(above),
                        0, 1);
    // Leaving the band must not send the window behind the windows it was in
    // front of: it stays at the top of the normal windows.
    if (managed)
        XRaiseWindow(display, id);
    XFlush(display);
}

std::vector<WindowId> X11WindowStacking::otherProgramsWindows() const
{
    Display* display = x11Display();
    if (!display)
        return {};
    std::set<WindowId> own;
    for (const QWindow* window : QGuiApplication::allWindows())
        if (window->handle())
            own.insert(static_cast<WindowId>(window->winId()));
    std::vector<WindowId> others;
    const Atom stacking = XInternAtom(display, "_NET_CLIENT_LIST_STACKING", False);
    for (unsigned long window : listProperty(display, DefaultRootWindow(display), stacking, XA_WINDOW))
        if (!own.count(window))
            others.push_back(window);
    return others;
}

void X11WindowStacking::raiseOther(WindowId other)
{
    Display* display = x11Display();
    if (!display)
        return;
    // Without a sibling: window managers differ in what they make of one.
    const Atom restack = XInternAtom(display, "_NET_RESTACK_WINDOW", False);
    sendToWindowManager(display, static_cast<Window>(other), restack, kSourcePager, None, kStackAbove, 0);
    XFlush(display);
}

void RecordingWindowStacking::setTopmost(QWidget& window, bool onTop)
{
    m_calls.push_back(window.objectName().toStdString() + (onTop ? " on top" : " not on top"));
}

std::vector<WindowId> RecordingWindowStacking::otherProgramsWindows() const
{
    if (m_otherWindows.empty())
        return {};
    std::vector<WindowId> windows = m_otherWindows.front();
    if (m_otherWindows.size() > 1)
        m_otherWindows.pop_front();
    return windows;
}

void RecordingWindowStacking::raiseOther(WindowId other)
{
    m_calls.push_back("raise " + std::to_string(other));
}

} // namespace platform
