#include "platform/files/FolderSnapshot.h"

#include "platform/files/BoundedFileReader.h"
#include "platform/files/DirectoryListing.h"

namespace platform {

std::optional<std::uint64_t> FolderSnapshot::hashOf(const std::filesystem::path& path)
{
    std::string bytes;
    if (!BoundedFileReader(readLimits::kBitmapBytes).read(path, bytes).empty())
        return std::nullopt;
    // FNV-1a: enough to tell an edited file from the one before, and it
    // needs no library.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ull;
    }
    return hash;
}

FolderSnapshot FolderSnapshot::of(const std::filesystem::path& folder,
                                  const std::function<bool(const std::string& name)>& include)
{
    FolderSnapshot snapshot;
    for (const std::string& name : listEntries(folder, EntryKind::Files))
        if (include(name))
            snapshot.files[name] = hashOf(folder / name);
    return snapshot;
}

} // namespace platform
