#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Skins are written on systems whose file names ignore letter case, so a
// skin may name "Exit_up.bmp" and ship "exit_up.BMP". Returns the existing
// path that matches `path` component by component without regard to ASCII
// letter case, preferring an exact match. When no such file exists the path
// is returned unchanged (so callers can still report or create it).
std::filesystem::path resolveCaseInsensitive(const std::filesystem::path& path);

// True when the two names are equal ignoring ASCII letter case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// ASCII lower-casing, as the launcher's name comparisons use it.
std::string toLowerAscii(std::string_view text);

} // namespace platform
