#include "launcher/controls/PanelTestHelpers.h"
#include "launcher/controls/SkinPanel.h"

#include <QTest>

#include <gtest/gtest.h>

namespace controls {
namespace {

using testing::FilledWindow;

struct FilmLoop {
    FilledWindow window{Qt::black};
    SkinPanel* panel = new SkinPanel(&window);

    FilmLoop()
    {
        panel->setGeometryTwips(0, 0, 150, 150);
        panel->setPicture(testing::frameStrip(10, 10, {Qt::red, Qt::green, Qt::blue, Qt::yellow}));
        panel->setFrameCount(4);
        panel->setFrameRate(50);
        panel->setAnimationEnabled(true);
        window.show();
    }
};

TEST(SkinPanelAnimation, TimerStepsThroughTheFramesByItself)
{
    FilmLoop loop;
    ASSERT_TRUE(loop.panel->isAnimationRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return loop.panel->currentFrame() == 3; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return loop.panel->currentFrame() == 0; }, 5000));
}

TEST(SkinPanelAnimation, TimerRunsOnlyWhenThereIsSomethingToAnimate)
{
    struct Case {
        const char* what;
        void (*change)(SkinPanel&);
    };
    const Case cases[] = {
        {"animation off", [](SkinPanel& p) { p.setAnimationEnabled(false); }},
        {"rate 0", [](SkinPanel& p) { p.setFrameRate(0); }},
        {"negative rate", [](SkinPanel& p) { p.setFrameRate(-5); }},
        {"single frame", [](SkinPanel& p) { p.setFrameCount(1); }},
        {"no picture", [](SkinPanel& p) { p.setPicture(QPixmap()); }},
        {"panel hidden", [](SkinPanel& p) { p.hide(); }},
        {"window hidden", [](SkinPanel& p) { p.parentWidget()->hide(); }},
    };
    for (const Case& c : cases) {
        FilmLoop loop;
        ASSERT_TRUE(loop.panel->isAnimationRunning()) << c.what;
        c.change(*loop.panel);
        EXPECT_FALSE(loop.panel->isAnimationRunning()) << c.what;
    }
}

TEST(SkinPanelAnimation, HidingPausesAndShowingResumesOnTheSameFrame)
{
    FilmLoop loop;
    loop.panel->setFrameRate(0);
    loop.panel->advanceFrame();
    loop.panel->advanceFrame();
    loop.panel->setFrameRate(50);

    loop.window.hide();
    EXPECT_FALSE(loop.panel->isAnimationRunning());
    EXPECT_EQ(loop.panel->currentFrame(), 2);
    loop.window.show();
    EXPECT_TRUE(loop.panel->isAnimationRunning());

    loop.panel->hide();
    loop.panel->setAnimationEnabled(true); // switching on while hidden does not start it
    EXPECT_FALSE(loop.panel->isAnimationRunning());
    loop.panel->show();
    EXPECT_TRUE(loop.panel->isAnimationRunning());
}

TEST(SkinPanelAnimation, FrameCountBelowOneReadsBackAsOne)
{
    SkinPanel panel;
    for (int count : {0, -3}) {
        panel.setFrameCount(count);
        EXPECT_EQ(panel.frameCount(), 1) << count;
    }
    panel.setFrameCount(8);
    EXPECT_EQ(panel.frameCount(), 8);
}

TEST(SkinPanelAnimation, FrameRestartsWithANewStripOrFewerFrames)
{
    FilmLoop loop;
    loop.panel->setFrameRate(0);
    loop.panel->advanceFrame();
    loop.panel->advanceFrame();
    loop.panel->advanceFrame();
    ASSERT_EQ(loop.panel->currentFrame(), 3);
    loop.panel->setFrameCount(2);
    EXPECT_EQ(loop.panel->currentFrame(), 0);

    loop.panel->advanceFrame();
    ASSERT_EQ(loop.panel->currentFrame(), 1);
    loop.panel->setPicture(testing::frameStrip(10, 10, {Qt::white, Qt::black}));
    EXPECT_EQ(loop.panel->currentFrame(), 0);
}

} // namespace
} // namespace controls
