#pragma once

namespace launcher {

struct TwipsPoint {
    long left = 0;
    long top = 0;
};

// Where the skin's PositionX/PositionY put a window, in twips: 1 the left
// (top) screen edge, 2 the right (bottom) edge, 3 centred (the whole part of
// the half difference); any other code keeps the current coordinate.
TwipsPoint PlaceWindow(int positionX, int positionY, long screenWidthTwips, long screenHeightTwips,
                       long windowWidthTwips, long windowHeightTwips, TwipsPoint current);

} // namespace launcher
