#include "platform/files/FileLock.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using platform::FileLock;
using namespace std::chrono_literals;

TEST(FileLock, WritersExcludeEveryoneAndReadersOnlyWriters)
{
    testsupport::TempFolder folder;
    const auto file = folder.path() / "s.ini";
    const struct {
        FileLock::Mode first, second;
        bool bothHeld;
    } cases[] = {
        {FileLock::Mode::Shared, FileLock::Mode::Shared, true},
        {FileLock::Mode::Shared, FileLock::Mode::Exclusive, false},
        {FileLock::Mode::Exclusive, FileLock::Mode::Shared, false},
        {FileLock::Mode::Exclusive, FileLock::Mode::Exclusive, false},
    };
    for (const auto& c : cases) {
        FileLock first(file, c.first);
        ASSERT_TRUE(first.held());
        FileLock second(file, c.second, 50ms);
        EXPECT_EQ(second.held(), c.bothHeld);
        EXPECT_EQ(second.busy(), !c.bothHeld);
    }
}

TEST(FileLock, AWaiterGetsTheLockWhenItIsReleased)
{
    testsupport::TempFolder folder;
    const auto file = folder.path() / "s.ini";
    auto first = std::make_unique<FileLock>(file, FileLock::Mode::Exclusive);
    std::thread release([&] {
        std::this_thread::sleep_for(100ms);
        first.reset();
    });
    FileLock second(file, FileLock::Mode::Exclusive, 10s);
    release.join();
    EXPECT_TRUE(second.held());
}

TEST(FileLock, AWaiterThatGaveUpDoesNotKeepTheLock)
{
    testsupport::TempFolder folder;
    const auto file = folder.path() / "s.ini";
    {
        FileLock holder(file, FileLock::Mode::Exclusive);
        FileLock impatient(file, FileLock::Mode::Exclusive, 20ms);
        EXPECT_FALSE(impatient.held());
    }
    // The abandoned wait may get the lock after the holder is gone; it must
    // let go of it at once.
    FileLock later(file, FileLock::Mode::Exclusive, 5s);
    EXPECT_TRUE(later.held());
}

} // namespace
