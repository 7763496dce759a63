#include "launcher/library/FolderListingCache.h"

namespace launcher {

FolderListingCache::FolderListingCache(platform::WallClock clock)
    : m_clock(clock)
{
}

const std::vector<std::string>& FolderListingCache::list(const std::string& folder, platform::EntryKind kind)
{
    Listing& listing = m_listings[{folder, kind}];
    const std::optional<platform::FileStamp> stamp = platform::FileStamp::of(folder);
    if (stamp && listing.kept && listing.stamp == *stamp)
        return listing.names;

    // The stamp and the time are taken before listing, so that a change made
    // while listing gives the next look another stamp.
    const timespec listStart = m_clock();
    listing.names = platform::listEntries(folder, kind);
    listing.stamp = stamp.value_or(platform::FileStamp{});
    listing.kept = stamp && stamp->settledBy(listStart);
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
