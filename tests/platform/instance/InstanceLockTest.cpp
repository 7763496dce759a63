#include "platform/instance/InstanceLock.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace quorvex::platform {
namespace {

using namespace std::chrono_literals;
using Outcome = InstanceLock::Outcome;

TEST(InstanceLockTest, OneHolderAtATime)
{
    testsupport::TempFolder folder;
    const std::string path = (folder.path() / "launcher.lock").string();
    InstanceLock first(path);
    InstanceLock second(path);
    std::string error;
    ASSERT_EQ(first.take(0ms, &error), Outcome::Taken) << error;
    EXPECT_EQ(second.take(0ms, &error), Outcome::HeldByAnother);
    EXPECT_EQ(second.take(150ms, &error), Outcome::HeldByAnother) << "waited, but the holder stayed";
    EXPECT_FALSE(second.isHeld());
    first.release();
    EXPECT_EQ(second.take(0ms, &error), Outcome::Taken);
}

TEST(InstanceLockTest, AHolderThatEndsLetsGoWhateverWayItEnds)
{
    testsupport::TempFolder folder;
    const std::string path = (folder.path() / "launcher.lock").string();
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock held(path);
        std::string ignored;
        const char taken = held.take(0ms, &ignored) == Outcome::Taken ? 'y' : 'n';
        (void)!::write(ready[1], &taken, 1);
        ::pause();
        ::_exit(0);
    }
    char taken = 0;
    ASSERT_EQ(::read(ready[0], &taken, 1), 1);
    ASSERT_EQ(taken, 'y');
    InstanceLock mine(path);
    std::string error;
    EXPECT_EQ(mine.take(0ms, &error), Outcome::HeldByAnother);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(mine.take(0ms, &error), Outcome::Taken) << "a killed holder kept its lock";
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(InstanceLockTest, UnusableFileIsAFailureWithItsReason)
{
    InstanceLock lock("/nonexistent-folder/launcher.lock");
    std::string error;
    EXPECT_EQ(lock.take(0ms, &error), Outcome::Failed);
    EXPECT_NE(error.find("/nonexistent-folder/launcher.lock"), std::string::npos) << error;
}

} // namespace
} // namespace quorvex::platform
