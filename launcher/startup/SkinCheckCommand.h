#pragma once

#include "launcher/skin/SkinCheck.h"

#include <cstdio>
#include <string>

namespace launcher {

// Checks the skin in `skinFolder` with the files as they are on disk now:
// what `--check-skin` reports, and what the skin chooser asks before it
// makes a skin the start-up skin.
SkinCheckReport CheckInstalledSkin(const std::string& skinFolder);

// Prints what `--check-skin` prints for `report` to `out`; true when the
// skin loads.
bool PrintSkinCheckReport(const SkinCheckReport& report, std::FILE* out = stdout);

// `quorvex --check-skin FOLDER`: prints every missing picture and every value
// the launcher would correct; returns 0 when the skin can be loaded.
int RunSkinCheck(const std::string& skinFolder);

} // namespace launcher
