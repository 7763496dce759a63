#pragma once

#include "platform/windowregion/WindowRegionSystem.h"
#include "shape/region/WindowRegionService.h"

namespace quorvex::shape {

// Lets the region geometry install outlines through the platform's window
// region service.
class WindowRegionAdapter final : public WindowRegionService {
public:
    explicit WindowRegionAdapter(platform::WindowRegionSystem& windows) : m_windows(windows) { }

    std::optional<Rect> windowRect(WindowHandle window) const override;
    void setWindowRegion(WindowHandle window, const std::vector<Rect>& rects) override;
    void clearWindowRegion(WindowHandle window) override;

private:
    platform::WindowRegionSystem& m_windows;
};

} // namespace quorvex::shape
