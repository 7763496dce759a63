// The real shell, with a recording script standing in for the desktop's
// opener so that no document viewer or browser is started.
#include "platform/shell/DesktopShell.h"

#include "support/RecordingProgram.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>


namespace {

constexpr platform::WindowState kNormal = platform::WindowState::Normal;

class DesktopShellTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(folder.path() / "work dir"); }

    testsupport::TempFolder folder;
    testsupport::RecordingProgram program{folder, "bin/recorder"};
    const std::string& recorder = program.path();
};

TEST_F(DesktopShellTest, ProgramGetsEachArgumentWholeInItsWorkingFolder)
{
    platform::DesktopShell shell;
    ASSERT_TRUE(shell.startProgram(recorder, {"a b", "$HOME", "; rm -rf x", ""}, folder.str() + "work dir", kNormal));
    EXPECT_EQ(program.waitForRecord(), folder.str() + "work dir\n[a b]\n[$HOME]\n[; rm -rf x]\n[]\n");
}

TEST_F(DesktopShellTest, DocumentNameIsNeverTakenForAnOption)
{
    platform::DesktopShell shell(recorder);
    ASSERT_TRUE(shell.openDocument("-rf name", {}, folder.str() + "work dir", kNormal));
    EXPECT_EQ(program.waitForRecord(), folder.str() + "work dir\n[./-rf name]\n");
}

TEST_F(DesktopShellTest, FolderOpensInItselfOrTheGivenFolder)
{
    platform::DesktopShell shell(recorder);
    ASSERT_TRUE(shell.openFolder(folder.str() + "work dir/", ""));
    EXPECT_EQ(program.waitForRecord(), folder.str() + "work dir\n[" + folder.str() + "work dir/]\n");
    std::filesystem::remove(folder.path() / "marker.txt");
    ASSERT_TRUE(shell.openFolder(folder.str() + "work dir/", folder.str() + "bin"));
    EXPECT_EQ(program.waitForRecord(), folder.str() + "bin\n[" + folder.str() + "work dir/]\n");
}

TEST_F(DesktopShellTest, DocumentWithArgumentsGoesToItsHandlerDirectly)
{
    std::string asked;
    platform::DesktopShell shell(folder.str() + "bin/no-such-opener", [&](const std::string& document) {
        asked = document;
        return std::optional<std::vector<std::string>>({recorder, "--run", document});
    });
    ASSERT_TRUE(shell.openDocument("/old/app.pif", {"/a b.txt", "-x"}, folder.str() + "work dir", kNormal));
    EXPECT_EQ(asked, "/old/app.pif");
    EXPECT_EQ(program.waitForRecord(), folder.str() + "work dir\n[--run]\n[/old/app.pif]\n[/a b.txt]\n[-x]\n");

    platform::DesktopShell noHandler(recorder, [](const std::string&) { return std::nullopt; });
    EXPECT_FALSE(noHandler.openDocument("/old/app.pif", {"/a"}, "", kNormal));
}

// The real lookup, with xdg-mime and the applications folder our own.
TEST_F(DesktopShellTest, DefaultHandlerIsTheEntryChosenForTheType)
{
    const std::string tools = folder.str() + "tools";
    folder.write("tools/xdg-mime", "#!/bin/sh\n"
                                   "case \"$2\" in\n"
                                   "filetype) echo application/x-old-program ;;\n"
                                   "default) [ \"$3\" = application/x-old-program ] && echo vendor-runner.desktop ;;\n"
                                   "esac\n");
    ::chmod((tools + "/xdg-mime").c_str(), 0755);
    folder.write("data/applications/vendor/runner.desktop",
                 "[Desktop Entry]\nType=Application\nName=Runner\nExec=runner --start %f\n");
    testsupport::ScopedEnvironment path("PATH", tools + ":/usr/bin:/bin");
    testsupport::ScopedEnvironment data("XDG_DATA_DIRS", folder.str() + "data");
    testsupport::ScopedEnvironment home("XDG_DATA_HOME", folder.str() + "empty");
    EXPECT_EQ(platform::defaultHandlerCommand("/old/my app.pif"),
              (std::vector<std::string>{"runner", "--start", "/old/my app.pif"}));

    folder.write("tools/xdg-mime", "#!/bin/sh\nexit 4\n");
    EXPECT_EQ(platform::defaultHandlerCommand("/old/my app.pif"), std::nullopt);
}

TEST_F(DesktopShellTest, NothingToStartIsRefused)
{
    platform::DesktopShell shell(folder.str() + "bin/no-such-opener");
    EXPECT_FALSE(shell.startProgram("", {}, "", kNormal));
    EXPECT_FALSE(shell.startProgram(folder.str() + "bin/missing", {}, "", kNormal));
    EXPECT_FALSE(shell.openDocument("", {}, "", kNormal));
    EXPECT_FALSE(shell.openDocument("https://example.org/", {}, "", kNormal));
}

} // namespace
