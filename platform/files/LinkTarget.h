#pragma once

#include <filesystem>
#include <string>

namespace platform {

// The file that writing to `path` must change: `path` itself, or the end of
// its chain of symbolic links, which need not exist yet (a dangling link is
// written through, creating its target). Empty, with `error` set, when the
// chain loops or a link cannot be read.
std::filesystem::path followLinks(const std::filesystem::path& path, std::string& error);

} // namespace platform
