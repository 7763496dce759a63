#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Gives the file `target` (already resolved: not a symbolic link) the
// contents `bytes`, so that a reader or a crash sees the old file or the new
// one, never a mix:
//   - a file that is not writable (read-only mode bits, or no permission for
//     this user) is refused and left byte for byte as it is;
//   - normally the bytes go to a short-named temporary in the same folder,
//     which is synced, given the old file's mode and owner (or the umask's
//     mode for a new file), renamed over the target, and the folder synced;
//     temporaries that earlier writers left behind are removed on the way;
//   - where the folder is not writable, where the old owner cannot be kept,
//     or where the file has other hard links, the file is rewritten in place.
// The caller holds the FileLock. Returns an empty string on success,
// otherwise a message naming the file.
std::string replaceFileContents(const std::filesystem::path& target, std::string_view bytes);

} // namespace platform
