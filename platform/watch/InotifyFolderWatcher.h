#pragma once

#include "platform/watch/FolderWatcher.h"

#include <memory>
#include <string>

class QSocketNotifier;

namespace platform {

// Watches a folder through inotify. The descriptor is read only when the
// kernel has something to say (a socket notifier on the event loop), so an
// unchanged folder costs no wake-up and no CPU.
//
// Entries replaced by a rename stay watched: the watch is on the folder, not
// on its files. When the folder itself is deleted or moved away, its parent
// is watched until a folder of that name is back, which then counts as a
// change of the whole folder.
class InotifyFolderWatcher final : public FolderWatcher {
public:
    InotifyFolderWatcher();
    ~InotifyFolderWatcher() override;
    InotifyFolderWatcher(const InotifyFolderWatcher&) = delete;
    InotifyFolderWatcher& operator=(const InotifyFolderWatcher&) = delete;

    std::string watchFolder(const std::string& folder) override;

private:
    void readEvents();
    // Watches the folder, or (when that fails) its parent for its return.
    std::string arm();
    void disarm();
    void folderLost();

    int m_fd = -1;
    std::string m_initProblem;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::string m_folder; // without a trailing separator
    int m_folderWatch = -1;
    int m_parentWatch = -1;
};

} // namespace platform
