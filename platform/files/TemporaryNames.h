#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace platform {

// Names of the temporary files a file is written to before it replaces the
// original: short (so a file whose name is as long as the file system allows
// can still be written) and of one fixed pattern, so that temporaries left
// by a process killed in the middle of a write can be recognised and removed.
// The leading dot keeps them out of every listing the launcher shows.
std::string newTemporaryName();
bool isTemporaryName(std::string_view name);

// Removes the temporaries in `folder` older than `age`: a writer holds its
// temporary for a moment only, so an old one belongs to nobody any more. A
// temporary folder (a folder copy in progress) counts as old only when
// nothing in it has changed for that long.
void removeStaleTemporaries(const std::filesystem::path& folder,
                            std::chrono::seconds age = std::chrono::minutes(1));

// Makes a new file, folder or link under an unused temporary name in
// `folder`: `make` creates it at the path it is given and returns false with
// errno set when it cannot (EEXIST means the name is taken, and another is
// tried). Stale temporaries in `folder` are removed first, so every write into
// a folder tidies up after the writers killed before it. Returns the path, or
// an empty path with errno set.
std::filesystem::path createTemporary(const std::filesystem::path& folder,
                                      const std::function<bool(const std::filesystem::path&)>& make);

// createTemporary() for a new, empty file open for writing, created with
// `mode` under the umask; its descriptor in `fd`.
std::filesystem::path createTemporaryFile(const std::filesystem::path& folder, int& fd, mode_t mode = 0666);

} // namespace platform
