#pragma once

#include "shape/region/Region.h"

#include <string>

namespace quorvex::shape::testing {

// True when the rectangles are in canonical banded form: sorted, non-empty,
// inside the bounding box, bands sharing top and bottom, spans in a band not
// touching, and no two adjacent bands with the same spans.
bool isCanonical(const Region& region);

std::string describeRegion(const Region& region);

// Brute-force pixel membership over the bounding box of both regions.
bool samePixels(const Region& a, const Region& b);

} // namespace quorvex::shape::testing
