#include "shape/control/WindowRegionAdapter.h"

namespace quorvex::shape {

std::optional<Rect> WindowRegionAdapter::windowRect(WindowHandle window) const
{
    std::optional<platform::RegionRect> outer = m_windows.windowRect(window);
    if (!outer)
        return std::nullopt;
    return Rect { outer->left, outer->top, outer->right, outer->bottom };
}

void WindowRegionAdapter::setWindowRegion(WindowHandle window, const std::vector<Rect>& rects)
{
    std::vector<platform::RegionRect> converted;
    converted.reserve(rects.size());
    for (const Rect& r : rects)
        converted.push_back({ r.left, r.top, r.right, r.bottom });
    m_windows.setRegion(window, converted);
}

void WindowRegionAdapter::clearWindowRegion(WindowHandle window)
{
    m_windows.clearRegion(window);
}

} // namespace quorvex::shape
