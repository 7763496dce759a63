#include "launcher/library/ShortcutLauncher.h"

#include "LibraryFixture.h"
#include "platform/shell/RecordingShell.h"
#include "platform/sound/SoundSystem.h"
#include "support/LinkFileWriter.h"
#include "support/ScopedEnvironment.h"

#include <QStandardPaths>

#include <filesystem>
#include <sys/stat.h>

namespace {

using Call = platform::RecordingShell::Call;
using Kind = platform::RecordingShell::Kind;
using Outcome = launcher::LaunchOutcome;
using Words = std::vector<std::string>;

class ShortcutLauncherTest : public librarytest::LibraryFixture {
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        addFolder("Tools");
        library->ScanSectionFolders();
        section = folder.str() + "shortcuts/Tools";
        bin = folder.str() + "bin";
    }

    // An executable file below the program folder.
    std::string program(const std::string& relative)
    {
        const auto path = folder.write(relative, "#!/bin/sh\nexit 0\n");
        ::chmod(path.c_str(), 0755);
        return path.string();
    }

    void link(const std::string& name, const testsupport::LinkFileSpec& spec)
    {
        addFile("Tools/" + name, testsupport::linkFileBytes(spec));
    }

    launcher::LaunchResult launch(const std::string& caption, const Words& dropped = {})
    {
        return launcher.launchCaption(section, caption, dropped);
    }

    platform::RecordingShell shell;
    platform::RecordingSoundSystem sounds;
    launcher::ShortcutLauncher launcher{shell, sounds};
    std::string section;
    std::string bin;
};

TEST_F(ShortcutLauncherTest, InternetShortcutWinsOverALinkOfTheSameCaption)
{
    link("Tools.lnk", {program("bin/tool"), "", "", 1});
    addFile("Tools/Tools.url", "[InternetShortcut]\nURL=https://example.org/tools\n");

    const launcher::LaunchResult result = launch("Tools", {"/dropped/file.txt"});

    EXPECT_EQ(result.outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].kind, Kind::Document);
    EXPECT_EQ(shell.calls()[0].target, "https://example.org/tools");
    EXPECT_EQ(shell.calls()[0].workingFolder, section);
}

TEST_F(ShortcutLauncherTest, ExtensionIsFoundInAnyLetterCase)
{
    addFile("Tools/Site.URL", "[InternetShortcut]\nURL=https://example.org/\n");
    EXPECT_EQ(launch("Site").outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].target, "https://example.org/");
}

TEST_F(ShortcutLauncherTest, InternetShortcutWithoutAddressFails)
{
    addFile("Tools/Bad.url", "[InternetShortcut]\nURL=-rf\n");
    EXPECT_EQ(launch("Bad").outcome, Outcome::Failed);
    EXPECT_TRUE(shell.calls().empty());
}

TEST_F(ShortcutLauncherTest, ProgramInformationFileGoesToTheDefaultHandler)
{
    addFile("Tools/Old.pif", "x");
    EXPECT_EQ(launch("Old").outcome, Outcome::Started);
    EXPECT_EQ(launch("Old", {"/a/1.txt", "/b c/2.txt"}).outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 2u);
    for (const Call& call : shell.calls()) {
        EXPECT_EQ(call.kind, Kind::Document);
        EXPECT_EQ(call.target, section + "/Old.pif");
        EXPECT_EQ(call.workingFolder, section);
    }
    EXPECT_TRUE(shell.calls()[0].arguments.empty());
    EXPECT_EQ(shell.calls()[1].arguments, (Words{"/a/1.txt", "/b c/2.txt"}));
}

TEST_F(ShortcutLauncherTest, ProgramStartsInItsOwnFolderWithTheLinksArguments)
{
    const std::string target = program("bin/My Tool");
    link("Tool.lnk", {target, "/ignored/working/folder", "--mode \"two words\" -v", 3});

    EXPECT_EQ(launch("Tool").outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 1u);
    const Call& call = shell.calls()[0];
    EXPECT_EQ(call.kind, Kind::Program);
    EXPECT_EQ(call.target, target);
    EXPECT_EQ(call.arguments, (Words{"--mode", "two words", "-v"}));
    EXPECT_EQ(call.workingFolder, bin);
    EXPECT_EQ(launcher.record().LinkFolder, "/ignored/working/folder");
    EXPECT_EQ(launcher.record().LinkShowCommand, 3);
}

