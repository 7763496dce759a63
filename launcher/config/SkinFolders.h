#pragma once

#include "launcher/config/AppPaths.h"

#include <string>
#include <vector>

namespace launcher {

// Renames every skin folder to the base name of the first .ini file in it,
// so that a skin's folder and its definition file always share one name.
// Stops quietly at the first folder it cannot handle (no .ini file, or a
// rename that fails, for example because the new name is taken): the later
// folders keep their names. Returns a description of where it stopped, or
// an empty string when every folder was handled.
std::string NormaliseSkinFolders(const AppPaths& paths);

// The installed skins: the visible subfolders of the skins folder, in name order.
std::vector<std::string> ListSkins(const AppPaths& paths);

} // namespace launcher
