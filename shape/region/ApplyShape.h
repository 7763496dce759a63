#pragma once

#include "shape/region/Region.h"
#include "shape/region/ShapeString.h"
#include "shape/region/WindowRegionService.h"

#include <cstdint>
#include <optional>
#include <span>

namespace quorvex::platform {
class MetafileRenderer;
}

namespace quorvex::shape {

// Picture kinds as picture objects report them.
enum class PictureKind : std::int16_t {
    None = 0,
    Bitmap = 1,
    Metafile = 2, // old-style 16-bit metafile
    Icon = 3,
    EnhancedMetafile = 4,
};

// A snapshot of the shape control's properties and regions; the control owns
// everything the pointers and spans refer to.
struct ShapeApplyRequest {
    WindowHandle window = 0;
    std::int16_t shapeType = 0; // 0 shape string, 1 picture, anything else none
    const ParsedShape* parsedShape = nullptr;
    const std::optional<Region>* baseRegion = nullptr;
    bool autoScale = true;
    double scaleX = 1.0;
    double scaleY = 1.0;
    PictureKind pictureKind = PictureKind::None;
    std::span<const std::uint8_t> metafileBytes; // for the two metafile kinds
};

// Installs on request.window the region the properties describe. The window's
// region is removed for a null base region, for ShapeType other than 0 and 1,
// and under AutoScale for an outline without width or height (nothing to
// scale by). The window is left alone when there is no window, no picture, an
// icon, a metafile that cannot be drawn, or a window whose size is unknown.
// `renderer` may be null, in which case metafiles leave the window alone.
void ApplyShape(const ShapeApplyRequest& request, WindowRegionService& windows,
                const platform::MetafileRenderer* renderer);

} // namespace quorvex::shape
