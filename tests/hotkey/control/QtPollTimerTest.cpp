#include "hotkey/control/QtPollTimer.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace quorvex::hotkey {
namespace {

TEST(QtPollTimerTest, ScheduledOnlyWhenEnabledWithAPositiveInterval)
{
    static int argc = 1;
    static char name[] = "timer-test";
    static char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);

    QtPollTimer timer;
    timer.setEnabled(true);
    // A Qt timer with interval 0 would fire on every pass of the event loop.
    timer.setIntervalMs(0);
    EXPECT_FALSE(timer.isScheduled());
    timer.setIntervalMs(-20);
    EXPECT_FALSE(timer.isScheduled());
    timer.setIntervalMs(250);
    EXPECT_TRUE(timer.isScheduled());
    timer.setEnabled(false);
    EXPECT_FALSE(timer.isScheduled());
    EXPECT_EQ(timer.intervalMs(), 250);

    int ticks = 0;
    timer.setTickHandler([&] {
        ++ticks;
        application.quit();
    });
    timer.setIntervalMs(1);
    timer.setEnabled(true);
    application.exec();
    EXPECT_EQ(ticks, 1);
}

} // namespace
} // namespace quorvex::hotkey
