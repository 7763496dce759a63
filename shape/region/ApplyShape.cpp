#include "shape/region/ApplyShape.h"

#include "platform/metafile/MetafileRenderer.h"
#include "shape/region/BitmapRegion.h"
#include "shape/region/ShapeRegion.h"

#include <new>

namespace quorvex::shape {

namespace {

void install(WindowRegionService& windows, WindowHandle window, const std::optional<Region>& region)
{
    if (region)
        windows.setWindowRegion(window, region->rects());
    else
        windows.clearWindowRegion(window);
}

struct Scaling {
    enum class Outcome {
        Factors,
        UnknownWindow, // leave the window alone
        NoExtent,      // nothing to divide by: leave the window plain
    };
    Outcome outcome;
    double x = 1.0;
    double y = 1.0;
};

// The properties' factors, or under AutoScale the window's outer size over
// `extent` (the outline's size, or a bitmap's far edges).
Scaling scaling(const ShapeApplyRequest& request, const WindowRegionService& windows, std::int64_t extentX,
                std::int64_t extentY)
{
    if (!request.autoScale)
        return Scaling{Scaling::Outcome::Factors, request.scaleX, request.scaleY};
    const std::optional<Rect> window = windows.windowRect(request.window);
    if (!window)
        return Scaling{Scaling::Outcome::UnknownWindow};
    if (extentX <= 0 || extentY <= 0)
        return Scaling{Scaling::Outcome::NoExtent};
    return Scaling{Scaling::Outcome::Factors, double(window->width()) / double(extentX),
                   double(window->height()) / double(extentY)};
}

// Handles the two outcomes without factors; true when the caller goes on.
bool hasFactors(const Scaling& scale, const ShapeApplyRequest& request, WindowRegionService& windows)
{
    if (scale.outcome == Scaling::Outcome::NoExtent)
        windows.clearWindowRegion(request.window);
    return scale.outcome == Scaling::Outcome::Factors;
}

void applyShapeString(const ShapeApplyRequest& request, WindowRegionService& windows)
{
    const std::optional<Region>* base = request.baseRegion;
    if (!base || !*base || !request.parsedShape) {
        windows.clearWindowRegion(request.window);
        return;
    }
    const Rect box = (*base)->boundingBox();
    const Scaling scale = scaling(request, windows, box.width(), box.height());
    if (!hasFactors(scale, request, windows))
        return;
    // Re-rasterised at the new scale rather than stretched, so arcs stay round,
    // and only over the window: what lies beyond it is never seen.
    RasterLimits limits;
    if (const std::optional<Rect> window = windows.windowRect(request.window))
        limits = RasterLimitsForWindow(window->width(), window->height());
    install(windows, request.window,
            BuildShapeRegion(*request.parsedShape, scale.x, scale.y, FillRule::Alternate, CombineMode::Xor, limits));
}

void applyBitmap(const ShapeApplyRequest& request, WindowRegionService& windows)
{
    const std::optional<Region>* base = request.baseRegion;
    if (!base || !*base) {
        windows.clearWindowRegion(request.window);
        return;
    }
    // The far edges, not the box size: a bitmap's transparent margin at the
    // left or top counts as part of the picture.
    const Rect box = (*base)->boundingBox();
    const Scaling scale = scaling(request, windows, box.right, box.bottom);
    if (!hasFactors(scale, request, windows))
        return;
    Region working = **base;
    if (scale.x != 1.0 || scale.y != 1.0)
        ScaleRegion(working, 0, 0, scale.x, scale.y);
    windows.setWindowRegion(request.window, working.rects());
}

void applyMetafile(const ShapeApplyRequest& request, WindowRegionService& windows,
                   const platform::MetafileRenderer* renderer)
{
    if (!renderer)
        return;
    const std::optional<Rect> window = windows.windowRect(request.window);
    if (!window)
        return;
    const platform::MetafileFormat format = request.pictureKind == PictureKind::Metafile
                                                ? platform::MetafileFormat::Windows
                                                : platform::MetafileFormat::Enhanced;
    // The picture is always stretched over the whole window; the scale
    // properties do not apply.
    const std::optional<Region> region =
        BuildMetafileRegion(*renderer, request.metafileBytes, format,
                            static_cast<std::int32_t>(window->width()),
                            static_cast<std::int32_t>(window->height()));
    if (region)
        windows.setWindowRegion(request.window, region->rects());
}

} // namespace

namespace {

void applyShape(const ShapeApplyRequest& request, WindowRegionService& windows,
                const platform::MetafileRenderer* renderer)
{
    switch (request.shapeType) {
    case 0:
        applyShapeString(request, windows);
        return;
    case 1:
        switch (request.pictureKind) {
        case PictureKind::Bitmap:
            applyBitmap(request, windows);
            return;
        case PictureKind::Metafile:
        case PictureKind::EnhancedMetafile:
            applyMetafile(request, windows, renderer);
            return;
        case PictureKind::None:
        case PictureKind::Icon:
            return;
        }
        return;
    default:
        windows.clearWindowRegion(request.window);
        return;
    }
}

} // namespace

void ApplyShape(const ShapeApplyRequest& request, WindowRegionService& windows,
                const platform::MetafileRenderer* renderer)
{
    if (request.window == 0)
        return;
    // Called from property setters inside the event loop: running out of
    // memory for a region leaves the window as it was instead of unwinding
    // through the toolkit.
    try {
        applyShape(request, windows, renderer);
    } catch (const std::bad_alloc&) {
    }
}

} // namespace quorvex::shape
