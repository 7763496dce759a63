#include "launcher/controls/Twips.h"

#include <gtest/gtest.h>

namespace controls {
namespace {

TEST(Twips, PixelsTakeTheWholePartTowardsMinusInfinity)
{
    struct Case {
        double twips;
        int pixels;
    };
    const Case cases[] = {
        {0, 0}, {14, 0}, {15, 1}, {1234, 82}, {15360, 1024}, {-1, -1}, {-15, -1}, {-16, -2}, {37.5, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pixelsFromTwipsX(c.twips), c.pixels) << c.twips;
        EXPECT_EQ(pixelsFromTwipsY(c.twips), c.pixels) << c.twips;
    }
}

TEST(Twips, PixelRectKeepsEveryEdgeInWholePixels)
{
    EXPECT_EQ(pixelRectFromTwips(1234, 150, 4515, 749), QRect(82, 10, 301, 49));
}

} // namespace
} // namespace controls
