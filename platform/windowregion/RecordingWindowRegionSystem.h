#pragma once

#include "platform/windowregion/WindowRegionSystem.h"

#include <map>
#include <vector>

namespace quorvex::platform {

// A fake for tests: windows and their rectangles are scripted, every call is
// recorded, and the region each window holds now can be inspected.
class RecordingWindowRegionSystem final : public WindowRegionSystem {
public:
    struct Call {
        enum class Kind { Set, Clear };
        Kind kind;
        RegionWindowId window;
        std::vector<RegionRect> rects; // Set only
    };

    // Makes the window known with the given outer rectangle.
    void addWindow(RegionWindowId window, RegionRect outer) { m_windows[window] = outer; }

    void setRegion(RegionWindowId window, std::span<const RegionRect> rects) override;
    void clearRegion(RegionWindowId window) override;
    std::optional<RegionRect> windowRect(RegionWindowId window) const override;

    const std::vector<Call>& calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }
    // The window's current outline: nullopt when it is rectangular (never
    // shaped or cleared), otherwise the rectangles last installed.
    std::optional<std::vector<RegionRect>> currentRegion(RegionWindowId window) const;

private:
    std::map<RegionWindowId, RegionRect> m_windows;
    std::map<RegionWindowId, std::vector<RegionRect>> m_regions;
    std::vector<Call> m_calls;
};

} // namespace quorvex::platform
