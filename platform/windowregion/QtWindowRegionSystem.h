#pragma once

#include "platform/windowregion/WindowRegionSystem.h"

class QRegion;

namespace quorvex::platform {

// Shapes Qt top-level windows of this process with QWidget::setMask. The
// window id is the widget's winId(); windows of other processes are unknown.
class QtWindowRegionSystem final : public WindowRegionSystem {
public:
    void setRegion(RegionWindowId window, std::span<const RegionRect> rects) override;
    void clearRegion(RegionWindowId window) override;
    std::optional<RegionRect> windowRect(RegionWindowId window) const override;

    // The rectangles as a Qt region, moved from window coordinates (frame
    // included) into the widget's own coordinates by (-frameLeft, -frameTop).
    static QRegion toQRegion(std::span<const RegionRect> rects, int frameLeft, int frameTop);
};

} // namespace quorvex::platform
