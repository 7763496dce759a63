#include "launcher/library/FolderListingCache.h"

#include <chrono>

namespace launcher {
namespace {

// Far longer than any file system's time resolution.
constexpr auto kSettledAfter = std::chrono::seconds(2);

} // namespace

const std::vector<std::string>& FolderListingCache::list(const std::string& folder, platform::EntryKind kind)
{
    Listing& listing = m_listings[{folder, kind}];
    std::error_code error;
    const std::filesystem::file_time_type modified = std::filesystem::last_write_time(folder, error);
    if (!error && listing.kept && listing.modified == modified)
        return listing.names;

    listing.names = platform::listEntries(folder, kind);
    listing.modified = modified;
    listing.kept = !error && std::filesystem::file_time_type::clock::now() - modified > kSettledAfter;
    return listing.names;
}

int FolderListingCache::keptCount() const
{
    int kept = 0;
    for (const auto& [key, listing] : m_listings)
        kept += listing.kept ? 1 : 0;
    return kept;
}

} // namespace launcher
