#include "platform/windowregion/X11ShapeMask.h"

#include <QGuiApplication>

#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace quorvex::platform {

namespace {

// X coordinates and sizes are 16-bit.
constexpr int kLargestPixmapSide = 32767;
// Rectangles filled per request: 64 KB, far below any server's limit.
constexpr std::size_t kRectanglesPerRequest = 8192;

xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

QRect boundsOf(std::span<const QRect> rects)
{
    QRect bounds;
    for (const QRect& r : rects)
        bounds |= r;
    return bounds;
}

int scaledEdge(int edge, double ratio)
{
    return static_cast<int>(std::lround(edge * ratio));
}

} // namespace

QRect X11ShapeMask::toDevicePixels(const QRect& rect, double devicePixelRatio)
{
    if (devicePixelRatio == 1.0)
        return rect;
    const int left = scaledEdge(rect.left(), devicePixelRatio);
    const int top = scaledEdge(rect.top(), devicePixelRatio);
    return {left, top, scaledEdge(rect.left() + rect.width(), devicePixelRatio) - left,
            scaledEdge(rect.top() + rect.height(), devicePixelRatio) - top};
}

bool X11ShapeMask::install(std::uint32_t window, std::span<const QRect> logicalRects, double devicePixelRatio)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || window == 0)
        return false;
    const xcb_query_extension_reply_t* shape = xcb_get_extension_data(connection, &xcb_shape_id);
    if (!shape || !shape->present)
        return false;
    std::vector<QRect> rects;
    rects.reserve(logicalRects.size());
    for (const QRect& r : logicalRects)
        rects.push_back(toDevicePixels(r, devicePixelRatio));

    // The mask covers the outline's bounding box and is placed at its corner:
    // pixels beyond it are outside the outline anyway.
    const QRect bounds = boundsOf(rects);
    if (bounds.isEmpty())
        return false;
    const int width = std::min(bounds.width(), kLargestPixmapSide);
    const int height = std::min(bounds.height(), kLargestPixmapSide);

    const xcb_pixmap_t mask = xcb_generate_id(connection);
    xcb_create_pixmap(connection, 1, mask, window, static_cast<std::uint16_t>(width),
                      static_cast<std::uint16_t>(height));
    const xcb_gcontext_t gc = xcb_generate_id(connection);
    std::uint32_t foreground = 0;
    xcb_create_gc(connection, gc, mask, XCB_GC_FOREGROUND, &foreground);
    const xcb_rectangle_t all{0, 0, static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height)};
    xcb_poly_fill_rectangle(connection, mask, gc, 1, &all);

    foreground = 1;
    xcb_change_gc(connection, gc, XCB_GC_FOREGROUND, &foreground);
    const QRect inMask(0, 0, width, height);
    std::vector<xcb_rectangle_t> batch;
    batch.reserve(std::min(rects.size(), kRectanglesPerRequest));
    auto flushBatch = [&] {
        if (!batch.empty())
            xcb_poly_fill_rectangle(connection, mask, gc, static_cast<std::uint32_t>(batch.size()), batch.data());
        batch.clear();
    };
    for (const QRect& r : rects) {
        const QRect cell = r.translated(-bounds.topLeft()) & inMask;
        if (cell.isEmpty())
            continue;
        batch.push_back(xcb_rectangle_t{static_cast<std::int16_t>(cell.x()), static_cast<std::int16_t>(cell.y()),
                                        static_cast<std::uint16_t>(cell.width()),
                                        static_cast<std::uint16_t>(cell.height())});
        if (batch.size() == kRectanglesPerRequest)
            flushBatch();
    }
    flushBatch();

    xcb_shape_mask(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, window,
                   static_cast<std::int16_t>(std::clamp(bounds.x(), -32768, 32767)),
                   static_cast<std::int16_t>(std::clamp(bounds.y(), -32768, 32767)), mask);
    xcb_free_gc(connection, gc);
    xcb_free_pixmap(connection, mask);
    xcb_flush(connection);
    return true;
}

} // namespace quorvex::platform
