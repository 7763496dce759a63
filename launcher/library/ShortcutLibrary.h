#pragma once

#include "launcher/config/AppPaths.h"
#include "launcher/config/LauncherState.h"
#include "launcher/library/FolderListingCache.h"
#include "launcher/skin/SkinDefinition.h"
#include "launcher/skin/SkinLimits.h"
#include "platform/shortcuts/DesktopEntryCache.h"

#include <array>
#include <string>
#include <vector>

namespace launcher {

// What a section button shows for its folder.
struct SectionButtonText {
    std::string caption;
    std::string toolTip;
};

inline constexpr const char* kSectionDefaultToolTip = " Drop shortcuts here to add them ";

// The shortcut library: the section folders below shortcuts/ and the
// shortcut files in them. The library keeps no list of its own; it lists the
// folders when asked and notices changes made behind its back by comparing
// against what it recorded at the last scan and the last icon build.
//
// The skin and the state are the program's own objects and must outlive the
// library; the skin is read afresh on every call, so reloading it in place is
// seen at once.
class ShortcutLibrary {
public:
    // Section slots 0..12; slot 12 is never a section but is read like one.
    static constexpr int kSlotCount = kMaxSections + 1;

    // `clock` decides when files count as settled (see FolderListingCache).
    ShortcutLibrary(AppPaths paths, const SkinDefinition& skin, LauncherState& state,
                    platform::WallClock clock = platform::wallClockNow);

    // Lists the section folders (at most 12, the first the file system
    // lists), sorts them by name and records them. Sets every section
    // button's caption and, for the folders found, its tool tip. Returns the
    // number of folders.
    int ScanSectionFolders();

    // True when the section folders on disk differ from the last scan by
    // count or by name (letter case included: the recorded path of a folder
    // renamed to other letter case finds nothing). Lowers CurrentSection when
    // fewer folders are left than its number.
    bool SectionFoldersChanged();

    // True when the slot's folder name or its shortcut names differ from what
    // the last icon build recorded (or nothing was recorded); false for a
    // number that is no slot.
    bool SectionContentChanged(int section) const;

    // The shortcut file names of a section slot in name order: links, then
    // internet shortcuts, program information files and desktop entries as
    // the listing returns them, then sorted. Empty when the skin gives the
    // section no launch buttons. A slot without a folder name reads the
    // shortcuts folder itself, as the icon build and change test do too.
    std::vector<std::string> CollectSectionShortcuts(int section) const;

    // What the icon build saw: the slot's folder name and the names it
    // collected for it, for SectionContentChanged to compare against.
    void recordSectionContents(int section, const std::vector<std::string>& names);

    // Runs the change tests once start-up is done. True when the library
    // changed and must be reloaded: show "Please wait -- Refreshing
    // Shortcuts...", then ScanSectionFolders, load the section panels,
    // BuildShortcutIcons and PopulateLaunchButtons.
    bool RefreshShortcutsIfChanged();

    int SectionFolderCount() const { return m_SectionFolderCount; }
    // True for 0..kSlotCount-1.
    static bool isSlot(int section);
    // "" for a slot no scan has written and for a number that is no slot.
    const std::string& sectionFolderName(int section) const;
    // Path of a slot's folder, without a trailing separator; the shortcuts
    // folder itself for a slot without a folder name, "" for a number that
    // is no slot (nothing may be copied or listed there).
    std::string sectionFolderPath(int section) const;
    // SectionFolder(): the current section's folder.
    std::string SectionFolder() const;

    // The skin's section count and a section's launch-button count; 0 for a
    // slot the skin has no section for.
    int sectionNum() const;
    int launchButtonCount(int section) const;

    const std::array<SectionButtonText, kMaxSections>& sectionButtons() const { return m_sectionButtons; }
    const AppPaths& paths() const { return m_paths; }
    const SkinDefinition& skin() const { return m_skin; }
    LauncherState& state() const { return m_state; }
    const FolderListingCache& listings() const { return m_listings; }
    // The desktop entries of the last listing of each folder, shared by its
    // order, captions and icons; each CollectSectionShortcuts starts a listing.
    platform::DesktopEntryCache& desktopEntries() const { return m_desktopEntries; }

private:
    std::vector<std::string> listSectionFolders() const;
    // Calls visit(name, kind) for every shortcut file of a section slot in
    // listing order: the one rule behind the list, the icons and the change test.
    template <typename Visit>
    void forEachShortcut(int section, Visit visit) const;

    AppPaths m_paths;
    const SkinDefinition& m_skin;
    LauncherState& m_state;
    std::array<std::string, kSlotCount> m_SectionFolderNames;
    int m_SectionFolderCount = 0;
    struct RecordedSection {
        bool valid = false;
        std::string folderName;
        std::vector<std::string> names; // sorted by their bytes, for comparing
    };
    std::array<RecordedSection, kSlotCount> m_recorded;
    std::array<SectionButtonText, kMaxSections> m_sectionButtons;
    mutable FolderListingCache m_listings;
    mutable platform::DesktopEntryCache m_desktopEntries;
};

} // namespace launcher
