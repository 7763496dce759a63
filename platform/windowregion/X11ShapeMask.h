#pragma once

#include <QRect>

#include <cstdint>
#include <span>

namespace quorvex::platform {

// Installs a window's outline as a 1-bit mask through the X shape extension.
// Qt sends an outline to the X server as one list of rectangles, and a list
// longer than one request can hold (about 32,000 rectangles) leaves the
// window with an empty outline: the window vanishes. A mask costs the same
// whatever the number of rectangles.
class X11ShapeMask {
public:
    // Outlines with more rectangles than this go through a mask.
    static constexpr std::size_t kLargestRectangleList = 16'384;

    // Clips the X window `window` of this process to the union of `rects`
    // (the window's own coordinates, in Qt's logical pixels; the X server
    // counts device pixels, `devicePixelRatio` of them per logical pixel).
    // False when there is no X11 connection or no shape extension; nothing
    // is changed then.
    static bool install(std::uint32_t window, std::span<const QRect> rects, double devicePixelRatio = 1.0);

    // A rectangle in logical pixels as the device pixels it covers. Edges are
    // scaled one by one, so rectangles that touch still touch at any ratio.
    static QRect toDevicePixels(const QRect& rect, double devicePixelRatio);
};

} // namespace quorvex::platform
