#pragma once

#include "launcher/config/AppPaths.h"

#include <optional>
#include <string_view>

namespace launcher {

class Launcher;

// What `quorvex --raise`, `--quit` and `--refresh` ask of the launcher that
// runs on the same program folder.
enum class RemoteCommand { Raise, Quit, Refresh };

std::optional<RemoteCommand> RemoteCommandForArgument(std::string_view argument);
std::optional<RemoteCommand> RemoteCommandForWord(std::string_view word);
std::string_view RemoteCommandWord(RemoteCommand command);

// Carries a command out on the running launcher: raising is what the hot key
// does, quitting what the exit button does, refreshing reads the shortcut
// library again.
void RunRemoteCommand(Launcher& launcher, RemoteCommand command);

// Hands `command` to the launcher of `paths`' program folder. Returns the
// exit status: 0 when it took the command, 1 (with a line on standard error
// saying why) when none runs or it did not answer.
int SendRemoteCommand(const AppPaths& paths, RemoteCommand command);

} // namespace launcher
