// The real shell, with a recording script standing in for the desktop's
// opener so that no document viewer or browser is started.
#include "platform/shell/DesktopShell.h"

#include "support/RecordingProgram.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>


namespace {

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
    ASSERT_TRUE(shell.startProgram(recorder, {"a b", "$HOME", "; rm -rf x", ""}, folder.str() + "work dir"));
    EXPECT_EQ(program.waitForRecord(), folder.str() + "work dir\n[a b]\n[$HOME]\n[; rm -rf x]\n[]\n");
}

TEST_F(DesktopShellTest, DocumentNameIsNeverTakenForAnOption)
{
    platform::DesktopShell shell(recorder);
    ASSERT_TRUE(shell.openDocument("-rf name", folder.str() + "work dir"));
    EXPECT_EQ(program.waitForRecord(), folder.str() + "work dir\n[./-rf name]\n");
}

TEST_F(DesktopShellTest, FolderOpensInItself)
{
    platform::DesktopShell shell(recorder);
    ASSERT_TRUE(shell.openFolder(folder.str() + "work dir/"));
    EXPECT_EQ(program.waitForRecord(), folder.str() + "work dir\n[" + folder.str() + "work dir/]\n");
}

TEST_F(DesktopShellTest, NothingToStartIsRefused)
{
    platform::DesktopShell shell(folder.str() + "bin/no-such-opener");
    EXPECT_FALSE(shell.startProgram("", {}, ""));
    EXPECT_FALSE(shell.startProgram(folder.str() + "bin/missing", {}, ""));
    EXPECT_FALSE(shell.openDocument("", ""));
    EXPECT_FALSE(shell.openDocument("https://example.org/", ""));
}

} // namespace