TEST_F(ShortcutLauncherTest, DroppedFilesBecomeArgumentsAndTheFirstOnesFolderTheWorkingFolder)
{
    const std::string target = program("bin/editor");
    link("Editor.lnk", {target, "", "", 1});
    const Words dropped{"/home/u/My Docs/Report.doc", "/tmp/b c.txt"};

    EXPECT_EQ(launch("Editor", dropped).outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].arguments, dropped);
    EXPECT_EQ(shell.calls()[0].workingFolder, "/home/u/My Docs");
}

TEST_F(ShortcutLauncherTest, LinksOwnArgumentsWinOverDroppedFiles)
{
    link("Editor.lnk", {program("bin/editor"), "", "--fixed", 1});
    EXPECT_EQ(launch("Editor", {"/data/x.txt"}).outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].arguments, Words{"--fixed"});
    EXPECT_EQ(shell.calls()[0].workingFolder, "/data");
}

TEST_F(ShortcutLauncherTest, TargetIsOpenedWithItsLetterCase)
{
    const std::string target = program("bin/MixedCase.SH");
    link("Mixed.lnk", {target, "", "", 1});
    EXPECT_EQ(launch("Mixed").outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].target, target);
    EXPECT_EQ(launcher.record().LinkTarget, target);
}

TEST_F(ShortcutLauncherTest, SoundTargetIsPlayedAndNothingStarts)
{
    const std::string wave = folder.write("media/Chime.WAV", "RIFF").string();
    link("Chime.lnk", {wave, "", "", 1});
    EXPECT_EQ(launch("Chime").outcome, Outcome::Started);
    EXPECT_TRUE(shell.calls().empty());
    ASSERT_EQ(sounds.calls().size(), 1u);
    EXPECT_EQ(sounds.calls()[0].mode, platform::SoundPlayMode::Async);
    EXPECT_EQ(sounds.calls()[0].file, wave);
}

TEST_F(ShortcutLauncherTest, DocumentGoesToTheDefaultHandler)
{
    const std::string document = folder.write("docs/Letter.txt", "hi").string();
    link("Letter.lnk", {document, "", "", 1});
    EXPECT_EQ(launch("Letter").outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].kind, Kind::Document);
    EXPECT_EQ(shell.calls()[0].target, document);
    EXPECT_EQ(shell.calls()[0].workingFolder, folder.str() + "docs");
}

TEST_F(ShortcutLauncherTest, FolderOpensInTheFileManagerOrReceivesDroppedFiles)
{
    std::filesystem::create_directories(folder.path() / "Projects");
    link("Projects.lnk", {folder.str() + "Projects", "/srv/work", "", 1});
    link("Relative.lnk", {folder.str() + "Projects", "sub", "", 1});

    EXPECT_EQ(launch("Projects").outcome, Outcome::Started);
    EXPECT_EQ(launch("Relative").outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 2u);
    EXPECT_EQ(shell.calls()[0].kind, Kind::Folder);
    EXPECT_EQ(shell.calls()[0].target, folder.str() + "Projects/");
    // The file manager starts in the link's working folder, a relative one
    // taken from the link's own folder.
    EXPECT_EQ(shell.calls()[0].workingFolder, "/srv/work");
    EXPECT_EQ(shell.calls()[1].workingFolder, section + "/sub");

    shell.clear();
    const launcher::LaunchResult drop = launch("Projects", {"/a/1.txt", "/a/2.txt"});
    EXPECT_EQ(drop.outcome, Outcome::CopyIntoFolder);
    EXPECT_EQ(drop.copyFolder, folder.str() + "Projects");
    EXPECT_TRUE(shell.calls().empty());
}

TEST_F(ShortcutLauncherTest, FailuresStartNothingAndReportFailure)
{
    const std::string target = program("bin/gone");
    link("Gone.lnk", {target, "", "", 1});
    std::filesystem::remove(target);
    addFile("Tools/Broken.lnk", "not a link");

    struct Case {
        const char* caption;
        Words dropped;
    };
    const Case cases[] = {{"Gone", {}}, {"Gone", {"/x/y"}}, {"Broken", {}}, {"Missing", {}}, {"", {}}};
    for (const Case& c : cases) {
        EXPECT_EQ(launch(c.caption, c.dropped).outcome, Outcome::Failed) << c.caption;
    }
    EXPECT_TRUE(shell.calls().empty());
    EXPECT_TRUE(sounds.calls().empty());
}

