#include "launcher/window/SystemMoveStart.h"

#include "launcher/controls/PointerCodes.h"

#include <gtest/gtest.h>

#include <vector>

namespace launcher {
namespace {

using controls::MouseButtonCode::kLeft;
using controls::MouseButtonCode::kRight;

struct Move {
    int buttons;
    float x;
    float y;
};

struct Case {
    const char* name;
    int pressed;
    std::vector<Move> moves;
    // The index of the move that hands the drag over, or -1.
    int handedAt;
};

TEST(SystemMoveStartTest, HandsOverOnlyOnceTheHeldPointerHasGoneFarEnough)
{
    const Case cases[] = {
        {"press and release without moving", kLeft, {}, -1},
        {"a tremble within the distance", kLeft, {{kLeft, 103, 200}, {kLeft, 97, 204}, {kLeft, 104, 205}}, -1},
        {"the distance is reached", kLeft, {{kLeft, 104, 203}, {kLeft, 105, 205}, {kLeft, 130, 220}}, 1},
        {"right button drags nothing", kRight, {{kRight, 150, 250}}, -1},
        {"the button came up elsewhere", kLeft, {{0, 150, 250}, {kLeft, 160, 260}}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SystemMoveStart start(10);
        start.press(c.pressed, 100, 200);
        int handed = -1;
        for (size_t i = 0; i < c.moves.size(); ++i)
            if (start.move(c.moves[i].buttons, c.moves[i].x, c.moves[i].y)) {
                EXPECT_EQ(handed, -1) << "handed over twice";
                handed = static_cast<int>(i);
            }
        EXPECT_EQ(handed, c.handedAt);
        start.release();
        EXPECT_FALSE(start.isPending());
    }
}

TEST(SystemMoveStartTest, ReleaseEndsTheWaitAndANewPressStartsAfresh)
{
    SystemMoveStart start(10);
    start.press(kLeft, 100, 200);
    start.release();
    EXPECT_FALSE(start.move(kLeft, 300, 300));
    start.press(kLeft, 300, 300);
    EXPECT_TRUE(start.isPending());
    EXPECT_EQ(start.pressedX(), 300);
    EXPECT_FALSE(start.move(kLeft, 305, 300));
    EXPECT_TRUE(start.move(kLeft, 310, 300));
}

} // namespace
} // namespace launcher
