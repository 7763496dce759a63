#include "launcher/window/ReleaseInside.h"

#include <cassert>
#include <climits>
#include <cmath>

namespace launcher {

int roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= INT_MIN)
        return INT_MIN;
    if (value >= INT_MAX)
        return INT_MAX;
    // The default floating-point environment rounds to nearest, ties to even.
    return static_cast<int>(std::nearbyint(value));
}

bool IsReleaseInside(float xTwips, float yTwips, int panelWidthTwips, int panelHeightTwips, int twipsPerPixelX,
                     int twipsPerPixelY)
{
    assert(twipsPerPixelX > 0 && twipsPerPixelY > 0);
    const int px = roundHalfEven(static_cast<double>(xTwips) / twipsPerPixelX);
    const int py = roundHalfEven(static_cast<double>(yTwips) / twipsPerPixelY);
    const float widthPixels = static_cast<float>(panelWidthTwips) / static_cast<float>(twipsPerPixelX);
    const float heightPixels = static_cast<float>(panelHeightTwips) / static_cast<float>(twipsPerPixelY);
    return px >= 0 && py >= 0 && static_cast<float>(px) <= widthPixels && static_cast<float>(py) <= heightPixels;
}

} // namespace launcher
