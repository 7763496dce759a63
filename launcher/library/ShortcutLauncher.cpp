#include "launcher/library/ShortcutLauncher.h"

#include "launcher/library/DesktopEntryLaunch.h"
#include "launcher/library/ShortcutNames.h"
#include "platform/files/BoundedFileReader.h"
#include "platform/files/CaseInsensitivePath.h"
#include "platform/files/ExecutableFile.h"
#include "platform/shortcuts/DesktopEntry.h"
#include "platform/shortcuts/InternetShortcut.h"
#include "platform/shortcuts/LinkFile.h"

#include <QProcess>
#include <QString>

#include <algorithm>
#include <filesystem>
#include <optional>

namespace launcher {
namespace {

namespace fs = std::filesystem;

// The file caption + extension in `folder`, the extension in any letter case.
std::optional<std::string> findShortcut(const std::string& folder, const std::string& caption, ShortcutKind kind)
{
    const fs::path wanted = fs::path(folder) / (caption + std::string(shortcutExtension(kind)));
    const fs::path found = platform::resolveCaseInsensitive(wanted);
    std::error_code error;
    if (!fs::is_regular_file(found, error))
        return std::nullopt;
    return found.string();
}

std::vector<std::string> splitArguments(const std::string& text)
{
    std::vector<std::string> arguments;
    for (const QString& argument : QProcess::splitCommand(QString::fromStdString(text)))
        arguments.push_back(argument.toStdString());
    return arguments;
}

// A link stores the window state as a show-window code: 3 asks for a
// maximized window, 2, 6, 7 and 11 for a minimized one; the rest (1 above
// all) are ordinary windows.
platform::WindowState windowStateOf(int showCommand)
{
    switch (showCommand) {
    case 3:
        return platform::WindowState::Maximized;
    case 2:
    case 6:
    case 7:
    case 11:
        return platform::WindowState::Minimized;
    default:
        return platform::WindowState::Normal;
    }
}

bool isNetworkPath(const std::string& path)
{
    return path.size() > 2 && path[0] == '\\' && path[1] == '\\';
}

// \\server\share\dir as smb://server/share/dir, which the desktop opens.
std::string networkUrl(const std::string& uncPath)
{
    std::string slashed = uncPath;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    return "smb:" + platform::percentEncodedPath(slashed);
}

bool endsWithWav(const std::string& path)
{
    return path.size() >= 4 && platform::toLowerAscii(path.substr(path.size() - 4)) == ".wav";
}

} // namespace

ShortcutLauncher::ShortcutLauncher(platform::Shell& shell, platform::SoundSystem& sounds, Pause pause)
    : m_shell(shell)
    , m_sounds(sounds)
    , m_pause(std::move(pause))
{
}

void ShortcutLauncher::pause(int milliseconds)
{
    if (m_pause)
        m_pause(milliseconds);
}

LaunchResult ShortcutLauncher::started(bool ok, int pauseAfterMs)
{
    if (!ok)
        return {LaunchOutcome::Failed, {}};
    pause(pauseAfterMs);
    return {LaunchOutcome::Started, {}};
}

LaunchResult ShortcutLauncher::LaunchShortcut(const LaunchButtonSet& buttons, int index,
                                              const std::vector<std::string>& droppedFiles)
{
    if (index < 0 || index >= buttons.VisibleButtonCount)
        return {LaunchOutcome::Failed, {}};
    // A desktop entry's button shows its Name; the files are still found by
    // the file name, so that Tools.url keeps winning over Tools.desktop.
    return launchCaption(buttons.sectionFolder, ShortcutCaption(buttons.buttons[static_cast<size_t>(index)].fileName),
                         droppedFiles);
}

LaunchResult ShortcutLauncher::launchCaption(const std::string& sectionFolder, const std::string& caption,
                                             const std::vector<std::string>& droppedFiles)
{
    if (caption.empty())
        return {LaunchOutcome::Failed, {}};
    if (const auto file = findShortcut(sectionFolder, caption, ShortcutKind::Internet)) {
        // Dropped files are not handed to a web address.
        std::string readError;
        const std::optional<std::string> url = platform::readInternetShortcutUrl(*file, readError);
        if (!url) {
            platform::reportSkippedFile(readError);
            return {LaunchOutcome::Failed, {}};
        }
        pause(100);
        return started(m_shell.openDocument(*url, {}, sectionFolder, platform::WindowState::Normal), 100);
    }
    if (const auto file = findShortcut(sectionFolder, caption, ShortcutKind::ProgramInfo)) {
        // The dropped files follow the program information file, for the
        // program that runs it.
        pause(100);
        return started(m_shell.openDocument(*file, droppedFiles, sectionFolder, platform::WindowState::Normal), 100);
    }
    if (const auto file = findShortcut(sectionFolder, caption, ShortcutKind::DesktopEntry))
        return openDesktopEntry(*file, sectionFolder, droppedFiles);
    const auto link = findShortcut(sectionFolder, caption, ShortcutKind::Link);
    if (!link)
        return {LaunchOutcome::Failed, {}};
    return openLink(*link, droppedFiles);
}

bool ShortcutLauncher::ResolveShortcut(const std::string& path)
{
    const platform::LinkReadResult link = platform::readLinkFile(path);
    if (!link.ok) {
        platform::reportSkippedFile(link.error);
        return false;
    }
    m_record.LinkTarget = CutAtControlCharacter(link.info.target);
    m_record.LinkFolder = CutAtControlCharacter(link.info.workingFolder);
    m_record.LinkArguments = CutAtControlCharacter(link.info.arguments);
    m_record.LinkShowCommand = link.info.showCommand;
    return true;
}

LaunchResult ShortcutLauncher::openLink(const std::string& linkPath, const std::vector<std::string>& droppedFiles)
{
    if (!ResolveShortcut(linkPath))
        return {LaunchOutcome::Failed, {}};

    if (isNetworkPath(m_record.LinkTarget)) {
        // Whether it is a folder or a file is the network's to say: the
        // desktop opens the share; dropped files are not passed to it.
        pause(100);
        return started(m_shell.openDocument(networkUrl(m_record.LinkTarget), {}, FolderOfPath(linkPath),
                                            windowStateOf(m_record.LinkShowCommand)),
                       1000);
    }
    const std::string linkTarget = absoluteFromShortcut(linkPath, m_record.LinkTarget);
    // A program starts in the folder of the first dropped file, else in the
    // folder that holds its target; the link's own working folder is only
    // used for folders.
    std::string workingFolder = droppedFiles.empty() ? FolderOfPath(linkTarget) : FolderOfPath(droppedFiles.front());
    // The link's own arguments win over dropped files.
    const std::vector<std::string> arguments =
        m_record.LinkArguments.empty() ? droppedFiles : splitArguments(m_record.LinkArguments);

    if (!linkTarget.empty() && endsWithWav(linkTarget)) {
        pause(100);
        m_sounds.playAsync(linkTarget);
        pause(100);
        return {LaunchOutcome::Started, {}};
    }

    std::string target = linkTarget.empty() ? linkPath : linkTarget;
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (!fs::exists(status))
        return {LaunchOutcome::Failed, {}};
    if (fs::is_directory(status)) {
        if (!droppedFiles.empty())
            return {LaunchOutcome::CopyIntoFolder, target};
        if (target.back() != '/')
            target += '/';
        pause(100);
        return started(m_shell.openFolder(target, absoluteFromShortcut(linkPath, m_record.LinkFolder)), 500);
    }
    pause(100);
    const platform::WindowState windowState = windowStateOf(m_record.LinkShowCommand);
    if (platform::isExecutableFile(target))
        return started(m_shell.startProgram(target, arguments, workingFolder, windowState), 1000);
    return started(m_shell.openDocument(target, {}, workingFolder, windowState), 1000);
}

LaunchResult ShortcutLauncher::openDesktopEntry(const std::string& entryPath, const std::string& sectionFolder,
                                                const std::vector<std::string>& droppedFiles)
{
    std::string readError;
    const std::optional<platform::DesktopEntry> entry = platform::DesktopEntry::read(entryPath, readError);
    if (!entry) {
        platform::reportSkippedFile(readError);
        return {LaunchOutcome::Failed, {}};
    }
    if (entry->isLink()) {
        if (!platform::hasUrlScheme(entry->url()))
            return {LaunchOutcome::Failed, {}};
        pause(100);
        return started(m_shell.openDocument(entry->url(), {}, sectionFolder, platform::WindowState::Normal), 100);
    }
    if (!entry->isApplication())
        return {LaunchOutcome::Failed, {}};
    const DesktopLaunchPlan plan = planDesktopLaunch(*entry, entryPath, sectionFolder, droppedFiles);
    if (!plan.refusal.empty()) {
        platform::reportSkippedFile(plan.refusal);
        return {LaunchOutcome::Failed, {}};
    }
    pause(100);
    bool ok = true;
    for (const platform::DesktopCommand& command : plan.commands)
        ok = m_shell.startProgram(command.program, command.arguments, plan.workingFolder,
                                 platform::WindowState::Normal)
          && ok;
    return started(ok, 1000);
}

} // namespace launcher
