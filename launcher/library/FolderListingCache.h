#pragma once

#include "platform/files/DirectoryListing.h"

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace launcher {

// Folder listings kept while a folder's modification time stays the same,
// so that a section switch over an unchanged library costs one status call
// per folder instead of a listing. Creating, removing or renaming an entry
// changes the folder's time. A time can be too coarse to tell two changes
// apart, so a listing is only kept once its folder's time lies well in the
// past: a later change then always gives a different time.
class FolderListingCache {
public:
    // platform::listEntries, reused while the folder is unchanged.
    const std::vector<std::string>& list(const std::string& folder, platform::EntryKind kind);

    // Listings kept at the moment; for tests and benchmarks.
    int keptCount() const;

private:
    struct Listing {
        std::filesystem::file_time_type modified;
        bool kept = false;
        std::vector<std::string> names;
    };

    std::map<std::pair<std::string, platform::EntryKind>, Listing> m_listings;
};

} // namespace launcher
