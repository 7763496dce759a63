#include "platform/windowregion/RecordingWindowRegionSystem.h"

#include <gtest/gtest.h>

using namespace quorvex::platform;

namespace {

TEST(RecordingWindowRegionSystemTest, TracksEachWindowsCurrentOutline)
{
    RecordingWindowRegionSystem system;
    system.addWindow(7, { 10, 10, 110, 60 });
    const RegionRect rects[] = { { 0, 0, 5, 5 } };
    system.setRegion(7, rects);
    system.setRegion(8, {});
    EXPECT_EQ(system.currentRegion(7), (std::vector<RegionRect> { { 0, 0, 5, 5 } }));
    EXPECT_EQ(system.currentRegion(8), std::vector<RegionRect> {}) << "shaped to nothing is not unshaped";
    system.clearRegion(7);
    EXPECT_EQ(system.currentRegion(7), std::nullopt);
    EXPECT_EQ(system.calls().size(), 3u);
    EXPECT_EQ(system.windowRect(7), (RegionRect { 10, 10, 110, 60 }));
    EXPECT_EQ(system.windowRect(9), std::nullopt);
}

} // namespace