TEST_F(ShortcutLauncherTest, RefusedStartIsAFailure)
{
    link("Tool.lnk", {program("bin/tool"), "", "", 1});
    shell.setResult(false);
    EXPECT_EQ(launch("Tool").outcome, Outcome::Failed);
}

TEST_F(ShortcutLauncherTest, DesktopEntryStartsItsExecLine)
{
    const std::string target = program("bin/viewer app");
    addFile("Tools/Viewer.desktop", "[Desktop Entry]\nType=Application\nName=Viewer\nExec=\"" + target +
                                        "\" --open %F\n");
    EXPECT_EQ(launch("Viewer", {"/pics/a b.png", "/pics/c.png"}).outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].kind, Kind::Program);
    EXPECT_EQ(shell.calls()[0].target, target);
    EXPECT_EQ(shell.calls()[0].arguments, (Words{"--open", "/pics/a b.png", "/pics/c.png"}));
    EXPECT_EQ(shell.calls()[0].workingFolder, "/pics");

    shell.clear();
    EXPECT_EQ(launch("Viewer").outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].arguments, Words{"--open"});
    EXPECT_EQ(shell.calls()[0].workingFolder, bin);
}

TEST_F(ShortcutLauncherTest, DesktopEntryPathKeyAndProgramOnThePath)
{
    addFile("Tools/Shell.desktop", "[Desktop Entry]\nType=Application\nExec=sh -c true\nPath=/var\n");
    EXPECT_EQ(launch("Shell").outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 1u);
    // The start names the file found on PATH, the one that was checked.
    EXPECT_EQ(shell.calls()[0].target, QStandardPaths::findExecutable("sh").toStdString());
    EXPECT_EQ(shell.calls()[0].workingFolder, "/var");
}

TEST_F(ShortcutLauncherTest, RelativeProgramPathsMeanTheShortcutsOwnFolder)
{
    const std::string inSection = program("shortcuts/Tools/sub/prog");
    program("shortcuts/Tools/prog");
    // The same names below the launcher's working folder and the dropped
    // file's folder must never be the ones checked or started.
    program("sub/prog");
    program("drop/sub/prog");
    program("drop/prog");
    const std::string dropped = folder.write("drop/report.txt", "r").string();
    link("Linked.lnk", {"sub/prog", "", "", 1});
    addFile("Tools/Entry.desktop", "[Desktop Entry]\nType=Application\nExec=./prog %f\n");
    addFile("Tools/InOwnFolder.desktop", "[Desktop Entry]\nType=Application\nExec=./prog\nPath=sub\n");
    addFile("Tools/Missing.desktop", "[Desktop Entry]\nType=Application\nExec=./nothing-here %f\n");
    link("MissingLink.lnk", {"sub/nothing-here", "", "", 1});
    const std::string launcherFolder = std::filesystem::current_path().string();
    std::filesystem::current_path(folder.path());

    struct Case {
        const char* caption;
        Outcome outcome;
        std::string started;
    };
    const Case cases[] = {
        {"Linked", Outcome::Started, inSection},
        {"Entry", Outcome::Started, section + "/prog"},
        {"InOwnFolder", Outcome::Started, section + "/prog"},
        {"Missing", Outcome::Failed, ""},
        {"MissingLink", Outcome::Failed, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        shell.clear();
        EXPECT_EQ(launch(c.caption, {dropped}).outcome, c.outcome);
        if (c.started.empty()) {
            EXPECT_TRUE(shell.calls().empty());
            continue;
        }
        ASSERT_EQ(shell.calls().size(), 1u);
        EXPECT_EQ(shell.calls()[0].target, c.started);
        // A relative Path= is the entry's folder too; without one the
        // dropped file's folder is the working folder.
        EXPECT_EQ(shell.calls()[0].workingFolder,
                  std::string(c.caption) == "InOwnFolder" ? section + "/sub" : folder.str() + "drop");
    }
    std::filesystem::current_path(launcherFolder);
}

TEST_F(ShortcutLauncherTest, DesktopEntryFailures)
{
    const std::pair<const char*, std::string> cases[] = {
        {"NoProgram", "[Desktop Entry]\nType=Application\nExec=quorvex-no-such-program-x %f\n"},
        {"NoFile", "[Desktop Entry]\nType=Application\nExec=/nonexistent/bin/app\n"},
        {"BadLine", "[Desktop Entry]\nType=Application\nExec=sh \"-c\n"},
        {"Folder", "[Desktop Entry]\nType=Directory\nName=Stuff\n"},
        {"NotAnEntry", "Exec=sh\n"},
        {"BadLink", "[Desktop Entry]\nType=Link\nURL=relative/page.html\n"},
    };
    for (const auto& [caption, text] : cases) {
        addFile(std::string("Tools/") + caption + ".desktop", text);
        EXPECT_EQ(launch(caption).outcome, Outcome::Failed) << caption;
    }
    EXPECT_TRUE(shell.calls().empty());
}

TEST_F(ShortcutLauncherTest, DesktopLinkEntryOpensItsAddress)
{
    addFile("Tools/Docs.desktop", "[Desktop Entry]\nType=Link\nURL=https://example.org/docs\n");
    EXPECT_EQ(launch("Docs", {"/x"}).outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].kind, Kind::Document);
    EXPECT_EQ(shell.calls()[0].target, "https://example.org/docs");
}

