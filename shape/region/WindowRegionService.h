#pragma once

#include "shape/region/Rect.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvex::shape {

// An X11 window id, 0 for none.
using WindowHandle = std::uint32_t;

// What shaping needs from the window system. Kept to plain rectangles so the
// geometry stays free of the toolkit.
class WindowRegionService {
public:
    virtual ~WindowRegionService() = default;

    // The window's outer rectangle in pixels, frame included; nullopt when the
    // window is unknown.
    virtual std::optional<Rect> windowRect(WindowHandle window) const = 0;

    // Clips the window to the union of `rects` (window coordinates) and
    // repaints it. An empty list makes the window invisible but keeps it.
    virtual void setWindowRegion(WindowHandle window, const std::vector<Rect>& rects) = 0;

    // Removes any clipping: the window is rectangular again.
    virtual void clearWindowRegion(WindowHandle window) = 0;
};

} // namespace quorvex::shape
