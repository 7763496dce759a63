#pragma once

#include <string>

namespace launcher {

// "8514" for a large system font (taller than 16 pixels), else "VGA".
std::string ScreenFontClassForHeight(int characterHeightPx);

// The class of the application's default font; windows with a fixed
// design switch to a roomier layout for "8514".
std::string ScreenFontClass();

} // namespace launcher
