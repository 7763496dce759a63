#include "platform/files/BoundedFileReader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::string failure(const std::filesystem::path& path, const std::string& reason)
{
    return "cannot read " + path.string() + ": " + reason;
}

std::string describeKind(mode_t mode)
{
    if (S_ISDIR(mode))
        return "it is a folder, not a file";
    if (S_ISFIFO(mode))
        return "it is a pipe, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a file";
    return "it is not a regular file";
}

std::string tooLarge(std::uint64_t maxBytes)
{
    return "it is larger than " + std::to_string(maxBytes) + " bytes";
}

// Checks the kind and size; shared by the path check before opening (so a
// device is never opened at all) and the descriptor check after (so a file
// swapped in between is still caught).
std::string describeProblem(const struct stat& info, std::uint64_t maxBytes)
{
    if (!S_ISREG(info.st_mode))
        return describeKind(info.st_mode);
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes)
        return tooLarge(maxBytes);
    return {};
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

std::string BoundedFileReader::check(const std::filesystem::path& path) const
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return failure(path, std::strerror(errno));
    std::string problem = describeProblem(info, m_maxBytes);
    return problem.empty() ? std::string() : failure(path, problem);
}

std::string BoundedFileReader::read(const std::filesystem::path& path, std::string& bytes) const
{
    bytes.clear();
    if (std::string problem = check(path); !problem.empty())
        return problem;

    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return failure(path, std::strerror(errno));
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return failure(path, std::strerror(errno));
    if (std::string problem = describeProblem(info, m_maxBytes); !problem.empty())
        return failure(path, problem);
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return failure(path, std::strerror(errno));

    // The file may grow after fstat, so the limit is enforced on what is
    // actually read: one byte past it is enough to know it was exceeded.
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used > m_maxBytes) {
                bytes.clear();
                return failure(path, tooLarge(m_maxBytes));
            }
            bytes.resize(used + 4096);
        }
        const ssize_t got = ::read(file.get(), bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int savedErrno = errno;
            bytes.clear();
            return failure(path, std::strerror(savedErrno));
        }
        if (got == 0)
            break;
        used += static_cast<size_t>(got);
    }
    if (used > m_maxBytes) {
        bytes.clear();
        return failure(path, tooLarge(m_maxBytes));
    }
    bytes.resize(used);
    return {};
}

void reportSkippedFile(const std::string& error)
{
    if (!error.empty())
        std::fprintf(stderr, "quorvex: %s\n", error.c_str());
}

} // namespace platform
