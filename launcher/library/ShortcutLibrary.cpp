#include "launcher/library/ShortcutLibrary.h"

#include "launcher/config/NameOrder.h"
#include "launcher/library/ShortcutLabel.h"
#include "launcher/library/ShortcutNames.h"
#include "platform/files/CaseInsensitivePath.h"
#include "platform/files/DirectoryListing.h"

#include <algorithm>
#include <string_view>

namespace launcher {

ShortcutLibrary::ShortcutLibrary(AppPaths paths, const SkinDefinition& skin, LauncherState& state,
                                 platform::WallClock clock)
    : m_paths(std::move(paths))
    , m_skin(skin)
    , m_state(state)
    , m_listings(clock)
    , m_desktopEntries(clock)
{
    for (SectionButtonText& button : m_sectionButtons)
        button.toolTip = kSectionDefaultToolTip;
}

std::vector<std::string> ShortcutLibrary::listSectionFolders() const
{
    std::vector<std::string> names = m_listings.list(m_paths.ShortcutsFolder(), platform::EntryKind::Folders);
    // The cap takes the first folders the file system lists, before sorting.
    if (names.size() > static_cast<size_t>(kMaxSections))
        names.resize(kMaxSections);
    SortByNameOrder(names);
    return names;
}

int ShortcutLibrary::ScanSectionFolders()
{
    const std::vector<std::string> names = listSectionFolders();
    for (SectionButtonText& button : m_sectionButtons)
        button.caption.clear();
    m_SectionFolderCount = static_cast<int>(names.size());
    for (int i = 0; i < m_SectionFolderCount; ++i) {
        const std::string& name = names[static_cast<size_t>(i)];
        m_sectionButtons[static_cast<size_t>(i)].toolTip = " " + name + " ";
        const bool noCaption = i < sectionNum() && m_skin.sections[static_cast<size_t>(i)].textAlignment == 255;
        m_sectionButtons[static_cast<size_t>(i)].caption = noCaption ? std::string() : name;
        m_SectionFolderNames[static_cast<size_t>(i)] = name;
    }
    return m_SectionFolderCount;
}

bool ShortcutLibrary::SectionFoldersChanged()
{
    const std::vector<std::string> names = listSectionFolders();
    const int count = static_cast<int>(names.size());
    if (count != m_SectionFolderCount) {
        if (m_state.CurrentSection > count)
            m_state.CurrentSection = count;
        return true;
    }
    // Both lists are in name order, which gives folders whose names differ
    // only in letter case a fixed order too. Names are compared exactly: a
    // folder renamed to other letter case is a folder the recorded path no
    // longer finds.
    return !std::equal(names.begin(), names.end(), m_SectionFolderNames.begin());
}

template <typename Visit>
void ShortcutLibrary::forEachShortcut(int section, Visit visit) const
{
    if (launchButtonCount(section) <= 0)
        return;
    for (const std::string& name : m_listings.list(sectionFolderPath(section), platform::EntryKind::Files)) {
        const ShortcutKind kind = shortcutKindOf(name);
        if (kind != ShortcutKind::None)
            visit(name, kind);
    }
}

std::vector<std::string> ShortcutLibrary::CollectSectionShortcuts(int section) const
{
    // Bucketing one listing by kind gives what one pass per extension would.
    std::array<std::vector<std::string>, 4> byKind;
    forEachShortcut(section, [&](const std::string& name, ShortcutKind kind) {
        byKind[static_cast<size_t>(kind)].push_back(name);
    });
    std::vector<std::string> names = std::move(byKind[0]);
    for (size_t kind = 1; kind < byKind.size(); ++kind)
        names.insert(names.end(), std::make_move_iterator(byKind[kind].begin()),
                     std::make_move_iterator(byKind[kind].end()));
    SortByNameOrder(names);
    const std::string folder = sectionFolderPath(section);
    m_desktopEntries.beginListing(folder);
    SortByShownCaption(folder, names, m_desktopEntries);
    return names;
}

void ShortcutLibrary::recordSectionContents(int section, const std::vector<std::string>& names)
{
    if (!isSlot(section))
        return;
    RecordedSection& recorded = m_recorded[static_cast<size_t>(section)];
    recorded.valid = true;
    recorded.folderName = sectionFolderName(section);
    recorded.names = names;
    std::sort(recorded.names.begin(), recorded.names.end());
}

bool ShortcutLibrary::SectionContentChanged(int section) const
{
    if (!isSlot(section))
        return false;
    const RecordedSection& recorded = m_recorded[static_cast<size_t>(section)];
    if (!recorded.valid || recorded.folderName != sectionFolderName(section))
        return true;
    // Icons and buttons are matched by position in the name order, so any
    // difference in the names counts, a rename that keeps the letters
    // (ab.lnk to ba.lnk) as much as a new file. The names point into the
    // kept listing, which stays put until the next listing.
    std::vector<std::string_view> names;
    names.reserve(recorded.names.size());
    forEachShortcut(section, [&](const std::string& name, ShortcutKind) { names.emplace_back(name); });
    if (names.size() != recorded.names.size())
        return true;
    std::sort(names.begin(), names.end());
    return !std::equal(names.begin(), names.end(), recorded.names.begin());
}

bool ShortcutLibrary::RefreshShortcutsIfChanged()
{
    if (!m_state.StartupDone)
        return false;
    if (SectionFoldersChanged())
        return true;
    for (int section = 0; section < sectionNum(); ++section) {
        if (SectionContentChanged(section))
            return true;
    }
    return false;
}

bool ShortcutLibrary::isSlot(int section)
{
    return section >= 0 && section < kSlotCount;
}

const std::string& ShortcutLibrary::sectionFolderName(int section) const
{
    static const std::string kNoName;
    return isSlot(section) ? m_SectionFolderNames[static_cast<size_t>(section)] : kNoName;
}

std::string ShortcutLibrary::sectionFolderPath(int section) const
{
    // Section numbers come from folder listings and clicks (none is current
    // once every folder is gone), so a number outside the table is an
    // ordinary case, not a programming error.
    if (!isSlot(section))
        return {};
    std::string path = m_paths.SectionFolder(sectionFolderName(section));
    if (!path.empty() && path.back() == '/')
        path.pop_back();
    return path;
}

std::string ShortcutLibrary::SectionFolder() const
{
    const int current = m_state.CurrentSection;
    return sectionFolderPath(current >= 1 && current <= kSlotCount ? current - 1 : kSlotCount - 1);
}

int ShortcutLibrary::sectionNum() const
{
    return std::min(static_cast<int>(m_skin.sections.size()), kMaxSections);
}

int ShortcutLibrary::launchButtonCount(int section) const
{
    if (section < 0 || section >= sectionNum())
        return 0;
    return std::min(static_cast<int>(m_skin.sections[static_cast<size_t>(section)].launchSlots.size()),
                    kMaxSlotsPerSection);
}

} // namespace launcher
