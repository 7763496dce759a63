// A loadable library that takes a file lock, as the control libraries do
// when they register themselves in the classes root.
#include "platform/files/FileLock.h"

extern "C" __attribute__((visibility("default"))) bool probeFileLock(const char* file, int patienceMs)
{
    const platform::FileLock lock(file, platform::FileLock::Mode::Exclusive, std::chrono::milliseconds(patienceMs));
    return lock.held();
}
