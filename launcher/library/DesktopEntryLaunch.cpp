#include "launcher/library/DesktopEntryLaunch.h"

#include "launcher/library/ShortcutNames.h"
#include "platform/files/ExecutableFile.h"

#include <QStandardPaths>
#include <QString>

#include <filesystem>

namespace launcher {
namespace {

namespace fs = std::filesystem;

bool isBareName(const std::string& program)
{
    return program.find('/') == std::string::npos;
}

// The executable file `written` stands for; "" when there is none.
std::string resolveProgram(const std::string& entryPath, const std::string& written)
{
    const std::string program = isBareName(written)
                                    ? QStandardPaths::findExecutable(QString::fromStdString(written)).toStdString()
                                    : absoluteFromShortcut(entryPath, written);
    return !program.empty() && platform::isExecutableFile(program) ? program : std::string();
}

struct Terminal {
    const char* name;
    const char* commandOption; // "" when the command follows the name
};

// Runs `command` inside the first terminal found; false when there is none.
bool wrapInTerminal(platform::DesktopCommand& command)
{
    static constexpr Terminal kTerminals[] = {{"xdg-terminal-exec", ""}, {"x-terminal-emulator", "-e"}};
    for (const Terminal& terminal : kTerminals) {
        const std::string path = QStandardPaths::findExecutable(terminal.name).toStdString();
        if (path.empty())
            continue;
        std::vector<std::string> arguments;
        if (*terminal.commandOption)
            arguments.emplace_back(terminal.commandOption);
        arguments.push_back(std::move(command.program));
        arguments.insert(arguments.end(), command.arguments.begin(), command.arguments.end());
        command = {path, std::move(arguments)};
        return true;
    }
    return false;
}

DesktopLaunchPlan refused(const std::string& entryPath, const std::string& why)
{
    DesktopLaunchPlan plan;
    plan.refusal = entryPath + ": " + why;
    return plan;
}

} // namespace

std::string absoluteFromShortcut(const std::string& shortcutPath, const std::string& path)
{
    const fs::path given(path);
    if (path.empty() || given.is_absolute())
        return path;
    return (fs::path(shortcutPath).parent_path() / given).lexically_normal().string();
}

DesktopLaunchPlan planDesktopLaunch(const platform::DesktopEntry& entry, const std::string& entryPath,
                                    const std::string& sectionFolder,
                                    const std::vector<std::string>& droppedFiles)
{
    if (entry.isHidden())
        return refused(entryPath, "the entry is marked Hidden (deleted) and is not started");
    if (!entry.tryExec().empty() && resolveProgram(entryPath, entry.tryExec()).empty())
        return refused(entryPath, "its TryExec program \"" + entry.tryExec() + "\" is not installed");
    platform::DesktopCommandResult built = platform::buildDesktopCommands(entry, droppedFiles, entryPath);
    if (!built.error.empty())
        return refused(entryPath, built.error);

    DesktopLaunchPlan plan;
    const bool named = isBareName(built.commands.front().program);
    for (platform::DesktopCommand& command : built.commands) {
        const std::string program = resolveProgram(entryPath, command.program);
        if (program.empty())
            return refused(entryPath, "its program \"" + command.program + "\" is not installed");
        command.program = program;
    }
    const std::string programFolder = FolderOfPath(built.commands.front().program);
    if (entry.runsInTerminal()) {
        for (platform::DesktopCommand& command : built.commands) {
            if (!wrapInTerminal(command))
                return refused(entryPath, "it runs in a terminal, and neither xdg-terminal-exec nor "
                                          "x-terminal-emulator is installed");
        }
    }
    plan.commands = std::move(built.commands);
    plan.workingFolder = absoluteFromShortcut(entryPath, entry.workingFolder());
    if (plan.workingFolder.empty())
        plan.workingFolder = !droppedFiles.empty() ? FolderOfPath(droppedFiles.front())
                           : named                 ? sectionFolder
                                                   : programFolder;
    return plan;
}

} // namespace launcher
