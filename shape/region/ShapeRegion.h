#pragma once

#include "shape/region/Region.h"
#include "shape/region/ShapeString.h"

#include <optional>
#include <span>

namespace quorvex::shape {

// The region of one figure: the polygon through its vertices (scaled and
// truncated towards zero), with every arc's cap (or, for a full turn, its
// whole disc) combined in: exclusive-or under Alternate, union under Winding.
std::optional<Region> BuildFigureRegion(std::span<const ShapeRecord> records, FillRule rule,
                                        double scaleX, double scaleY);

// All figures combined with `mode`; null when there is no figure or no figure
// gives a region.
std::optional<Region> BuildShapeRegion(const ParsedShape& shape, double scaleX, double scaleY,
                                       FillRule rule, CombineMode mode);

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
