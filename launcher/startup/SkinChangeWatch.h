#pragma once

#include "platform/files/FolderSnapshot.h"
#include "platform/profile/ProfileStore.h"
#include "platform/watch/FolderWatcher.h"

#include <QTimer>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace launcher {

// Whether a file of a skin folder is one the launcher reads: the definition
// file, pictures, sounds and fonts. Editors' temporary and backup files
// (hidden, "~", ".swp", ".tmp") are none of these.
bool IsSkinFileName(std::string_view name);

// Watches the running skin's folder and asks for the skin to be loaded
// again once an edit has settled. A burst of reports (an editor's temporary
// file and its rename, a file written in many pieces) gives one reload,
// `settleMs` after the last report, so a file is not read half written.
//
// Files are compared by content with those the skin was last loaded from:
// a file saved unchanged gives no reload, and neither do the launcher's own
// writes to the skin's definition file (the window's position, the shade
// state, the chooser's options), which the profile store reports to the
// watch. An edit by another program that lands just before such a write
// still counts.
class SkinChangeWatch {
public:
    static constexpr int kSettleMs = 250;

    // `reload` loads the skin again and returns true, or returns false when
    // the launcher is busy (a pause, a drag, a dialog of its own); it is then
    // asked again after another settling time.
    SkinChangeWatch(platform::FolderWatcher& watcher, platform::ProfileStore& profiles, std::function<bool()> reload,
                    int settleMs = kSettleMs);
    ~SkinChangeWatch();
    SkinChangeWatch(const SkinChangeWatch&) = delete;
    SkinChangeWatch& operator=(const SkinChangeWatch&) = delete;

    // Watches `skinFolder`, whose files as they are now are the ones loaded.
    // Returns an empty string, or why the folder cannot be watched.
    std::string watch(const std::filesystem::path& skinFolder);

    bool isSettling() const { return m_settle.isActive(); }

private:
    void changed(const std::string& name);
    void settled();
    void ownWrite(const std::string& file, platform::ProfileStore::WritePhase phase);
    platform::FolderSnapshot snapshot() const;

    platform::FolderWatcher& m_watcher;
    platform::ProfileStore& m_profiles;
    std::function<bool()> m_reload;
    QTimer m_settle;
    std::filesystem::path m_folder;
    platform::FolderSnapshot m_loaded;
    // An edit by another program was found under one of our own writes,
    // which then made it part of the file the snapshot holds.
    bool m_editUnderOwnWrite = false;
};

} // namespace launcher
