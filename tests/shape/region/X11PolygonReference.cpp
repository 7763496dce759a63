#include "X11PolygonReference.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/Xregion.h>

#include <cassert>
#include <vector>

namespace quorvex::shape::testing {

Region x11PolygonRegion(std::span<const Point> points, FillRule rule)
{
    std::vector<XPoint> xpoints;
    xpoints.reserve(points.size());
    for (const Point& p : points) {
        assert(p.x >= -32768 && p.x <= 32767 && p.y >= -32768 && p.y <= 32767);
        xpoints.push_back(XPoint{static_cast<short>(p.x), static_cast<short>(p.y)});
    }
    ::Region xregion = XPolygonRegion(xpoints.data(), static_cast<int>(xpoints.size()),
                                      rule == FillRule::Alternate ? EvenOddRule : WindingRule);
    std::vector<Rect> rects;
    // X11 does not always merge its rectangles into canonical bands, so the
    // list is compared as a pixel set after normalising it.
    for (long i = 0; i < xregion->numRects; ++i) {
        const BOX& box = xregion->rects[i];
        rects.push_back(Rect{box.x1, box.y1, box.x2, box.y2});
    }
    XDestroyRegion(xregion);
    return Region::fromRects(rects);
}

} // namespace quorvex::shape::testing
