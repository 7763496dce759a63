#pragma once

#include "shape/region/Region.h"
#include "shape/region/ShapeString.h"

#include <cstdint>
#include <optional>
#include <span>

namespace quorvex::shape {

// Steps (WorkBudget) one shape outline may take. A few hundred milliseconds
// at most on a slow machine; the outlines of real windows, even detailed
// ones at 4K, need a small fraction of it.
inline constexpr std::uint64_t kShapeWorkLimit = 8'000'000;

// Pixels around a window that its outline still covers, so that a window
// grown by a few pixels before it is shaped again shows no straight cut.
inline constexpr std::int32_t kWindowMargin = 64;

// Where an outline is rasterised and how much work it may take.
struct RasterLimits {
    Rect clip = kRasterCanvas;
    std::uint64_t work = kShapeWorkLimit;
};

// A window's own area, (0, 0, width, height) in window coordinates, grown by
// kWindowMargin on every side and kept within kRasterCanvas.
RasterLimits RasterLimitsForWindow(std::int64_t width, std::int64_t height);

// The region of one figure: the polygon through its vertices (scaled and
// truncated towards zero), with every arc's cap (or, for a full turn, its
// whole disc) combined in: exclusive-or under Alternate, union under Winding.
// Null when the figure needs more work than `limits` allow.
std::optional<Region> BuildFigureRegion(std::span<const ShapeRecord> records, FillRule rule,
                                        double scaleX, double scaleY, const RasterLimits& limits = {});

// All figures combined with `mode`, within limits.clip; null when there is no
// figure or no figure gives a region. A shape that needs more work than
// limits.work is refused as a whole (null, like a text without figures):
// part of an outline would be a wrong outline.
std::optional<Region> BuildShapeRegion(const ParsedShape& shape, double scaleX, double scaleY,
                                       FillRule rule, CombineMode mode, const RasterLimits& limits = {});

// Each rectangle is moved so that the bounding box starts at (offsetX,
// offsetY), then scaled; edges are truncated towards zero. Negative factors
// mirror the rectangles, which are normalised rather than dropped.
void ScaleRegion(Region& region, std::int32_t offsetX, std::int32_t offsetY, double scaleX,
                 double scaleY);

// An independent copy; null stays null.
std::optional<Region> CopyRegion(const std::optional<Region>& source);

// Converts a computed coordinate to an integer by truncation towards zero,
// saturating at +-kCoordinateLimit; NaN becomes 0.
std::int32_t TruncateCoordinate(double value);

} // namespace quorvex::shape
