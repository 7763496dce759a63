#pragma once

#include <string>

namespace launcher {

// `quorvex --check-skin FOLDER`: prints every missing picture and every value
// the launcher would correct; returns 0 when the skin can be loaded.
int RunSkinCheck(const std::string& skinFolder);

} // namespace launcher
