#include "platform/keystate/KeyEdgeTracker.h"

#include <gtest/gtest.h>

namespace quorvex::platform {
namespace {

TEST(KeyEdgeTrackerTest, WentDownBitOnlyOnTheFirstDownSample)
{
    KeyEdgeTracker tracker;
    EXPECT_EQ(tracker.sample(65, false), 0);
    EXPECT_EQ(static_cast<std::uint16_t>(tracker.sample(65, true)), 0x8001);
    EXPECT_EQ(static_cast<std::uint16_t>(tracker.sample(65, true)), 0x8000);
    EXPECT_EQ(tracker.sample(65, false), 0);
    EXPECT_EQ(static_cast<std::uint16_t>(tracker.sample(65, true)), 0x8001);
}

TEST(KeyEdgeTrackerTest, EachKeyKeepsItsOwnMemory)
{
    KeyEdgeTracker tracker;
    tracker.sample(16, true);
    EXPECT_EQ(static_cast<std::uint16_t>(tracker.sample(17, true)), 0x8001);
    EXPECT_EQ(static_cast<std::uint16_t>(tracker.sample(16, true)), 0x8000);
    tracker.forget();
    EXPECT_EQ(static_cast<std::uint16_t>(tracker.sample(16, true)), 0x8001);
}

} // namespace
} // namespace quorvex::platform
