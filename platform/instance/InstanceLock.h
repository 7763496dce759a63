#pragma once

#include <chrono>
#include <string>

namespace quorvex::platform {

// The lock that one running launcher holds on its program folder: an
// advisory lock on a file, which the system drops when the holder ends in
// whatever way, so a killed launcher leaves nothing stale behind. The file
// is not inherited by programs the launcher starts.
class InstanceLock {
public:
    enum class Outcome { Taken, HeldByAnother, Failed };

    explicit InstanceLock(std::string path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock, waiting up to `patience` for another holder to let go.
    Outcome take(std::chrono::milliseconds patience, std::string* error);
    void release();
    bool isHeld() const { return m_fd >= 0; }

private:
    std::string m_path;
    int m_fd = -1;
};

} // namespace quorvex::platform
