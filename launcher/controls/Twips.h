#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>

namespace controls {

// The launcher computes positions and sizes in twips, as its skin arithmetic
// was designed for; widgets live in logical pixels. One logical pixel is 15
// twips in both directions, whatever the screen's real density, so a skin laid
// out in pixels keeps its exact layout.
inline constexpr int kTwipsPerPixelX = 15;
inline constexpr int kTwipsPerPixelY = 15;

// Pixels from twips take the whole part towards minus infinity (1234 twips
// are 82 pixels, -1 twip is pixel -1), which is how stored window positions
// are rounded.
constexpr int wholePartTowardsMinusInfinity(double value)
{
    const int truncated = static_cast<int>(value);
    return truncated > value ? truncated - 1 : truncated;
}

constexpr int pixelsFromTwipsX(double twips)
{
    return wholePartTowardsMinusInfinity(twips / kTwipsPerPixelX);
}

constexpr int pixelsFromTwipsY(double twips)
{
    return wholePartTowardsMinusInfinity(twips / kTwipsPerPixelY);
}

constexpr int twipsFromPixelsX(int pixels)
{
    return pixels * kTwipsPerPixelX;
}

constexpr int twipsFromPixelsY(int pixels)
{
    return pixels * kTwipsPerPixelY;
}

// Event coordinates keep their fraction: a pointer at 2.5 logical pixels is at
// 37.5 twips.
inline QPointF twipsFromPixels(QPointF pixels)
{
    return {pixels.x() * kTwipsPerPixelX, pixels.y() * kTwipsPerPixelY};
}

inline QRect pixelRectFromTwips(int leftTwips, int topTwips, int widthTwips, int heightTwips)
{
    return {pixelsFromTwipsX(leftTwips), pixelsFromTwipsY(topTwips),
            pixelsFromTwipsX(widthTwips), pixelsFromTwipsY(heightTwips)};
}

} // namespace controls
