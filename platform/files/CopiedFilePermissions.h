#pragma once

#include <filesystem>

namespace platform {

// The permissions a copied file gets: the source's read and run bits, as a
// copy made without keeping attributes has them. Set-uid, set-gid and the
// sticky bit go, nobody but the owner may write, and `umask` takes away
// what the user asked to take away from new files.
std::filesystem::perms CopiedFilePermissions(std::filesystem::perms source, std::filesystem::perms umask);

// The process's umask, as permission bits.
std::filesystem::perms currentUmask();

} // namespace platform
