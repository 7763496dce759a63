#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace launcher {

// Skin pictures larger than this many pixels are refused before decoding:
// 8192 × 8192 is far beyond any launcher window, and its decoded image
// (256 MiB) is the most a skin may ask memory for.
inline constexpr std::uint64_t kMaxSkinPicturePixels = 8192ull * 8192ull;

struct BitmapHeaderCheck {
    bool isBitmap = false; // the bytes start like a bitmap file
    std::string problem;   // why the bitmap cannot be used; empty when it can
};

// Looks at the headers of a bitmap file before any decoding: the picture
// must have a size within `maxPixels`, and the file must hold all the pixel
// rows its headers promise. A decoder given a cut file fills what is missing
// with black and reports success, so completeness is checked here. Bytes
// that are not a bitmap file give isBitmap false and no problem.
BitmapHeaderCheck checkBitmapHeader(std::string_view bytes, std::uint64_t maxPixels = kMaxSkinPicturePixels);

} // namespace launcher
