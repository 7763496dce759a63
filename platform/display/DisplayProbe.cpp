#include "platform/display/DisplayProbe.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <xcb/xcb.h>

#include <QDir>
#include <QLibraryInfo>
#include <QString>

#include <cstdlib>
#include <cstring>

namespace quorvex::platform {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool socketAnswers(const std::string& path)
{
    sockaddr_un address{};
    if (path.empty() || path.size() >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool answered = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(socket);
    return answered;
}

} // namespace

bool DisplayProbe::x11Reachable()
{
    if (environment("DISPLAY").empty())
        return false;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answered = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answered;
}

bool DisplayProbe::waylandReachable()
{
    if (!environment("WAYLAND_SOCKET").empty())
        return true;
    return socketAnswers(waylandSocketPath(environment("WAYLAND_DISPLAY"), environment("XDG_RUNTIME_DIR")));
}

bool DisplayProbe::qtWaylandPluginInstalled()
{
    std::vector<std::string> folders;
    for (const QString& folder : QString::fromLocal8Bit(qgetenv("QT_PLUGIN_PATH")).split(':', Qt::SkipEmptyParts))
        folders.push_back(folder.toStdString());
    folders.push_back(QLibraryInfo::path(QLibraryInfo::PluginsPath).toStdString());
    return waylandPluginIn(folders);
}

bool DisplayProbe::waylandPluginIn(const std::vector<std::string>& pluginFolders)
{
    for (const std::string& folder : pluginFolders) {
        const QDir platforms(QString::fromStdString(folder) + "/platforms");
        if (!platforms.entryList({"libqwayland*"}, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

std::string DisplayProbe::waylandSocketPath(const std::string& waylandDisplay, const std::string& runtimeDir)
{
    const std::string name = waylandDisplay.empty() ? "wayland-0" : waylandDisplay;
    if (name.front() == '/')
        return name;
    if (runtimeDir.empty())
        return {};
    return runtimeDir + "/" + name;
}

} // namespace quorvex::platform
