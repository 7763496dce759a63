#include "platform/keystate/FakeKeyState.h"

#include <gtest/gtest.h>

namespace quorvex::platform {
namespace {

TEST(FakeKeyStateTest, AnswersLikeTheRealBackendAndLogsQueries)
{
    FakeKeyState keys;
    keys.hold({vk::kControl, vk::kF1});
    EXPECT_EQ(keys.asyncKeyState(vk::kF1), -32767);
    EXPECT_EQ(keys.asyncKeyState(vk::kF1), -32768);
    EXPECT_EQ(keys.asyncKeyState(vk::kMenu), 0);
    keys.release(vk::kF1);
    EXPECT_EQ(keys.asyncKeyState(vk::kF1), 0);
    EXPECT_EQ(keys.queries(), (std::vector<int>{vk::kF1, vk::kF1, vk::kMenu, vk::kF1}));
}

TEST(FakeKeyStateTest, TapShowsOnlyTheWentDownBitOnce)
{
    FakeKeyState keys;
    keys.tap(vk::kScroll);
    EXPECT_EQ(keys.asyncKeyState(vk::kScroll), 1);
    EXPECT_EQ(keys.asyncKeyState(vk::kScroll), 0);
    keys.press(vk::kScroll);
    EXPECT_EQ(keys.asyncKeyState(vk::kScroll), -32767) << "a tap must not hide the next press";
}

} // namespace
} // namespace quorvex::platform
