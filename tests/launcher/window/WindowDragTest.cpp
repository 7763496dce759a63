#include "launcher/window/WindowDrag.h"

#include <gtest/gtest.h>

#include <vector>

namespace launcher {
namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kCtrl = 2;

// A 200 x 100 pixel window on a 1024 x 768 screen, dragged by its background:
// the harness turns screen pixels into twips and moves the window where the
// drag says, unless the window system refuses the moves.
class DragHarness {
public:
    DragHarness(int leftPx, int topPx)
    {
        m_frame.leftTwips = static_cast<float>(leftPx * 15);
        m_frame.topTwips = topPx * 15;
        m_frame.widthTwips = 200 * 15;
        m_frame.heightTwips = 100 * 15;
        m_frame.screenWidthTwips = 1024 * 15;
        m_frame.screenHeightTwips = 768 * 15;
    }

    void press(int screenXPx, int screenYPx, int button = kLeft)
    {
        m_drag.press(button, m_frame, twips(screenXPx), twips(screenYPx));
    }
    // Whether the drag asked for a move; the window takes it unless refused.
    bool moveTo(int screenXPx, int screenYPx, int shift = 0)
    {
        const auto moved = m_drag.move(shift, m_frame, twips(screenXPx), twips(screenYPx));
        if (moved && !m_refusing) {
            m_frame.leftTwips = moved->leftTwips;
            m_frame.topTwips = moved->topTwips;
        }
        if (moved)
            m_asked = *moved;
        return moved.has_value();
    }
    bool release(int button = kLeft) { return m_drag.release(button); }
    void refuseMoves() { m_refusing = true; }
    DragPosition asked() const { return m_asked; }

    float leftPx() const { return m_frame.leftTwips / 15; }
    float topPx() const { return static_cast<float>(m_frame.topTwips) / 15; }
    DragFrame& frame() { return m_frame; }
    const WindowDrag& drag() const { return m_drag; }

private:
    static float twips(int px) { return static_cast<float>(px * 15); }

