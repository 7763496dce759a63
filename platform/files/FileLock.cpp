#include "platform/files/FileLock.h"

#include <cerrno>
#include <condition_variable>
#include <dlfcn.h>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace platform {

namespace {

int openForLocking(const std::filesystem::path& file)
{
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
        return fd;
    // Only a regular file: opening a device may do something.
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return -1;
    return ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

// A blocking flock() cannot be given a time limit, and polling is unfair: a
// process writing in a loop would starve one that polls. So a contended lock
// is waited for in a thread of its own, which the caller stops waiting for
// after a while; a thread abandoned that way drops the lock as soon as it
// gets it.
struct Waiter {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool locked = false;
    bool abandoned = false;
};

// This code is linked into the control libraries too, which their host may
// unload as soon as a call into them returns. A waiting thread still runs
// this code after it has handed the lock over (and an abandoned one much
// later), so the library holding it stays loaded from the first wait on.
void keepThisCodeLoaded()
{
    static std::once_flag pinned;
    std::call_once(pinned, [] {
        Dl_info info{};
        if (::dladdr(reinterpret_cast<void*>(&keepThisCodeLoaded), &info) == 0 || !info.dli_fname)
            return;
        // Only marks the module already loaded; the handle is never closed.
        ::dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
    });
}

bool waitForLock(int fd, int operation, std::chrono::milliseconds patience)
{
    keepThisCodeLoaded();
    auto waiter = std::make_shared<Waiter>();
    std::thread thread([waiter, fd, operation] {
        int result;
        do
            result = ::flock(fd, operation);
        while (result != 0 && errno == EINTR);
        std::lock_guard<std::mutex> guard(waiter->mutex);
        waiter->finished = true;
        waiter->locked = result == 0;
        if (waiter->abandoned)
            ::close(fd);
        waiter->done.notify_all();
    });
    std::unique_lock<std::mutex> guard(waiter->mutex);
    if (waiter->done.wait_for(guard, patience, [&] { return waiter->finished; })) {
        guard.unlock();
        // No thread of a finished wait is left behind.
        thread.join();
        return waiter->locked;
    }
    waiter->abandoned = true;
    thread.detach();
    return false;
}

} // namespace

FileLock::FileLock(const std::filesystem::path& file, Mode mode, std::chrono::milliseconds patience)
    : m_fd(openForLocking(file))
{
    if (m_fd < 0)
        return;
    const int operation = mode == Mode::Exclusive ? LOCK_EX : LOCK_SH;
    if (::flock(m_fd, operation | LOCK_NB) == 0) {
        m_held = true;
        return;
    }
    if (errno != EWOULDBLOCK)
        return;
    m_held = waitForLock(m_fd, operation, patience);
    if (!m_held) {
        m_busy = true;
        m_fd = -1; // the waiting thread owns it now
    }
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing releases the lock
}

} // namespace platform
