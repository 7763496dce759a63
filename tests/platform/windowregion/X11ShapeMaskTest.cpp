#include "platform/windowregion/X11ShapeMask.h"

#include <gtest/gtest.h>

using quorvex::platform::X11ShapeMask;

// The shape mask is drawn in the X server's device pixels. Scaled there, the
// rectangles of an outline must cover exactly the scaled area: no gap and no
// overlap where two of them touch, at whole and fractional ratios alike.
TEST(X11ShapeMask, ScaledRectanglesStillTileTheOutline)
{
    // Three rectangles side by side and one below them, touching.
    const QRect row[] = {{0, 0, 3, 1}, {3, 0, 1, 1}, {4, 0, 5, 1}, {0, 1, 9, 2}};
    for (double ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        int covered = 0;
        for (size_t i = 0; i < std::size(row); ++i) {
            const QRect scaled = X11ShapeMask::toDevicePixels(row[i], ratio);
            covered += scaled.width() * scaled.height();
            if (i > 0 && i < 3)
                EXPECT_EQ(scaled.left(), X11ShapeMask::toDevicePixels(row[i - 1], ratio).right() + 1) << ratio;
        }
        const QRect whole = X11ShapeMask::toDevicePixels(QRect(0, 0, 9, 3), ratio);
        EXPECT_EQ(covered, whole.width() * whole.height()) << ratio;
    }
    EXPECT_EQ(X11ShapeMask::toDevicePixels(QRect(5, 7, 10, 3), 2.0), QRect(10, 14, 20, 6));
    EXPECT_EQ(X11ShapeMask::toDevicePixels(QRect(-4, 2, 3, 1), 2.0), QRect(-8, 4, 6, 2));
}
