#include "platform/display/PlatformChoice.h"

#include <cstdlib>

namespace quorvex::platform {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string described(const char* variable, const std::string& value)
{
    return value.empty() ? std::string(variable) + " is not set" : std::string(variable) + "=" + value;
}

PlatformChoice noDisplay(std::string problem)
{
    return {PlatformChoice::Outcome::NoDisplay, std::move(problem)};
}

} // namespace

const char* const PlatformChoice::kWaylandLimits =
    "running as a Wayland client: the global hot key and the window's remembered position do not work "
    "here (bind \"quorvex --raise\" to a key in the desktop's keyboard settings instead)";

DisplayOffer DisplayOffer::fromEnvironment()
{
    return {environment("QT_QPA_PLATFORM"), environment("DISPLAY"), environment("WAYLAND_DISPLAY")};
}

PlatformChoice PlatformChoice::choose(const DisplayOffer& offer, const Probes& probes)
{
    const std::string x11 = described("DISPLAY", offer.x11Display);
    const std::string wayland = described("WAYLAND_DISPLAY", offer.waylandDisplay);
    // Without its plugin Qt cannot use a compositor that answers.
    const auto noWaylandPlugin = [&](const std::string& also) {
        return noDisplay("a Wayland compositor answers (" + wayland +
                         "), but Qt's Wayland platform plugin is not installed (Debian: qt6-wayland)" + also);
    };
    // A named platform is used as named; for the two that need a display,
    // a missing one is said plainly rather than left to Qt's abort.
    if (offer.requestedPlatform == "xcb")
        return probes.x11Reachable()
                   ? PlatformChoice{}
                   : noDisplay("QT_QPA_PLATFORM is xcb, but no X display answers (" + x11 + ")");
    if (offer.requestedPlatform == "wayland") {
        if (!probes.waylandReachable())
            return noDisplay("QT_QPA_PLATFORM is wayland, but no Wayland display answers (" + wayland + ")");
        return probes.waylandPluginInstalled() ? PlatformChoice{} : noWaylandPlugin("");
    }
    if (!offer.requestedPlatform.empty())
        return {};
    if (probes.x11Reachable())
        return {Outcome::X11, {}};
    if (probes.waylandReachable())
        return probes.waylandPluginInstalled() ? PlatformChoice{Outcome::Wayland, {}}
                                               : noWaylandPlugin(", and no X display answers (" + x11 + ")");
    return noDisplay("no display to show the launcher on: no X display answers (" + x11 +
                     ") and no Wayland display either (" + wayland + ")");
}

std::string PlatformChoice::platformName() const
{
    switch (outcome) {
    case Outcome::X11: return "xcb";
    case Outcome::Wayland: return "wayland";
    default: return {};
    }
}

} // namespace quorvex::platform
