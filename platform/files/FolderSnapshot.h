#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace platform {

// The contents of the files of one folder, by a hash of each file's bytes:
// two snapshots are equal when no file was added, removed or changed, however
// often the files were rewritten, renamed over or touched in between.
struct FolderSnapshot {
    // File name → hash of its bytes; nullopt for a file that cannot be read.
    std::map<std::string, std::optional<std::uint64_t>> files;

    // The visible regular files of `folder` whose names `include` accepts.
    // A missing folder gives an empty snapshot.
    static FolderSnapshot of(const std::filesystem::path& folder,
                             const std::function<bool(const std::string& name)>& include);

    // A hash of the bytes of the file at `path` (a regular file of at most
    // the size limit of skin pictures); nullopt when it cannot be read.
    static std::optional<std::uint64_t> hashOf(const std::filesystem::path& path);

    bool operator==(const FolderSnapshot& other) const = default;
};

} // namespace platform
