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
    addFile("Apps/Recorder.lnk", testsupport::linkFileBytes({.target = script, .arguments = "one \"two three\""}));
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

TEST_F(LaunchProcessTest, FileDroppedFromAnArchiveDoesNotRunTheArchivesOwnProgram)
{
    // An unpacked archive holds a program of the same relative name as the
    // shortcut's; the drop makes the archive the working folder.
    for (const char* planted : {"archive/sub/prog", "archive/prog"}) {
        const auto path = folder.write(planted, "#!/bin/sh\ntouch \"" + folder.str() + "planted-ran\"\n");
        std::filesystem::permissions(path, std::filesystem::perms(0755));
    }
    const std::string report = folder.write("archive/report.txt", "r").string();
    const struct {
        const char* caption;
        const char* intended;
        std::string shortcut;
        std::string bytes;
    } cases[] = {
        {"Linked", "shortcuts/Apps/sub/prog", "Apps/Linked.lnk", testsupport::linkFileBytes({.target = "sub/prog"})},
        {"Entry", "shortcuts/Apps/prog", "Apps/Entry.desktop", "[Desktop Entry]\nType=Application\nExec=./prog %f\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        std::filesystem::remove(folder.path() / "marker.txt");
        const testsupport::RecordingProgram intended{folder, c.intended};
        addFile(c.shortcut, c.bytes);

        ASSERT_EQ(launch(c.caption, {report}).outcome, launcher::LaunchOutcome::Started);
        EXPECT_EQ(intended.waitForRecord(), folder.str() + "archive\n[" + report + "]\n");
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "planted-ran"));
    }
}

TEST_F(LaunchProcessTest, DeletedTargetReportsFailure)
{
    addFile("Apps/Recorder.lnk", testsupport::linkFileBytes({.target = script}));
    std::filesystem::remove(script);
    EXPECT_EQ(launch("Recorder").outcome, launcher::LaunchOutcome::Failed);
}

} // namespace
