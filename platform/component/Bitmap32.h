#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quorvex::platform::component {

// A top-down 32-bit image; each pixel is 0xAARRGGBB.
struct Bitmap32 {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels; // width * height, row after row

    Bitmap32() = default;
    Bitmap32(int32_t w, int32_t h, uint32_t fill = 0xFF000000u);

    bool isValid() const { return width > 0 && height > 0 && pixels.size() == size_t(width) * size_t(height); }
    uint32_t pixel(int32_t x, int32_t y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    void setPixel(int32_t x, int32_t y, uint32_t argb) { pixels[size_t(y) * size_t(width) + size_t(x)] = argb; }
    // The 24-bit colour 0x00RRGGBB of a pixel.
    uint32_t rgb(int32_t x, int32_t y) const { return pixel(x, y) & 0x00FFFFFFu; }

    friend bool operator==(const Bitmap32&, const Bitmap32&) = default;
};

// The largest image a decoder accepts (both sides); bigger ones are refused
// before anything is allocated.
inline constexpr int32_t kMaxBitmapSide = 16384;
inline constexpr int64_t kMaxBitmapPixels = int64_t(1) << 25;

// Decodes an uncompressed BMP file (1, 4, 8, 16, 24 or 32 bits per pixel,
// bottom-up or top-down, with colour masks for 16 and 32 bits). On failure
// returns an invalid bitmap and sets `error`.
Bitmap32 decodeBmp(std::span<const uint8_t> file, std::string* error = nullptr);
// Encodes a 32-bit bottom-up BMP file that decodeBmp reads back unchanged.
std::vector<uint8_t> encodeBmp(const Bitmap32& bitmap);
// The size of what encodeBmp writes for `bitmap`, without encoding it.
uint64_t encodedBmpBytes(const Bitmap32& bitmap);
// Encodes an icon file holding `images` (each 1 to 256 pixels a side) at 32
// bits a pixel with their alpha, and a mask that hides fully transparent
// pixels for readers that ignore alpha. Empty when an image does not fit.
std::vector<uint8_t> encodeIcon(std::span<const Bitmap32> images);

} // namespace quorvex::platform::component