TEST_F(ShortcutLauncherTest, LaunchByButtonIndex)
{
    link("A.lnk", {program("bin/a"), "", "", 1});
    link("B.lnk", {program("bin/b"), "", "", 1});
    state.CurrentSection = 1;
    const launcher::LaunchButtonSet buttons = launcher::PopulateLaunchButtons(*library);
    ASSERT_EQ(buttons.VisibleButtonCount, 2);

    EXPECT_EQ(launcher.LaunchShortcut(buttons, 1).outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].target, bin + "/b");
    for (const int index : {-1, 2, 24, 25})
        EXPECT_EQ(launcher.LaunchShortcut(buttons, index).outcome, Outcome::Failed) << index;
    EXPECT_EQ(shell.calls().size(), 1u);
}

TEST_F(ShortcutLauncherTest, TerminalEntriesRunThroughTheDesktopsTerminal)
{
    const std::string tool = program("bin/tool");
    addFile("Tools/Top.desktop", "[Desktop Entry]\nType=Application\nTerminal=true\nExec=" + tool + " --watch %f\n");
    struct Case {
        const char* name;
        Words terminals; // installed on PATH
        Words expected;  // the program started and its arguments; empty: refused
    };
    const Case cases[] = {
        {"NewStandardFirst", {"xdg-terminal-exec", "x-terminal-emulator"},
         {"xdg-terminal-exec", tool, "--watch", "/logs/a"}},
        {"AlternativeWithItsOption", {"x-terminal-emulator"}, {"x-terminal-emulator", "-e", tool, "--watch", "/logs/a"}},
        {"NoTerminal", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.str() + "terminals/" + c.name;
        std::filesystem::create_directories(path);
        for (const std::string& terminal : c.terminals)
            program("terminals/" + std::string(c.name) + "/" + terminal);
        testsupport::ScopedEnvironment onlyThese("PATH", path);
        shell.clear();
        EXPECT_EQ(launch("Top", {"/logs/a"}).outcome, c.expected.empty() ? Outcome::Failed : Outcome::Started);
        if (c.expected.empty()) {
            EXPECT_TRUE(shell.calls().empty());
            continue;
        }
        ASSERT_EQ(shell.calls().size(), 1u);
        Words started{shell.calls()[0].target};
        started.insert(started.end(), shell.calls()[0].arguments.begin(), shell.calls()[0].arguments.end());
        started[0] = started[0].substr(path.size() + 1);
        EXPECT_EQ(started, c.expected);
        EXPECT_EQ(shell.calls()[0].workingFolder, "/logs");
    }
}

TEST_F(ShortcutLauncherTest, HiddenEntriesAndMissingTryExecProgramsAreRefused)
{
    const std::string tool = program("bin/tool");
    struct Case {
        const char* caption;
        std::string keys;
        bool starts;
    };
    const Case cases[] = {
        {"Hidden", "Hidden=true\n", false},
        {"HiddenFalse", "Hidden=false\n", true},
        {"TryExecMissingName", "TryExec=quorvex-no-such-program-x\n", false},
        {"TryExecMissingPath", "TryExec=/nonexistent/bin/app\n", false},
        {"TryExecNotExecutable", "TryExec=" + folder.write("bin/data.txt", "x").string() + "\n", false},
        {"TryExecOnPath", "TryExec=sh\n", true},
        {"TryExecBesideTheEntry", "TryExec=../../bin/tool\n", true},
        {"NoDisplayStillStarts", "NoDisplay=true\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        addFile(std::string("Tools/") + c.caption + ".desktop",
                "[Desktop Entry]\nType=Application\n" + c.keys + "Exec=" + tool + "\n");
        shell.clear();
        EXPECT_EQ(launch(c.caption).outcome, c.starts ? Outcome::Started : Outcome::Failed);
        EXPECT_EQ(shell.calls().size(), c.starts ? 1u : 0u);
    }
}

TEST_F(ShortcutLauncherTest, ButtonsShowTheEntrysNameAndStillFindTheirFile)
{
    testsupport::ScopedEnvironment german("LANGUAGE", "de_DE");
    program("shortcuts/Tools/files");
    program("shortcuts/Tools/zed");
    addFile("Tools/org.example.Files.desktop",
            "[Desktop Entry]\nType=Application\nName=Files\nName[de]=Dateien\nExec=./files\n");
    addFile("Tools/Zed.desktop", "[Desktop Entry]\nType=Application\nName=Alpha\nNoDisplay=true\nExec=./zed\n");
    addFile("Tools/Nameless.desktop", "[Desktop Entry]\nType=Application\nName=\nExec=./zed\n");
    addFile("Tools/Broken.desktop", "not an entry\n");
    link("Beta.lnk", {program("bin/beta"), "", "", 1});
    state.CurrentSection = 1;
    const launcher::LaunchButtonSet buttons = launcher::PopulateLaunchButtons(*library);

    const Words captions{"Alpha", "Beta", "Broken", "Dateien", "Nameless"};
    ASSERT_EQ(buttons.VisibleButtonCount, static_cast<int>(captions.size()));
    for (size_t i = 0; i < captions.size(); ++i)
        EXPECT_EQ(buttons.buttons[i].caption, captions[i]) << i;
    EXPECT_EQ(buttons.buttons[0].toolTip, " Alpha (not shown in menus) ");
    EXPECT_EQ(buttons.buttons[3].toolTip, " Dateien ");
    EXPECT_EQ(buttons.buttons[3].fileName, "org.example.Files.desktop");

    EXPECT_EQ(launcher.LaunchShortcut(buttons, 3).outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].target, section + "/files");
}

