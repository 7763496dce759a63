#include "launcher/window/PauseWithEvents.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

using launcher::PauseWithEvents;

namespace {


} // namespace

TEST(PauseWithEvents, HandlesEventsWhileWaiting)
{
    PauseWithEvents pause;
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    pause(20);
    EXPECT_TRUE(handled);
    EXPECT_FALSE(pause.isWaiting());
}

TEST(PauseWithEvents, ANestedPauseEndsTheOuterOneAtItsOwnTick)
{
    PauseWithEvents pause;
    std::vector<std::string> order;
    // An event handled during a long pause starts a short one; the single
    // shared timer then ends both together, long before the first interval.
    QTimer::singleShot(0, [&] {
        order.push_back("inner starts");
        pause(10);
        order.push_back("inner ends");
    });
    QTimer outerDeadline;
    bool outerRanFull = false;
    outerDeadline.setSingleShot(true);
    QObject::connect(&outerDeadline, &QTimer::timeout, [&] { outerRanFull = true; });
    outerDeadline.start(5000);
    pause(10000);
    order.push_back("outer ends");
    EXPECT_FALSE(outerRanFull);
    EXPECT_EQ(order, (std::vector<std::string>{"inner starts", "inner ends", "outer ends"}));
}
