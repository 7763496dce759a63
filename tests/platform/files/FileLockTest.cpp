#include "platform/files/FileLock.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <dlfcn.h>
#include <filesystem>
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

size_t threadCount()
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/task"),
                                             std::filesystem::directory_iterator()));
}

// A library that waited for a lock may be unloaded as soon as its call
// returns; the thread it waited with must not run its code afterwards. Run
// in a child process, as a failure is a crash.
TEST(FileLock, AnAbandonedWaitOutlivesTheLibraryThatStarted)
{
    testsupport::TempFolder folder;
    const std::string file = (folder.path() / "s.ini").string();
    // Earlier tests leave abandoned waits running: fork() would copy them.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const size_t threadsBefore = threadCount();
            auto holder = std::make_unique<FileLock>(file, FileLock::Mode::Exclusive);
            void* probe = dlopen(FILE_LOCK_PROBE, RTLD_NOW | RTLD_LOCAL);
            if (!probe)
                std::exit(2);
            auto* probeFileLock = reinterpret_cast<bool (*)(const char*, int)>(dlsym(probe, "probeFileLock"));
            if (!probeFileLock || probeFileLock(file.c_str(), 20))
                std::exit(3);
            dlclose(probe);
            // The abandoned wait now gets the lock, in the library's code, and drops it.
            holder.reset();
            if (!FileLock(file, FileLock::Mode::Exclusive, 5s).held())
                std::exit(4);
            for (int i = 0; i < 500 && threadCount() != threadsBefore; ++i)
                std::this_thread::sleep_for(10ms);
            std::exit(threadCount() == threadsBefore ? 0 : 5);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
