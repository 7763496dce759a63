#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quorvex::platform {

enum class MetafileFormat {
    Enhanced, // EMF
    Windows,  // the older 16-bit format (WMF)
};

enum class MonochromeFill {
    Black,
    White,
};

// A 1-bit image: rows of rowBytes bytes, bit 7 of a byte is its leftmost pixel,
// 1 = white.
struct MonochromeImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::size_t rowBytes = 0;
    std::vector<std::uint8_t> bits;

    // Rows padded to 16 bits, the layout every renderer returns.
    static std::size_t wordAlignedRowBytes(std::int32_t width)
    {
        return ((std::size_t(width) + 15) >> 3) & ~std::size_t(1);
    }
    // A word-aligned image of one colour; width and height must not be negative.
    static MonochromeImage filled(std::int32_t width, std::int32_t height, MonochromeFill fill)
    {
        MonochromeImage image;
        image.width = width;
        image.height = height;
        image.rowBytes = wordAlignedRowBytes(width);
        image.bits.assign(image.rowBytes * std::size_t(height), fill == MonochromeFill::White ? 0xFF : 0x00);
        return image;
    }
    bool pixel(std::int32_t x, std::int32_t y) const
    {
        return (bits[std::size_t(y) * rowBytes + std::size_t(x >> 3)] >> (7 - (x & 7))) & 1;
    }
};

// Plays a metafile into a 1-bit image. Kept free of any toolkit type so that
// the region geometry can use it without linking one.
class MetafileRenderer {
public:
    virtual ~MetafileRenderer() = default;

    // Fills a width x height image with `fill`, then draws the metafile
    // stretched to the whole image; every painted pixel becomes black or
    // white by its lightness, with no anti-aliasing. Rows are
    // MonochromeImage::wordAlignedRowBytes(width) long. Returns nullopt when
    // the data cannot be read or the format is not supported.
    virtual std::optional<MonochromeImage> render(std::span<const std::uint8_t> metafile,
                                                  MetafileFormat format, std::int32_t width,
                                                  std::int32_t height, MonochromeFill fill) const = 0;
};

} // namespace quorvex::platform