TEST_F(ShortcutLauncherTest, LinksWindowStateIsPassedOn)
{
    using State = platform::WindowState;
    const std::string target = program("bin/tool");
    const std::string document = folder.write("docs/notes.txt", "n").string();
    const std::pair<std::uint32_t, State> cases[] = {
        {1, State::Normal}, {3, State::Maximized}, {7, State::Minimized}, {2, State::Minimized},
        {6, State::Minimized}, {0, State::Normal}, {9, State::Normal}, {4242, State::Normal},
    };
    for (const auto& [showCommand, expected] : cases) {
        SCOPED_TRACE(showCommand);
        link("Tool.lnk", {target, "", "", showCommand});
        link("Notes.lnk", {document, "", "", showCommand});
        shell.clear();
        EXPECT_EQ(launch("Tool").outcome, Outcome::Started);
        EXPECT_EQ(launch("Notes").outcome, Outcome::Started);
        ASSERT_EQ(shell.calls().size(), 2u);
        EXPECT_EQ(shell.calls()[0].windowState, expected);
        EXPECT_EQ(shell.calls()[1].windowState, expected);
    }
}

TEST_F(ShortcutLauncherTest, NetworkTargetsOpenAsTheDesktopsShare)
{
    testsupport::LinkFileSpec spec{"Reports\\Q1 2026.xlsx", "", "", 3};
    spec.networkShare = "\\\\fileserver\\public";
    link("Share.lnk", spec);
    EXPECT_EQ(launch("Share", {"/dropped.txt"}).outcome, Outcome::Started);
    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].kind, Kind::Document);
    EXPECT_EQ(shell.calls()[0].target, "smb://fileserver/public/Reports/Q1%202026.xlsx");
    EXPECT_TRUE(shell.calls()[0].arguments.empty());
    EXPECT_EQ(shell.calls()[0].windowState, platform::WindowState::Maximized);
    EXPECT_EQ(launcher.record().LinkTarget, "\\\\fileserver\\public\\Reports\\Q1 2026.xlsx");
}

} // namespace
