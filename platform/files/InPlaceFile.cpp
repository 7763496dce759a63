#include "platform/files/InPlaceFile.h"

#include "platform/files/DurableWrite.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool readAll(int fd, size_t size, std::string& bytes)
{
    bytes.resize(size);
    size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, bytes.data() + done, size - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += static_cast<size_t>(got);
    }
    return true;
}

bool reserve(int fd, size_t size)
{
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0)
        return true;
    // Not every file system can reserve space; the copy kept is the fallback.
    return errno == EOPNOTSUPP || errno == ENOSYS;
}

bool overwrite(int fd, std::string_view bytes)
{
    return writeAllAt(fd, bytes, 0) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0
        && ::fsync(fd) == 0;
}

} // namespace

std::string rewriteInPlace(const std::filesystem::path& target, std::string_view bytes)
{
    const int fd = ::open(target.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return "cannot write " + target.string() + ": " + std::strerror(errno);
    auto fail = [&](const char* what, int error) {
        ::close(fd);
        return std::string(what) + " " + target.string() + ": " + std::strerror(error);
    };
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return fail("cannot write", errno);
    if (!S_ISREG(status.st_mode))
        return fail("cannot write", EINVAL);
    std::string old;
    if (!readAll(fd, static_cast<size_t>(status.st_size), old))
        return fail("cannot read", errno ? errno : EIO);
    if (bytes.size() > old.size() && !reserve(fd, bytes.size()))
        return fail("cannot write", errno);
    if (!overwrite(fd, bytes)) {
        const int error = errno;
        overwrite(fd, old);
        return fail("cannot write", error);
    }
    if (::close(fd) != 0)
        return "cannot write " + target.string() + ": " + std::strerror(errno);
    return {};
}

} // namespace platform
