#include "platform/files/RenameWithoutReplacing.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

int renameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
    struct stat status {};
    if (::lstat(from.c_str(), &status) != 0)
        return errno;
    if (!S_ISDIR(status.st_mode)) {
        if (::link(from.c_str(), to.c_str()) != 0)
            return errno;
        ::unlink(from.c_str());
        return 0;
    }
    if (::lstat(to.c_str(), &status) == 0)
        return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

} // namespace platform
