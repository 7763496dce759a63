#include "platform/display/DisplayProbe.h"

#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

using namespace quorvex::platform;
using testsupport::ScopedEnvironment;

TEST(DisplayProbeTest, FindsTheWaylandSocketAsClientsDo)
{
    struct Case {
        const char* display;
        const char* runtimeDir;
        const char* expected;
    } const cases[] = {
        {"wayland-1", "/run/user/1000", "/run/user/1000/wayland-1"},
        {"", "/run/user/1000", "/run/user/1000/wayland-0"},
        {"/tmp/compositor", "", "/tmp/compositor"},
        {"wayland-1", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DisplayProbe::waylandSocketPath(c.display, c.runtimeDir), c.expected) << c.display;
}

TEST(DisplayProbeTest, AWaylandDisplayAnswersOnlyWhileSomeoneListens)
{
    testsupport::TempFolder runtime;
    ScopedEnvironment runtimeDir("XDG_RUNTIME_DIR", runtime.path().string());
    ScopedEnvironment display("WAYLAND_DISPLAY", std::string("wayland-test"));
    ScopedEnvironment socketFd("WAYLAND_SOCKET", std::nullopt);
    EXPECT_FALSE(DisplayProbe::waylandReachable()) << "no socket";

    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = (runtime.path() / "wayland-test").string();
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    EXPECT_FALSE(DisplayProbe::waylandReachable()) << "a socket nobody listens on";
    ASSERT_EQ(::listen(listener, 1), 0);
    EXPECT_TRUE(DisplayProbe::waylandReachable());
    ::close(listener);
}

TEST(DisplayProbeTest, NoXDisplayAnswersWithoutDisplayOrOnAnUnusedOne)
{
    {
        ScopedEnvironment display("DISPLAY", std::nullopt);
        EXPECT_FALSE(DisplayProbe::x11Reachable());
    }
    ScopedEnvironment display("DISPLAY", std::string(":65000"));
    EXPECT_FALSE(DisplayProbe::x11Reachable());
}

TEST(DisplayProbeTest, FindsQtsWaylandPluginOnlyWhereItLies)
{
    testsupport::TempFolder plugins;
    const std::vector<std::string> folders{"/nonexistent-plugins", plugins.path().string()};
    std::filesystem::create_directories(plugins.path() / "platforms");
    std::ofstream(plugins.path() / "platforms" / "libqxcb.so") << "";
    EXPECT_FALSE(DisplayProbe::waylandPluginIn(folders));
    std::ofstream(plugins.path() / "platforms" / "libqwayland-generic.so") << "";
    EXPECT_TRUE(DisplayProbe::waylandPluginIn(folders));
    EXPECT_FALSE(DisplayProbe::waylandPluginIn({}));
}
