#include "launcher/skin/WindowPlacement.h"

#include <cmath>

namespace launcher {

namespace {

long place(int code, long screenTwips, long windowTwips, long current)
{
    switch (code) {
    case 1:
        return 0;
    case 2:
        return screenTwips - windowTwips;
    case 3:
        return static_cast<long>(std::floor((screenTwips - windowTwips) / 2.0));
    default:
        return current;
    }
}

} // namespace

TwipsPoint PlaceWindow(int positionX, int positionY, long screenWidthTwips, long screenHeightTwips,
                       long windowWidthTwips, long windowHeightTwips, TwipsPoint current)
{
    return {place(positionX, screenWidthTwips, windowWidthTwips, current.left),
            place(positionY, screenHeightTwips, windowHeightTwips, current.top)};
}

} // namespace launcher
