#pragma once

namespace launcher {

// Converts to the nearest whole number with halves going to the even
// neighbour (2.5 -> 2, 3.5 -> 4), as the launcher's coordinate arithmetic
// has always rounded. Values beyond the int range are clamped to it and a
// NaN gives 0, so absurd event coordinates cannot overflow.
int roundHalfEven(double value);

// Whether a release at (xTwips, yTwips), relative to a launch button, counts
// as inside it. The point is rounded to whole pixels, the button's size is
// not: its pixel width is the single-precision quotient of its twips, and the
// right and bottom edges count as inside. On a button 32 pixels (480 twips)
// wide a release at pixel column 32 is still inside, one at 33 is not.
bool IsReleaseInside(float xTwips, float yTwips, int panelWidthTwips, int panelHeightTwips,
                     int twipsPerPixelX = 15, int twipsPerPixelY = 15);

} // namespace launcher
