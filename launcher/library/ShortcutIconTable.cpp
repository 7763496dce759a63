#include "launcher/library/ShortcutIconTable.h"

#include "launcher/library/ShortcutLibrary.h"

#include <cstdio>

namespace launcher {

std::string ShortcutIconKey(int sectionNumber, int index)
{
    char key[32];
    std::snprintf(key, sizeof key, "S%02d_%02d", sectionNumber, index);
    return key;
}

const platform::FileIcons& ShortcutIconTable::ExtractFileIcons(const std::string& path, platform::IconService& icons,
                                                               platform::DesktopEntryCache& entries)
{
    const std::string name = icons.iconNameFor(path, entries);
    auto found = m_byName.find(name);
    if (found == m_byName.end())
        found = m_byName.emplace(name, icons.iconsNamed(name)).first;
    return found->second;
}

void ShortcutIconTable::BuildShortcutIcons(ShortcutLibrary& library, platform::IconService& icons)
{
    m_byKey.clear();
    for (int section = 0; section < library.sectionNum(); ++section) {
        const std::vector<std::string> names = library.CollectSectionShortcuts(section);
        library.recordSectionContents(section, names);
        const std::string folder = library.sectionFolderPath(section) + "/";
        for (size_t index = 0; index < names.size(); ++index)
            m_byKey[ShortcutIconKey(section + 1, static_cast<int>(index))] =
                ExtractFileIcons(folder + names[index], icons, library.desktopEntries());
    }
}

QImage ShortcutIconTable::large(const std::string& key) const
{
    const auto found = m_byKey.find(key);
    return found == m_byKey.end() ? QImage() : found->second.large;
}

QImage ShortcutIconTable::small(const std::string& key) const
{
    const auto found = m_byKey.find(key);
    return found == m_byKey.end() ? QImage() : found->second.small;
}

} // namespace launcher
