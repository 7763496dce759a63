#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace quorvex::platform {

// An X11 window id of one of our top-level windows; 0 is no window.
using RegionWindowId = std::uint32_t;

// A half-open rectangle in window coordinates: (0, 0) is the outer top-left
// corner of the window, frame included.
struct RegionRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const RegionRect&, const RegionRect&) = default;
};

// Clips top-level windows to a set of rectangles. Once installed, the window
// keeps its outline until it is replaced or cleared; the caller keeps nothing.
class WindowRegionSystem {
public:
    virtual ~WindowRegionSystem() = default;

    // Clips the window to the union of `rects` and repaints it. An empty list
    // leaves no pixel visible, but the window stays where it is.
    virtual void setRegion(RegionWindowId window, std::span<const RegionRect> rects) = 0;
    // The window becomes rectangular again.
    virtual void clearRegion(RegionWindowId window) = 0;
    // The window's outer rectangle in screen pixels; nullopt for a window
    // that is not ours or no longer exists.
    virtual std::optional<RegionRect> windowRect(RegionWindowId window) const = 0;
};

// Does nothing and knows no window.
class NullWindowRegionSystem final : public WindowRegionSystem {
public:
    void setRegion(RegionWindowId, std::span<const RegionRect>) override { }
    void clearRegion(RegionWindowId) override { }
    std::optional<RegionRect> windowRect(RegionWindowId) const override { return std::nullopt; }
};

} // namespace quorvex::platform
