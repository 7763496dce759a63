#include "platform/metafile/FakeMetafileRenderer.h"

#include <algorithm>

namespace quorvex::platform {

std::optional<MonochromeImage> FakeMetafileRenderer::render(std::span<const std::uint8_t> metafile,
                                                            MetafileFormat format, std::int32_t width,
                                                            std::int32_t height, MonochromeFill fill) const
{
    m_calls.push_back(Call{format, width, height, fill, metafile.size()});
    if (m_failing || width < 0 || height < 0)
        return std::nullopt;
    MonochromeImage image = MonochromeImage::filled(width, height, fill);
    for (const Paint& paint : m_paints) {
        for (std::int32_t y = std::max(paint.top, 0); y < std::min(paint.bottom, height); ++y) {
            for (std::int32_t x = std::max(paint.left, 0); x < std::min(paint.right, width); ++x) {
                std::uint8_t& byte = image.bits[std::size_t(y) * image.rowBytes + std::size_t(x >> 3)];
                const auto mask = static_cast<std::uint8_t>(0x80u >> (x & 7));
                byte = paint.white ? (byte | mask) : (byte & ~mask);
            }
        }
    }
    return image;
}

} // namespace quorvex::platform
