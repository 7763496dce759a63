#include "platform/desktop/AutostartEntry.h"
#include "platform/shortcuts/DesktopEntry.h"
#include "platform/shortcuts/DesktopExec.h"

#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using platform::AutostartEntry;
using testsupport::TempFolder;

namespace {

// What the desktop would start from the entry's file.
platform::DesktopCommand startedBy(const AutostartEntry& entry)
{
    std::string problem;
    const auto parsed = platform::DesktopEntry::read(entry.file().string(), problem);
    EXPECT_TRUE(parsed) << problem;
    if (!parsed)
        return {};
    EXPECT_TRUE(parsed->isApplication());
    const platform::DesktopCommandResult built = platform::buildDesktopCommands(*parsed, {}, entry.file().string());
    EXPECT_EQ(built.error, "");
    EXPECT_EQ(built.commands.size(), 1u);
    return built.commands.empty() ? platform::DesktopCommand{} : built.commands[0];
}

} // namespace

TEST(AutostartEntry, StartsExactlyTheProgramWrittenWhateverItsPath)
{
    TempFolder folder;
    const AutostartEntry entry(folder.path() / "config/autostart/quorvex.desktop");
    const char* programs[] = {
        "/usr/bin/quorvex",
        "/opt/my apps/quorvex",
        "/home/a\"b/$HOME/`id`/quorvex",
        "/home/back\\slash/50%/quorvex",
        "/home/it's; rm -rf ~/quorvex",
    };
    for (const char* program : programs) {
        SCOPED_TRACE(program);
        ASSERT_EQ(entry.write("Quorvex", program, "--autostart"), "");
        EXPECT_TRUE(entry.exists());
        const platform::DesktopCommand command = startedBy(entry);
        EXPECT_EQ(command.program, program);
        EXPECT_EQ(command.arguments, (std::vector<std::string>{"--autostart"}));
    }
    EXPECT_EQ(entry.remove(), "");
    EXPECT_FALSE(entry.exists());
    EXPECT_EQ(entry.remove(), ""); // already gone
}

TEST(AutostartEntry, ANameAcrossLinesIsRefusedAndNothingIsWritten)
{
    TempFolder folder;
    const AutostartEntry entry(folder.path() / "autostart/quorvex.desktop");
    EXPECT_NE(entry.write("Quorvex", "/tmp/x\nExec=/bin/evil", "--autostart"), "");
    EXPECT_FALSE(entry.exists());
}

TEST(AutostartEntry, AFailedWriteKeepsTheOldEntryWhole)
{
    TempFolder folder;
    const AutostartEntry entry(folder.path() / "autostart/quorvex.desktop");
    ASSERT_EQ(entry.write("Quorvex", "/old/quorvex", "--autostart"), "");
    // Read-only mode bits are refused even for root.
    ::chmod(entry.file().c_str(), 0444);
    EXPECT_NE(entry.write("Quorvex", "/new/quorvex", "--autostart"), "");
    EXPECT_EQ(startedBy(entry).program, "/old/quorvex");
}

// Configuration kept in a folder of its own and linked into place.
TEST(AutostartEntry, ALinkedEntryIsWrittenThroughTheLink)
{
    TempFolder folder;
    folder.write("kept/quorvex.desktop", "[Desktop Entry]\nType=Application\nExec=/old/quorvex\n");
    std::filesystem::create_directories(folder.path() / "autostart");
    std::filesystem::create_symlink("../kept/quorvex.desktop", folder.path() / "autostart/quorvex.desktop");
    const AutostartEntry entry(folder.path() / "autostart/quorvex.desktop");
    ASSERT_EQ(entry.write("Quorvex", "/new/quorvex", "--autostart"), "");
    EXPECT_TRUE(std::filesystem::is_symlink(entry.file()));
    EXPECT_EQ(startedBy(entry).program, "/new/quorvex");
}

TEST(AutostartEntry, LivesInTheUsersConfigFolder)
{
    struct Case {
        std::optional<std::string> xdgConfigHome;
        std::string expected;
    };
    const Case cases[] = {
        {"/cfg", "/cfg/autostart/quorvex.desktop"},
        {std::nullopt, "/home/ana/.config/autostart/quorvex.desktop"},
        {"", "/home/ana/.config/autostart/quorvex.desktop"},
        {"relative/cfg", "/home/ana/.config/autostart/quorvex.desktop"},
    };
    const testsupport::ScopedEnvironment home("HOME", "/home/ana");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xdgConfigHome.value_or("<unset>"));
        const testsupport::ScopedEnvironment config("XDG_CONFIG_HOME", c.xdgConfigHome);
        EXPECT_EQ(AutostartEntry::forUser("quorvex").file(), c.expected);
    }
}