    DragFrame m_frame;
    WindowDrag m_drag;
    bool m_refusing = false;
    DragPosition m_asked;
};

TEST(WindowDragTest, FollowsThePointerAwayFromTheEdges)
{
    DragHarness window(300, 300);
    window.press(350, 350);
    EXPECT_TRUE(window.drag().isMoving());
    ASSERT_TRUE(window.moveTo(380, 320));
    EXPECT_EQ(window.leftPx(), 330);
    EXPECT_EQ(window.topPx(), 270);
    ASSERT_TRUE(window.moveTo(340, 360));
    EXPECT_EQ(window.leftPx(), 290);
    EXPECT_EQ(window.topPx(), 310);
}

TEST(WindowDragTest, SnapsFlushRightAndStaysWhileThePointerGoesOnRight)
{
    DragHarness window(800, 300);
    window.press(850, 350);
    std::vector<float> lefts;
    for (int step = 1; step <= 40; ++step) {
        ASSERT_TRUE(window.moveTo(850 + step, 350));
        lefts.push_back(window.leftPx());
    }
    // Free up to 813 (right edge 11 pixels short); at 814 it is within ten
    // pixels and jumps to 824, flush with the screen's 1024.
    EXPECT_EQ(lefts[12], 813);
    for (std::size_t i = 13; i < lefts.size(); ++i)
        EXPECT_EQ(lefts[i], 824) << "step " << i + 1;

    // Coming back left lets go once the pointer is left of where it was
    // caught, and the window follows the pointer again.
    ASSERT_TRUE(window.moveTo(870, 350));
    EXPECT_EQ(window.leftPx(), 824) << "still right of the catch point";
    ASSERT_TRUE(window.moveTo(860, 350));
    EXPECT_EQ(window.leftPx(), 810);
}

TEST(WindowDragTest, SnapsWhateverTheSizeOfTheSteps)
{
    DragHarness window(800, 300);
    window.press(850, 350);
    ASSERT_TRUE(window.moveTo(860, 350)); // a long step, then shorter ones
    EXPECT_EQ(window.leftPx(), 810);
    ASSERT_TRUE(window.moveTo(865, 350));
    EXPECT_EQ(window.leftPx(), 824);
    ASSERT_TRUE(window.moveTo(866, 350));
    EXPECT_EQ(window.leftPx(), 824);
}

TEST(WindowDragTest, CtrlNeverSnapsAndCanLeaveTheScreen)
{
    DragHarness window(800, 300);
    window.press(850, 350);
    for (int step = 1; step <= 100; ++step) {
        ASSERT_TRUE(window.moveTo(850 + step, 350, kCtrl));
        ASSERT_EQ(window.leftPx(), 800 + step);
    }
    EXPECT_GT(window.leftPx() + 200, 1024);
}

TEST(WindowDragTest, NotHeldAtTheLeftEdgeWhenDraggedRight)
{
    DragHarness window(0, 300);
    window.press(50, 350);
    ASSERT_TRUE(window.moveTo(51, 350));
    EXPECT_EQ(window.leftPx(), 1);
    ASSERT_TRUE(window.moveTo(55, 350));
    EXPECT_EQ(window.leftPx(), 5);
}

TEST(WindowDragTest, SnapsToEachEdgeInItsDirection)
{
    struct Case {
        const char* name;
        int startLeft;
        int startTop;
        int dx;
        int dy;
        float left;
        float top;
    };
    const Case cases[] = {
        {"left", 20, 300, -11, 0, 0, 300},
        {"left, not yet", 20, 300, -9, 0, 11, 300},
        {"top", 300, 20, 0, -11, 300, 0},
        {"bottom", 300, 650, 0, 9, 300, 668},
        {"bottom, not yet", 300, 650, 0, 7, 300, 657},
        {"top left corner", 15, 15, -6, -6, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DragHarness window(c.startLeft, c.startTop);
        window.press(c.startLeft + 50, c.startTop + 50);
        // One pixel at a time, as a real pointer moves.
        const int steps = std::max(std::abs(c.dx), std::abs(c.dy));
        for (int i = 1; i <= steps; ++i)
            ASSERT_TRUE(window.moveTo(c.startLeft + 50 + c.dx * i / steps, c.startTop + 50 + c.dy * i / steps));
        EXPECT_EQ(window.leftPx(), c.left);
        EXPECT_EQ(window.topPx(), c.top);
    }
}

TEST(WindowDragTest, SnapDistanceUsesTheHorizontalFactorForEveryEdge)
{
    // 10 twips per pixel across, 20 down: ten pixels are 100 twips, also for
    // the top edge, whose pixels are 20 twips high.
    const DragFrame frame{5000, 150, 3000, 1500, 100000, 100000};
    for (const auto& [pointerY, top] : {std::pair{210.0f, 110}, std::pair{199.0f, 0}}) {
        WindowDrag drag(10);
        drag.press(kLeft, frame, 5100, 250);
        const auto moved = drag.move(0, frame, 5100, pointerY);
        ASSERT_TRUE(moved);
        EXPECT_EQ(moved->topTwips, top) << pointerY;
    }
}

TEST(WindowDragTest, OnlyTheLeftButtonDrags)
{
    DragHarness window(300, 300);
    window.press(350, 350, kRight);
    EXPECT_FALSE(window.drag().isMoving());
    EXPECT_FALSE(window.moveTo(400, 400));
    EXPECT_EQ(window.leftPx(), 300);
}

TEST(WindowDragTest, OnlyAReleaseOfAnotherButtonAsksForTheSplash)
{
    for (const auto& [button, splash] : {std::pair{kLeft, false}, std::pair{kRight, true}}) {
        DragHarness window(321, 123);
        window.press(400, 200, button);
        EXPECT_EQ(window.release(button), splash) << button;
        EXPECT_FALSE(window.drag().isMoving());
        EXPECT_FALSE(window.moveTo(500, 500)) << "a released drag must not move the window";
    }
}

// A window system that refuses the program's moves leaves the window where it
// was; the drag must keep following the pointer from the press, not add each
// step to a position the window never reached.
TEST(WindowDragTest, RefusedMovesDoNotAddUpTheError)
{
    DragHarness window(300, 300);
    window.refuseMoves();
    window.press(350, 350);
    for (int step = 1; step <= 20; ++step)
        ASSERT_TRUE(window.moveTo(350 - 10 * step, 350 + 5 * step, kCtrl));
    EXPECT_EQ(window.asked(), (DragPosition{100 * 15, 400 * 15}));
    EXPECT_EQ(window.leftPx(), 300);
}

} // namespace
} // namespace launcher
