#include "launcher/window/WindowTimers.h"

#include <gtest/gtest.h>

#include <vector>

namespace launcher {
namespace {

TEST(WindowTimersTest, DwellTicksWrapAfterThirtyThousand)
{
    std::vector<int> ticks{29998};
    for (int i = 0; i < 4; ++i)
        ticks.push_back(NextDwellTicks(ticks.back()));
    EXPECT_EQ(ticks, (std::vector<int>{29998, 29999, 30000, 0, 1}));
    EXPECT_EQ(NextDwellTicks(0), 1);
    EXPECT_EQ(NextDwellTicks(-5), 0);
    EXPECT_EQ(NextDwellTicks(40000), 0);
}

TEST(WindowTimersTest, OnlyARightPressOnAFilmLoopShowsTheSplash)
{
    EXPECT_FALSE(FilmLoopPressShowsSplash(1));
    EXPECT_TRUE(FilmLoopPressShowsSplash(2));
    EXPECT_FALSE(FilmLoopPressShowsSplash(4));
    EXPECT_FALSE(FilmLoopPressShowsSplash(0));
}

} // namespace
} // namespace launcher
