#include "launcher/window/ReleaseInside.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace launcher {
namespace {

TEST(ReleaseInsideTest, RoundsHalvesToTheEvenNeighbour)
{
    const std::pair<double, int> cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2}, {2.5001, 3}, {-7.0 / 15.0, 0},
        {1e12, INT_MAX}, {-1e12, INT_MIN}, {std::nan(""), 0},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(roundHalfEven(value), expected) << value;
}

struct ReleaseCase {
    float x;
    float y;
    int widthTwips;
    int heightTwips;
    bool inside;
};

TEST(ReleaseInsideTest, EdgesOfAThirtyTwoPixelButton)
{
    constexpr int k32 = 32 * 15;
    const ReleaseCase cases[] = {
        {0, 0, k32, k32, true},
        {32 * 15, 10 * 15, k32, k32, true},   // column 32, right of the last one: still inside
        {33 * 15, 10 * 15, k32, k32, false},  // column 33
        {10 * 15, 32 * 15, k32, k32, true},   // row 32
        {10 * 15, 33 * 15, k32, k32, false},  // row 33
        {32 * 15 + 7.5f, 0, k32, k32, true},  // 32.5 rounds to the even 32
        {32 * 15 + 8, 0, k32, k32, false},    // 32.53 rounds to 33
        {-7, 0, k32, k32, true},              // -0.47 rounds to 0
        {-8, 0, k32, k32, false},             // -0.53 rounds to -1
        {0, -15, k32, k32, false},
        // A width that is no whole number of pixels (32.47) is not rounded.
        {32 * 15, 0, k32 + 7, k32, true},
        {33 * 15, 0, k32 + 7, k32, false},
        // 32.93 pixels wide: column 33 would be inside only if the width
        // were rounded up.
        {33 * 15, 0, k32 + 14, k32, false},
        {1e9f, 0, k32, k32, false},
        {-1e9f, 0, k32, k32, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsReleaseInside(c.x, c.y, c.widthTwips, c.heightTwips), c.inside)
            << "x=" << c.x << " y=" << c.y << " width=" << c.widthTwips;
    }
}

TEST(ReleaseInsideTest, UsesEachAxisOwnFactor)
{
    // 10 twips per pixel across, 20 down: 320 x 640 twips is 32 x 32 pixels.
    EXPECT_TRUE(IsReleaseInside(320, 640, 320, 640, 10, 20));
    EXPECT_FALSE(IsReleaseInside(330, 0, 320, 640, 10, 20));
    EXPECT_FALSE(IsReleaseInside(0, 660, 320, 640, 10, 20));
}

} // namespace
} // namespace launcher
