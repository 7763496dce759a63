#pragma once

#include "launcher/config/AppPaths.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace launcher {

// What the renaming pass below does with one skin folder.
struct SkinFolderRename {
    std::string newName; // the name the folder gets; empty when it keeps its own
    std::string problem; // why the pass stops at this folder; empty when it goes on
};

// Decides, without touching anything, what NormaliseSkinFolders would do
// with the folder `folder` of `skinsFolder`.
SkinFolderRename PlanSkinFolderRename(const std::filesystem::path& skinsFolder, const std::string& folder);

// Renames one skin folder as NormaliseSkinFolders does; `newName` is set only
// when the folder was renamed, `problem` when it needed a new name it could
// not get.
SkinFolderRename NormaliseSkinFolder(const std::filesystem::path& skinsFolder, const std::string& folder);

// Renames every skin folder to the base name of the first .ini file in it,
// so that a skin's folder and its definition file always share one name. A
// folder that already holds its own definition file (found without regard to
// letter case, as the launcher finds it) is left alone, whatever other .ini
// files lie beside it.
// Stops quietly at the first folder it cannot handle (no .ini file, or a
// rename that fails, for example because the new name is taken): the later
// folders keep their names. Returns a description of where it stopped, or
// an empty string when every folder was handled.
std::string NormaliseSkinFolders(const AppPaths& paths);

// True when `name` can only mean a folder directly inside the skins folder:
// not empty, not "." or "..", no '/' and no NUL. A stored skin name that is
// not is treated as not set, so that it can never lead outside the skins.
bool IsSkinFolderName(std::string_view name);

// The installed skins: the visible subfolders of the skins folder, in name order.
std::vector<std::string> ListSkins(const AppPaths& paths);

} // namespace launcher
