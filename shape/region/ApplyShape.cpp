#include "shape/region/ApplyShape.h"

#include "platform/metafile/MetafileRenderer.h"
#include "shape/region/BitmapRegion.h"
#include "shape/region/ShapeRegion.h"

namespace quorvex::shape {

namespace {

void install(WindowRegionService& windows, WindowHandle window, const std::optional<Region>& region)
{
    if (region)
        windows.setWindowRegion(window, region->rects());
    else
        windows.clearWindowRegion(window);
}

void applyShapeString(const ShapeApplyRequest& request, WindowRegionService& windows)
{
    const std::optional<Region>* base = request.baseRegion;
    if (!base || !*base || !request.parsedShape) {
        windows.clearWindowRegion(request.window);
        return;
    }
    double scaleX = request.scaleX;
    double scaleY = request.scaleY;
    if (request.autoScale) {
        const std::optional<Rect> window = windows.windowRect(request.window);
        if (!window)
            return;
        const Rect box = (*base)->boundingBox();
        // An empty outline has no size to stretch; the window is better left
        // plain than divided by zero.
        if (box.width() <= 0 || box.height() <= 0) {
            windows.clearWindowRegion(request.window);
            return;
        }
        scaleX = double(window->width()) / double(box.width());
        scaleY = double(window->height()) / double(box.height());
    }
    // Re-rasterised at the new scale rather than stretched, so arcs stay round.
    install(windows, request.window,
            BuildShapeRegion(*request.parsedShape, scaleX, scaleY, FillRule::Alternate, CombineMode::Xor));
}

void applyBitmap(const ShapeApplyRequest& request, WindowRegionService& windows)
{
    const std::optional<Region>* base = request.baseRegion;
    if (!base || !*base) {
        windows.clearWindowRegion(request.window);
        return;
    }
    double scaleX = request.scaleX;
    double scaleY = request.scaleY;
    if (request.autoScale) {
        const std::optional<Rect> window = windows.windowRect(request.window);
        if (!window)
            return;
        // The far edges, not the box size: a bitmap's transparent margin at the
        // left or top counts as part of the picture.
        const Rect box = (*base)->boundingBox();
        if (box.right <= 0 || box.bottom <= 0) {
            windows.clearWindowRegion(request.window);
            return;
        }
        scaleX = double(window->width()) / double(box.right);
        scaleY = double(window->height()) / double(box.bottom);
    }
    Region working = **base;
    if (scaleX != 1.0 || scaleY != 1.0)
        ScaleRegion(working, 0, 0, scaleX, scaleY);
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

void ApplyShape(const ShapeApplyRequest& request, WindowRegionService& windows,
                const platform::MetafileRenderer* renderer)
{
    if (request.window == 0)
        return;
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

} // namespace quorvex::shape
