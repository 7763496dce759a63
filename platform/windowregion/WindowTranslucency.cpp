#include "platform/windowregion/WindowTranslucency.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace quorvex::platform {

namespace {

// A compositing manager owns the selection _NET_WM_CM_S<screen>.
bool x11CompositingManagerRuns(xcb_connection_t* connection, int screen)
{
    const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(name.size()), name.c_str()),
                              nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr),
        &std::free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

} // namespace

bool WindowTranslucency::available()
{
    if (!qGuiApp)
        return false;
    if (QGuiApplication::platformName().startsWith("wayland"))
        return true;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return false;
    // The X server of a Wayland session is Xwayland, whose windows the
    // Wayland compositor blends. Its window manager may take the selection
    // below only after the first X11 program has started Xwayland: that
    // program would come too soon to see it.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    // Qt shows windows on the screen that DISPLAY names.
    char* host = nullptr;
    int display = 0;
    int screen = 0;
    if (!xcb_parse_display(nullptr, &host, &display, &screen))
        screen = 0;
    std::free(host);
    return x11CompositingManagerRuns(x11->connection(), screen);
}

} // namespace quorvex::platform
