#pragma once

#include "shape/region/Region.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/metafile/MetafileRenderer.h"

namespace quorvex::shape {

// A read-only view of 32-bit pixels 0xAARRGGBB (QImage::Format_RGB32 and
// Format_ARGB32 in memory), rows `strideBytes` apart. The alpha byte is
// ignored.
struct BitmapView {
    const std::uint32_t* pixels = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::size_t strideBytes = 0;
};

// Every pixel whose colour (0xRRGGBB) equals maskRgb is cut away; the rest is
// the region. Null when there is no bitmap (no pixels, a negative size or a
// stride shorter than a row).
std::optional<Region> BuildMaskRegion(const BitmapView& bitmap, std::uint32_t maskRgb);

// 1 bits are kept. Rows are ((width + 7) >> 3) bytes rounded up to a multiple
// of rowAlignment; bit 7 of a byte is its leftmost pixel. Null when `bits` is
// shorter than height rows, the size is negative or rowAlignment < 1.
std::optional<Region> BuildMonochromeRegion(std::span<const std::uint8_t> bits, std::int32_t width,
                                            std::int32_t height, std::int32_t rowAlignment);

// The pixels that `metafile` paints when stretched to width x height: the
// picture is drawn once on black and once on white, and the pixels that come
// out the same both times are kept. Null when the renderer cannot draw it.
std::optional<Region> BuildMetafileRegion(const platform::MetafileRenderer& renderer,
                                          std::span<const std::uint8_t> metafile,
                                          platform::MetafileFormat format, std::int32_t width,
                                          std::int32_t height);

} // namespace quorvex::shape
