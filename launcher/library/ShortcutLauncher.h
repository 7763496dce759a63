#pragma once

#include "launcher/library/LaunchButtons.h"
#include "platform/shell/Shell.h"
#include "platform/sound/SoundSystem.h"

#include <functional>
#include <string>
#include <vector>

namespace launcher {

// What the last shell link launched held (ResolveShortcut). The target keeps
// its letter case: file names here are case-sensitive.
struct LaunchRecord {
    std::string LinkTarget;
    std::string LinkFolder;
    std::string LinkArguments;
    int LinkShowCommand = 1;
};

enum class LaunchOutcome {
    Started,        // handed to the shell or the sound player
    Failed,         // nothing started: run RefreshShortcutsIfChanged, show no message
    CopyIntoFolder, // files dropped on a folder shortcut: copy them into copyFolder
};

struct LaunchResult {
    LaunchOutcome outcome = LaunchOutcome::Failed;
    std::string copyFolder;
};

// Opens launch buttons' shortcuts. A button's file is found by its caption
// in the section folder: an internet shortcut first, then a program
// information file, a desktop entry and a shell link, so Tools.url wins over
// Tools.lnk.
class ShortcutLauncher {
public:
    // Lets window events run for a while (PauseWithEvents) so the launcher
    // stays responsive while the desktop starts something.
    using Pause = std::function<void(int milliseconds)>;

    ShortcutLauncher(platform::Shell& shell, platform::SoundSystem& sounds, Pause pause = {});

    // LaunchShortcut: launch button `index` of `buttons` with the files
    // dropped on it (none for a click). Each dropped file is one argument.
    LaunchResult LaunchShortcut(const LaunchButtonSet& buttons, int index,
                                const std::vector<std::string>& droppedFiles = {});

    // The same by caption, for a section folder without trailing '/'.
    LaunchResult launchCaption(const std::string& sectionFolder, const std::string& caption,
                               const std::vector<std::string>& droppedFiles);

    // Reads a shell link into the launch record; false when it cannot be read.
    bool ResolveShortcut(const std::string& path);
    const LaunchRecord& record() const { return m_record; }

private:
    LaunchResult openLink(const std::string& linkPath, const std::vector<std::string>& droppedFiles);
    LaunchResult openDesktopEntry(const std::string& entryPath, const std::string& sectionFolder,
                                  const std::vector<std::string>& droppedFiles);
    LaunchResult started(bool ok, int pauseAfterMs);
    void pause(int milliseconds);

    platform::Shell& m_shell;
    platform::SoundSystem& m_sounds;
    Pause m_pause;
    LaunchRecord m_record;
};

} // namespace launcher
