#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

// Writes all of `bytes` at `offset`, retrying short and interrupted writes.
// False (with errno set) on failure.
bool writeAllAt(int fd, std::string_view bytes, off_t offset);

// Makes a rename or a new name in `folder` survive a crash.
bool syncFolder(const std::filesystem::path& folder);

// The folder a file lies in ("." for a bare name).
std::filesystem::path folderOf(const std::filesystem::path& file);

} // namespace platform
