#pragma once

#include <string>

namespace launcher {

// File names inside a skin folder. They are matched without regard to
// letter case when the files are opened.

// "section00_1.bmp": section i (two digits), state s (1 normal, 2 current,
// 3 pointer over, 4 pressed). Also the picture's key in the section's image list.
std::string SectionImageKey(int section, int state);

// "style000_1.bmp": style i (three digits), state s (1 normal, 2 pointer
// over, 3 pressed, 4 released over the button).
std::string StyleImageKey(int style, int state);

// The window background of background number n: "<skin>.bmp" for 0,
// "<skin><n>.bmp" otherwise.
std::string BackgroundFileName(const std::string& skinName, int number);

// "FilmLoop1.bmp" … "FilmLoop8.bmp" (number from 1, no padding).
std::string FilmLoopFileName(int number);

// The double-size partner a skin may ship for high-density screens:
// "Exit_up@2x.bmp" for "Exit_up.bmp" (the suffix goes before the extension).
std::string DoubleSizeFileName(const std::string& fileName);

inline constexpr const char* kShadeFileName = "shade.bmp";
inline constexpr const char* kThumbnailFileName = "thumbnail.bmp";
inline constexpr const char* kNoThumbnailFileName = "nothumb.bmp";

} // namespace launcher
