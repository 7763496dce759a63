#pragma once

#include "platform/metafile/MetafileRenderer.h"

namespace quorvex::platform {

// Enhanced metafiles through libemf2svg, the SVG drawn by Qt SVG. The older
// 16-bit format is not supported and reads as undrawable.
class QtMetafileRenderer : public MetafileRenderer {
public:
    std::optional<MonochromeImage> render(std::span<const std::uint8_t> metafile, MetafileFormat format,
                                          std::int32_t width, std::int32_t height,
                                          MonochromeFill fill) const override;
};

} // namespace quorvex::platform
