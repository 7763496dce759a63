#include "platform/instance/InstanceLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace quorvex::platform {

InstanceLock::InstanceLock(std::string path)
    : m_path(std::move(path))
{
}

InstanceLock::~InstanceLock()
{
    release();
}

InstanceLock::Outcome InstanceLock::take(std::chrono::milliseconds patience, std::string* error)
{
    if (m_fd >= 0)
        return Outcome::Taken;
    const int fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        *error = "cannot open " + m_path + ": " + std::strerror(errno);
        return Outcome::Failed;
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            m_fd = fd;
            return Outcome::Taken;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            *error = "cannot lock " + m_path + ": " + std::strerror(errno);
            ::close(fd);
            return Outcome::Failed;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return Outcome::HeldByAnother;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

void InstanceLock::release()
{
    if (m_fd < 0)
        return;
    ::close(m_fd);
    m_fd = -1;
}

} // namespace quorvex::platform
