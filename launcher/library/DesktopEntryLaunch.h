#pragma once

#include "platform/shortcuts/DesktopExec.h"

#include <string>
#include <vector>

namespace launcher {

// What starting an application's desktop entry comes to: the programs to
// start (each a checked, executable file) and the folder they start in, or
// why the entry must not be started.
struct DesktopLaunchPlan {
    std::vector<platform::DesktopCommand> commands;
    std::string workingFolder;
    std::string refusal; // names the entry file; set when nothing may start
};

// Plans the start of `entry` (read from `entryPath`) with `droppedFiles`, as
// the desktop would start it: Hidden entries and entries whose TryExec
// program is missing are refused; a bare program name is looked up on PATH,
// a relative path means the entry's own folder; Terminal=true runs the
// command through xdg-terminal-exec or else x-terminal-emulator (refused
// when neither is installed). The working folder is the Path key (relative:
// the entry's folder), else the first dropped file's folder, else the
// section folder for a program found on PATH, else the program's folder.
DesktopLaunchPlan planDesktopLaunch(const platform::DesktopEntry& entry, const std::string& entryPath,
                                    const std::string& sectionFolder,
                                    const std::vector<std::string>& droppedFiles);

// A relative path in a shortcut means the shortcut's own folder, never the
// folder the launcher or the started program happens to be in; made
// absolute once, the path checked is the path started.
std::string absoluteFromShortcut(const std::string& shortcutPath, const std::string& path);

} // namespace launcher
