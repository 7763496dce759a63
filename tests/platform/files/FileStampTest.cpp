#include "platform/files/FileStamp.h"

#include <gtest/gtest.h>

namespace {

timespec secondsBefore(const timespec& t, double seconds)
{
    const long long ns = t.tv_sec * 1'000'000'000LL + t.tv_nsec - static_cast<long long>(seconds * 1e9);
    return {static_cast<time_t>(ns / 1'000'000'000LL), static_cast<long>(ns % 1'000'000'000LL)};
}

// A stamp can be trusted only when no change within its clock tick can
// follow the read: the latest of its two times must be well before it.
TEST(FileStamp, SettlesOnceBothTimesAreWellBeforeTheRead)
{
    const timespec read = platform::wallClockNow();
    const struct {
        double modifiedAgo, changedAgo;
        bool settled;
    } cases[] = {
        {0, 0, false},
        {0.01, 0.01, false},
        {1.5, 1.5, false},
        {10, 10, true},
        {10, 0.5, false}, // touched back to an old time just now
        {3, 3, true},
    };
    for (const auto& c : cases) {
        platform::FileStamp stamp;
        stamp.modified = secondsBefore(read, c.modifiedAgo);
        stamp.changed = secondsBefore(read, c.changedAgo);
        EXPECT_EQ(stamp.settledBy(read), c.settled) << c.modifiedAgo << " / " << c.changedAgo;
    }
}

} // namespace
