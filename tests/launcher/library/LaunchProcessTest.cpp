// Launches through the real desktop shell: a script target writes its
// working folder and arguments to a marker file.
#include "launcher/library/ShortcutLauncher.h"

#include "LibraryFixture.h"
#include "platform/shell/DesktopShell.h"
#include "platform/sound/SoundSystem.h"
#include "support/LinkFileWriter.h"
#include "support/RecordingProgram.h"

namespace {

class LaunchProcessTest : public librarytest::LibraryFixture {
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        addFolder("Apps");
        library->ScanSectionFolders();
    }

    launcher::LaunchResult launch(const std::string& caption, const std::vector<std::string>& dropped = {})
    {
        return launcher.launchCaption(folder.str() + "shortcuts/Apps", caption, dropped);
    }

    platform::DesktopShell shell;
    platform::NullSoundSystem sounds;
    launcher::ShortcutLauncher launcher{shell, sounds};
    testsupport::RecordingProgram recorder{folder, "programs/record args.sh"};
    const std::string& script = recorder.path();
};

TEST_F(LaunchProcessTest, LinkStartsItsTargetInTheTargetsFolder)
{
    addFile("Apps/Recorder.lnk", testsupport::linkFileBytes({script, "", "one \"two three\"", 1}));
    ASSERT_EQ(launch("Recorder").outcome, launcher::LaunchOutcome::Started);
    EXPECT_EQ(recorder.waitForRecord(), folder.str() + "programs\n[one]\n[two three]\n");
}

TEST_F(LaunchProcessTest, DesktopEntryReceivesDroppedFilesAsSingleArguments)
{
    const std::string dropped = folder.write("in box/a b.txt", "x").string();
    addFile("Apps/Recorder.desktop",
            "[Desktop Entry]\nType=Application\nName=Recorder\nExec=\"" + script + "\" --files %F\n");
    ASSERT_EQ(launch("Recorder", {dropped}).outcome, launcher::LaunchOutcome::Started);
    EXPECT_EQ(recorder.waitForRecord(), folder.str() + "in box\n[--files]\n[" + dropped + "]\n");
}

TEST_F(LaunchProcessTest, DeletedTargetReportsFailure)
{
    addFile("Apps/Recorder.lnk", testsupport::linkFileBytes({script, "", "", 1}));
    std::filesystem::remove(script);
    EXPECT_EQ(launch("Recorder").outcome, launcher::LaunchOutcome::Failed);
}

} // namespace
