// The real shell, with a recording script standing in for the desktop's
// opener so that no document viewer or browser is started.
#include "platform/shell/DesktopShell.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/stat.h>
#include <thread>

namespace {

class DesktopShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        marker = folder.str() + "marker.txt";
        recorder = folder.write("bin/recorder",
                                "#!/bin/sh\n{ pwd; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; } > \"" +
                                    marker + ".part\" && mv \"" + marker + ".part\" \"" + marker + "\"\n")
                       .string();
        ::chmod(recorder.c_str(), 0755);
        std::filesystem::create_directories(folder.path() / "work dir");
    }

    std::string waitForMarker() const
    {
        for (int attempt = 0; attempt < 1000; ++attempt) {
            if (std::filesystem::exists(marker))
                return folder.read("marker.txt");
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return "(nothing ran)";
    }

    testsupport::TempFolder folder;
    std::string marker;
    std::string recorder;
};

TEST_F(DesktopShellTest, ProgramGetsEachArgumentWholeInItsWorkingFolder)
{
    platform::DesktopShell shell;
    ASSERT_TRUE(shell.startProgram(recorder, {"a b", "$HOME", "; rm -rf x", ""}, folder.str() + "work dir"));
    EXPECT_EQ(waitForMarker(), folder.str() + "work dir\n[a b]\n[$HOME]\n[; rm -rf x]\n[]\n");
}

TEST_F(DesktopShellTest, DocumentNameIsNeverTakenForAnOption)
{
    platform::DesktopShell shell(recorder);
    ASSERT_TRUE(shell.openDocument("-rf name", folder.str() + "work dir"));
    EXPECT_EQ(waitForMarker(), folder.str() + "work dir\n[./-rf name]\n");
}

TEST_F(DesktopShellTest, FolderOpensInItself)
{
    platform::DesktopShell shell(recorder);
    ASSERT_TRUE(shell.openFolder(folder.str() + "work dir/"));
    EXPECT_EQ(waitForMarker(), folder.str() + "work dir\n[" + folder.str() + "work dir/]\n");
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
