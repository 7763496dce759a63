#include "launcher/window/WindowDrag.h"

#include <gtest/gtest.h>

#include <vector>

namespace launcher {
namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kCtrl = 2;

// A 200 x 100 pixel window on a 1024 x 768 screen, dragged by its background:
// the harness turns screen pixels into the control-relative twips that the
// window's events carry, and moves the window where the drag says.
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
        m_drag.press(button, m_frame, relativeX(screenXPx), relativeY(screenYPx));
    }
    // Returns the window's left in pixels after the step.
    bool moveTo(int screenXPx, int screenYPx, int shift = 0)
    {
        const auto moved = m_drag.move(shift, m_frame, relativeX(screenXPx), relativeY(screenYPx));
        if (moved) {
            m_frame.leftTwips = moved->leftTwips;
            m_frame.topTwips = moved->topTwips;
        }
        return moved.has_value();
    }
    DragRelease release(int button = kLeft) { return m_drag.release(button, m_frame); }

    float leftPx() const { return m_frame.leftTwips / 15; }
    float topPx() const { return static_cast<float>(m_frame.topTwips) / 15; }
    DragFrame& frame() { return m_frame; }
    const WindowDrag& drag() const { return m_drag; }

private:
    float relativeX(int screenXPx) const { return static_cast<float>(screenXPx * 15) - m_frame.leftTwips; }
    float relativeY(int screenYPx) const { return static_cast<float>(screenYPx * 15 - m_frame.topTwips); }

    DragFrame m_frame;
    WindowDrag m_drag;
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
    for (const auto& [pointerY, top] : {std::pair{60.0f, 110}, std::pair{49.0f, 0}}) {
        WindowDrag drag(10, 20);
        drag.press(kLeft, frame, 100, 100);
        const auto moved = drag.move(0, frame, 100, pointerY);
        ASSERT_TRUE(moved);
        EXPECT_EQ(moved->topTwips, top) << pointerY;
    }
    WindowDrag drag(10, 20);
    const DragRelease stored = drag.release(kLeft, {1000, 1000, 0, 0, 0, 0});
    EXPECT_EQ(stored.startupLeft, 100);
    EXPECT_EQ(stored.startupTop, 50);
}

TEST(WindowDragTest, OnlyTheLeftButtonDrags)
{
    DragHarness window(300, 300);
    window.press(350, 350, kRight);
    EXPECT_FALSE(window.drag().isMoving());
    EXPECT_FALSE(window.moveTo(400, 400));
    EXPECT_EQ(window.leftPx(), 300);
}

TEST(WindowDragTest, ReleaseStoresWholePixelsTowardsMinusInfinity)
{
    struct Case {
        float leftTwips;
        int topTwips;
        int button;
        DragRelease expected;
    };
    const Case cases[] = {
        {1234, 1234, kLeft, {82, 82, false}},
        {1229.9f, 15, kLeft, {81, 1, false}},
        {-40, -1, kLeft, {-3, -1, false}},
        {4500, 3000, kRight, {300, 200, true}},
    };
    for (const auto& c : cases) {
        DragHarness window(0, 0);
        window.frame().leftTwips = c.leftTwips;
        window.frame().topTwips = c.topTwips;
        window.press(10, 10);
        const DragRelease stored = window.release(c.button);
        EXPECT_EQ(stored.startupLeft, c.expected.startupLeft) << c.leftTwips;
        EXPECT_EQ(stored.startupTop, c.expected.startupTop) << c.topTwips;
        EXPECT_EQ(stored.showSplash, c.expected.showSplash);
        EXPECT_FALSE(window.drag().isMoving());
    }
}

TEST(WindowDragTest, ClickWithoutMovingStoresTheUnchangedPosition)
{
    DragHarness window(321, 123);
    window.press(400, 200);
    const DragRelease stored = window.release();
    EXPECT_EQ(stored.startupLeft, 321);
    EXPECT_EQ(stored.startupTop, 123);
    EXPECT_FALSE(window.moveTo(500, 500)) << "a released drag must not move the window";
}

} // namespace
} // namespace launcher
