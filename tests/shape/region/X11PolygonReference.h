#pragma once

#include "shape/region/Region.h"

#include <span>

namespace quorvex::shape::testing {

// The region X11's own polygon rasteriser gives for the same vertices,
// converted to our type. Vertices must fit in 16 bits.
Region x11PolygonRegion(std::span<const Point> points, FillRule rule);

} // namespace quorvex::shape::testing
