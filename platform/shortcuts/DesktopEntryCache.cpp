#include "platform/shortcuts/DesktopEntryCache.h"

namespace platform {
namespace {

std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace

DesktopEntryCache::DesktopEntryCache(WallClock clock)
    : m_clock(clock)
{
}

void DesktopEntryCache::beginListing(const std::string& folder)
{
    Folder& kept = m_folders[folder];
    kept.previous = std::move(kept.current);
    kept.current.clear();
}

const DesktopEntryRead& DesktopEntryCache::read(const std::string& path)
{
    Folder& folder = m_folders[folderOf(path)];
    const auto current = folder.current.find(path);
    if (current != folder.current.end())
        return current->second.read;
    const std::optional<FileStamp> stamp = FileStamp::of(path);
    if (stamp) {
        const auto previous = folder.previous.find(path);
        if (previous != folder.previous.end() && previous->second.settled && previous->second.stamp == *stamp)
            return folder.current.insert_or_assign(path, std::move(previous->second)).first->second.read;
    }

    // The stamp is taken before the read, so a change during the read gives
    // the next look another stamp and a fresh read.
    const timespec readStart = m_clock();
    ++m_fileReads;
    DesktopEntryRead read;
    read.entry = DesktopEntry::read(path, read.error);
    if (!stamp) {
        // Nothing to tell a later change by; such a file is read every time.
        m_unstamped = std::move(read);
        return m_unstamped;
    }
    Kept& kept = folder.current.insert_or_assign(path, Kept{*stamp, stamp->settledBy(readStart), {}}).first->second;
    kept.read = std::move(read);
    return kept.read;
}

} // namespace platform
