#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Names of the temporary files a file is written to before it replaces the
// original: short (so a file whose name is as long as the file system allows
// can still be written) and of one fixed pattern, so that temporaries left
// by a process killed in the middle of a write can be recognised and removed.
std::string newTemporaryName();
bool isTemporaryName(std::string_view name);

// Removes the temporaries in `folder` older than `age`: a writer holds its
// temporary for a moment only, so an old one belongs to nobody any more.
void removeStaleTemporaries(const std::filesystem::path& folder,
                            std::chrono::seconds age = std::chrono::minutes(1));

} // namespace platform
