#include "platform/files/CopiedFilePermissions.h"

#include <sys/stat.h>

namespace platform {

namespace fs = std::filesystem;

fs::perms CopiedFilePermissions(fs::perms source, fs::perms umask)
{
    const fs::perms othersMayNotWrite = fs::perms::all & ~(fs::perms::group_write | fs::perms::others_write);
    return source & othersMayNotWrite & ~umask;
}

fs::perms currentUmask()
{
    // The only way to read the umask is to set it; the launcher has one thread.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<fs::perms>(mask) & fs::perms::all;
}

} // namespace platform
