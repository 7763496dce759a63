#pragma once

#include "platform/files/DirectoryListing.h"
#include "platform/files/FileStamp.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace launcher {

// Folder listings kept while a folder's stamp stays the same, so that a
// section switch over an unchanged library costs one status call per folder
// instead of a listing. Creating, removing or renaming an entry changes the
// folder's times. A time can be too coarse to tell two changes apart, so a
// listing is only kept once its folder's stamp had settled when the listing
// began: a later change then always gives a different stamp.
class FolderListingCache {
public:
    // `clock` gives the wall-clock time; tests pass a later one.
    explicit FolderListingCache(platform::WallClock clock = platform::wallClockNow);

    // platform::listEntries, reused while the folder is unchanged.
    const std::vector<std::string>& list(const std::string& folder, platform::EntryKind kind);

    // Listings kept at the moment; for tests and benchmarks.
    int keptCount() const;

private:
    struct Listing {
        platform::FileStamp stamp;
        bool kept = false;
        std::vector<std::string> names;
    };

    platform::WallClock m_clock;
    std::map<std::pair<std::string, platform::EntryKind>, Listing> m_listings;
};

} // namespace launcher
