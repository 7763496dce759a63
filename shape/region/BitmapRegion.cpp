#include "shape/region/BitmapRegion.h"

#include "platform/metafile/MetafileRenderer.h"
#include "shape/region/BandBuilder.h"

#include <cstring>
#include <new>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace quorvex::shape {

namespace {

// The first x at or after `x` whose pixel is (opaque) or is not (!opaque)
// of the mask colour; `width` when there is none. Eight pixels are compared
// per step where SSE2 is available.
std::int32_t nextChange(const std::uint32_t* row, std::int32_t x, std::int32_t width, std::uint32_t maskRgb,
                        bool opaque)
{
#ifdef __SSE2__
    const __m128i mask = _mm_set1_epi32(static_cast<int>(maskRgb));
    const __m128i colourBits = _mm_set1_epi32(0x00FFFFFF);
    const int wanted = opaque ? 0xFF : 0x00; // bits of pixels that are the mask colour
    while (x + 8 <= width) {
        const __m128i a = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x)), colourBits);
        const __m128i b = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x + 4)), colourBits);
        const int isMask = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(a, mask)))
                           | (_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(b, mask))) << 4);
        const int hits = isMask ^ wanted; // 1 where the pixel is what we look for
        if (hits != 0)
            return x + __builtin_ctz(static_cast<unsigned>(hits));
        x += 8;
    }
#endif
    while (x < width && ((row[x] & 0x00FFFFFFu) == maskRgb) == opaque)
        ++x;
    return x;
}

// Appends the runs of opaque pixels of one row. Runs are maximal, so the
// spans never touch, which the banded form requires.
void maskRowSpans(const std::uint32_t* row, std::int32_t width, std::uint32_t maskRgb,
                  std::vector<BandBuilder::Span>& spans)
{
    spans.clear();
    std::int32_t x = nextChange(row, 0, width, maskRgb, true);
    while (x < width) {
        const std::int32_t end = nextChange(row, x, width, maskRgb, false);
        spans.push_back(BandBuilder::Span{x, end});
        x = nextChange(row, end, width, maskRgb, true);
    }
}

void monochromeRowSpans(const std::uint8_t* row, std::int32_t width,
                        std::vector<BandBuilder::Span>& spans)
{
    spans.clear();
    bool inRun = false;
    std::int32_t start = 0;
    std::int32_t x = 0;
    while (x < width) {
        // A whole byte that does not change the state is passed over at once.
        if ((x & 7) == 0 && x + 8 <= width) {
            const std::uint8_t byte = row[x >> 3];
            if ((byte == 0x00 && !inRun) || (byte == 0xFF && inRun)) {
                x += 8;
                continue;
            }
        }
        const bool set = (row[x >> 3] >> (7 - (x & 7))) & 1;
        if (set && !inRun) {
            start = x;
            inRun = true;
        } else if (!set && inRun) {
            spans.push_back(BandBuilder::Span{start, x});
            inRun = false;
        }
        ++x;
    }
    if (inRun)
        spans.push_back(BandBuilder::Span{start, width});
}

std::optional<Region> maskRegion(const BitmapView& bitmap, std::uint32_t maskRgb)
{
    if (!bitmap.pixels || bitmap.width < 0 || bitmap.height < 0
        || bitmap.strideBytes < std::size_t(bitmap.width) * sizeof(std::uint32_t))
        return std::nullopt;
    maskRgb &= 0x00FFFFFFu;

    BandBuilder bands;
    std::vector<BandBuilder::Span> spans;
    const auto* bytes = reinterpret_cast<const unsigned char*>(bitmap.pixels);
    const std::size_t rowBytes = std::size_t(bitmap.width) * sizeof(std::uint32_t);
    const unsigned char* previousRow = nullptr;
    for (std::int32_t y = 0; y < bitmap.height; ++y) {
        const unsigned char* row = bytes + std::size_t(y) * bitmap.strideBytes;
        // Skin bitmaps repeat rows a lot (flat frames, solid fills); a row equal
        // to the one above has the same runs without looking at its pixels.
        if (!previousRow || std::memcmp(row, previousRow, rowBytes) != 0)
            maskRowSpans(reinterpret_cast<const std::uint32_t*>(row), bitmap.width, maskRgb, spans);
        bands.addRow(y, spans);
        previousRow = row;
    }
    return Region::fromBandedRects(bands.finish());
}

std::optional<Region> monochromeRegion(std::span<const std::uint8_t> bits, std::int32_t width,
                                       std::int32_t height, std::int32_t rowAlignment)
{
    if (width < 0 || height < 0 || rowAlignment < 1)
        return std::nullopt;
    const std::size_t alignment = std::size_t(rowAlignment);
    const std::size_t rowBytes = (((std::size_t(width) + 7) >> 3) + alignment - 1) / alignment * alignment;
    if (height > 0 && rowBytes > bits.size() / std::size_t(height))
        return std::nullopt;

    BandBuilder bands;
    std::vector<BandBuilder::Span> spans;
    for (std::int32_t y = 0; y < height; ++y) {
        monochromeRowSpans(bits.data() + std::size_t(y) * rowBytes, width, spans);
        bands.addRow(y, spans);
    }
    return Region::fromBandedRects(bands.finish());
}

} // namespace

// Out of memory gives no region, like a bitmap that cannot be read.
std::optional<Region> BuildMaskRegion(const BitmapView& bitmap, std::uint32_t maskRgb)
{
    try {
        return maskRegion(bitmap, maskRgb);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::optional<Region> BuildMonochromeRegion(std::span<const std::uint8_t> bits, std::int32_t width,
                                            std::int32_t height, std::int32_t rowAlignment)
{
    try {
        return monochromeRegion(bits, width, height, rowAlignment);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::optional<Region> BuildMetafileRegion(const platform::MetafileRenderer& renderer,
                                          std::span<const std::uint8_t> metafile,
                                          platform::MetafileFormat format, std::int32_t width,
                                          std::int32_t height)
{
    if (width < 0 || height < 0)
        return std::nullopt;
    if (width == 0 || height == 0)
        return Region();
    const std::optional<platform::MonochromeImage> onBlack =
        renderer.render(metafile, format, width, height, platform::MonochromeFill::Black);
    const std::optional<platform::MonochromeImage> onWhite =
        renderer.render(metafile, format, width, height, platform::MonochromeFill::White);
    if (!onBlack || !onWhite)
        return std::nullopt;
    const std::size_t rowBytes = platform::MonochromeImage::wordAlignedRowBytes(width);
    const std::size_t size = rowBytes * std::size_t(height);
    for (const platform::MonochromeImage* image : {&*onBlack, &*onWhite}) {
        if (image->width != width || image->height != height || image->rowBytes != rowBytes
            || image->bits.size() < size)
            return std::nullopt;
    }
    // A pixel the picture painted looks the same on both backgrounds; one it
    // left alone shows black once and white once.
    try {
        std::vector<std::uint8_t> painted(size);
        for (std::size_t i = 0; i < size; ++i)
            painted[i] = static_cast<std::uint8_t>(~(onBlack->bits[i] ^ onWhite->bits[i]));
        return BuildMonochromeRegion(painted, width, height, 2);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace quorvex::shape
