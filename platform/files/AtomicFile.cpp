#include "platform/files/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool writeAll(int fd, std::string_view bytes)
{
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

} // namespace

std::string writeFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    std::string temporary = path.string() + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return "cannot create a temporary file beside " + path.string() + ": " + std::strerror(errno);

    // Keep the permissions of the file being replaced; a new file gets the
    // usual ones rather than mkstemp's private 0600.
    struct stat existing {};
    mode_t mode = 0644;
    if (::stat(path.c_str(), &existing) == 0)
        mode = existing.st_mode & 07777;
    ::fchmod(fd, mode);

    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int savedErrno = errno;
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        ::unlink(temporary.c_str());
        return "cannot write " + path.string() + ": " + std::strerror(savedErrno);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        savedErrno = errno;
        ::unlink(temporary.c_str());
        return "cannot replace " + path.string() + ": " + std::strerror(savedErrno);
    }
    return {};
}

bool readWholeFile(const std::filesystem::path& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

} // namespace platform
