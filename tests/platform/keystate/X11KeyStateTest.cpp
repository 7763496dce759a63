#include "platform/keystate/X11KeyState.h"
#include "platform/keystate/X11Keysyms.h"

#include <X11/keysym.h>

#include <gtest/gtest.h>

namespace quorvex::platform {
namespace {

TEST(X11KeyStateTest, NoDisplayReportsEveryKeyUp)
{
    testing::internal::CaptureStderr();
    X11KeyState first(":4711.0");
    X11KeyState second(":4711.0");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(first.isConnected());
    EXPECT_NE(said.find("display"), std::string::npos);
    EXPECT_EQ(said.find("display"), said.rfind("display")) << "said more than once: " << said;
    for (int key : {1, 16, 27, 145, -3, 100000})
        EXPECT_EQ(first.asyncKeyState(key), 0) << key;
}

TEST(X11KeyStateTest, KeysymTable)
{
    struct Case {
        int virtualKey;
        std::vector<unsigned long> keysyms;
    };
    const Case cases[] = {
        {vk::kA, {XK_a}},
        {vk::kA + 25, {XK_z}},
        {vk::k0 + 9, {XK_9}},
        {vk::kNumpad0 + 5, {XK_KP_5}},
        {vk::kF1, {XK_F1}},
        {vk::kF1 + 15, {XK_F16}},
        {vk::kShift, {XK_Shift_L, XK_Shift_R}},
        {vk::kControl, {XK_Control_L, XK_Control_R}},
        {vk::kMenu, {XK_Alt_L, XK_Alt_R}},
        {vk::kScroll, {XK_Scroll_Lock}},
        {vk::kNumLock, {XK_Num_Lock}},
        {vk::kReturn, {XK_Return, XK_KP_Enter}},
        {vk::kLButton, {}},
        {91, {}},
        {-1, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keysymsForVirtualKey(c.virtualKey), c.keysyms) << c.virtualKey;
}

} // namespace
} // namespace quorvex::platform
