#include "platform/files/LinkTarget.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace fs = std::filesystem;

fs::path followLinks(const fs::path& path, std::string& error)
{
    constexpr int kMostLinks = 40; // as the kernel allows in a path
    fs::path current = path;
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return current;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
        if (length < 0 || length == static_cast<ssize_t>(sizeof target)) {
            error = "cannot read the link " + current.string() + ": "
                    + std::strerror(length < 0 ? errno : ENAMETOOLONG);
            return {};
        }
        const fs::path next(std::string(target, static_cast<size_t>(length)));
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    error = "cannot follow " + path.string() + ": " + std::strerror(ELOOP);
    return {};
}

} // namespace platform
