#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Rewrites the regular file `target` through its own inode, for when it
// cannot be replaced by a new file: its folder is not writable (no temporary
// can be made there), or a new file would not keep its owner or its other
// hard links. The space is reserved first, so a full disk fails before any
// byte changes, and the old bytes are kept in memory and written back should
// the write fail part way. Returns an empty string or a message.
std::string rewriteInPlace(const std::filesystem::path& target, std::string_view bytes);

} // namespace platform
