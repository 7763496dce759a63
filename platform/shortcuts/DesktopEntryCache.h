#pragma once

#include "platform/files/FileStamp.h"
#include "platform/shortcuts/DesktopEntry.h"

#include <map>
#include <optional>
#include <string>

namespace platform {

// What reading one desktop entry file gave.
struct DesktopEntryRead {
    std::optional<DesktopEntry> entry;
    std::string error; // names the file and says why, when there is no entry
};

// Desktop entries of shortcut folders, read once per listing of their folder
// and handed to everyone who needs them (the order of the list, the button
// captions, the icons), so that a listing opens each file once and all of
// them see the same contents. A later listing uses a read again while its
// file's stamp is unchanged, and only when the stamp had settled before the
// read began (a file changed within its time stamp's tick could otherwise
// keep its stamp). Reads of files the last listing did not come to are
// forgotten.
class DesktopEntryCache {
public:
    // `clock` gives the wall-clock time; tests pass a later one.
    explicit DesktopEntryCache(WallClock clock = wallClockNow);

    // Starts a new listing of `folder` (a path without trailing '/').
    void beginListing(const std::string& folder);

    // DesktopEntry::read of `path`, or what it gave before (see above).
    const DesktopEntryRead& read(const std::string& path);

    // Files opened so far; for tests and benchmarks.
    int fileReads() const { return m_fileReads; }

private:
    struct Kept {
        FileStamp stamp;
        bool settled = false;
        DesktopEntryRead read;
    };
    struct Folder {
        std::map<std::string, Kept> current;  // read in this listing, by path
        std::map<std::string, Kept> previous; // read in the one before
    };

    WallClock m_clock;
    std::map<std::string, Folder> m_folders;
    DesktopEntryRead m_unstamped; // the last read of a file without a stamp
    int m_fileReads = 0;
};

} // namespace platform
