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
    // (the window's own coordinates). False when there is no X11 connection
    // or no shape extension; nothing is changed then.
    static bool install(std::uint32_t window, std::span<const QRect> rects);
};

} // namespace quorvex::platform
