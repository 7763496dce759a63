#include "launcher/window/KeepOnScreen.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace launcher {
namespace {

const PixelRect kSmallScreen{0, 0, 1024, 768};
// A second monitor to the right of the first, taller and offset downwards.
const std::vector<PixelRect> kTwoScreens{{0, 0, 1024, 768}, {1024, -100, 1280, 1024}};

struct Case {
    std::string name;
    PixelRect window;
    std::vector<PixelRect> screens;
    PixelPoint expected;
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

class KeepOnScreenTest : public testing::TestWithParam<Case> {};

TEST_P(KeepOnScreenTest, MovesOnlyWhatCannotBeReached)
{
    const Case& c = GetParam();
    EXPECT_EQ(KeepOnScreen(c.window, c.screens), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeepOnScreenTest,
    testing::Values(
        Case{"Inside", {100, 200, 300, 150}, {kSmallScreen}, {100, 200}},
        Case{"TopLeftCorner", {0, 0, 300, 150}, {kSmallScreen}, {0, 0}},
        // Partly off the edges, but 32 x 32 pixels or more still show.
        Case{"MostlyOffLeftKeeps32", {-268, 10, 300, 150}, {kSmallScreen}, {-268, 10}},
        Case{"MostlyOffBottomKeeps32", {10, 736, 300, 150}, {kSmallScreen}, {10, 736}},
        Case{"OffLeftBeyond32", {-269, 10, 300, 150}, {kSmallScreen}, {0, 10}},
        Case{"OffRightBeyond32", {1000, 10, 300, 150}, {kSmallScreen}, {724, 10}},
        Case{"OffTopBeyond32", {10, -119, 300, 150}, {kSmallScreen}, {10, 0}},
        // A position stored on a larger screen ends in the nearest corner.
        Case{"FarBeyondBottomRight", {3000, 2000, 300, 150}, {kSmallScreen}, {724, 618}},
        Case{"FarBeyondTopLeft", {-5000, -5000, 300, 150}, {kSmallScreen}, {0, 0}},
        // A shaded window thinner than 32 pixels counts as shown when all of
        // its height is.
        Case{"ThinStripOnScreen", {10, 750, 300, 18}, {kSmallScreen}, {10, 750}},
        Case{"ThinStripHalfOff", {10, 759, 300, 18}, {kSmallScreen}, {10, 750}},
        Case{"LargerThanScreenPartlyShown", {500, 400, 1100, 900}, {kSmallScreen}, {500, 400}},
        Case{"LargerThanScreenCorner", {1000, 750, 1100, 900}, {kSmallScreen}, {0, 0}},
        // Two monitors: a window on the second one stays; one left over from
        // a monitor unplugged on the right goes to the right edge of the
        // nearer one; one in the gap below the first screen goes up onto it.
        Case{"OnSecondMonitor", {2000, -90, 200, 100}, kTwoScreens, {2000, -90}},
        Case{"StraddlingBothMonitors", {1000, 300, 200, 100}, kTwoScreens, {1000, 300}},
        Case{"BeyondSecondMonitor", {2400, 100, 200, 100}, kTwoScreens, {2104, 100}},
        Case{"BelowTheFirstMonitorOnly", {300, 900, 200, 100}, kTwoScreens, {300, 668}},
        Case{"UnpluggedSecondMonitor", {2000, -90, 200, 100}, {kSmallScreen}, {824, 0}},
        Case{"NoScreens", {3000, 2000, 300, 150}, {}, {3000, 2000}},
        Case{"EmptyScreensIgnored", {3000, 2000, 300, 150}, {{0, 0, 0, 0}, kSmallScreen}, {724, 618}}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

} // namespace
} // namespace launcher
