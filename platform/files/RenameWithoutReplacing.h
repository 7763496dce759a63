#pragma once

#include <filesystem>

namespace platform {

// Gives the file, folder or link `from` the name `to` in one step, unless
// something is at `to` by then: that stays as it is, and the result is EEXIST.
// 0 on success, otherwise the errno of the failure. Where the file system
// cannot refuse to replace within the rename itself, a file is hard-linked
// into place (which refuses the same way) and a folder is renamed after a
// check, which can only ever replace an empty folder made in between.
int renameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace platform
