#pragma once

#include "platform/icons/IconService.h"

#include <QImage>

#include <map>
#include <string>
#include <unordered_map>

namespace launcher {

class ShortcutLibrary;

// The key of a shortcut's icon: "S" + 1-based section (two digits at least)
// + "_" + index in the section's list (two digits at least), e.g. S01_00.
std::string ShortcutIconKey(int sectionNumber, int index);

// The icons of every section's shortcuts, 32 and 16 pixels, under
// ShortcutIconKey. Drawing an icon is the slow part, so shortcuts that show
// the same icon (every internet shortcut, all documents of one type, ...)
// share one drawing, also across rebuilds.
class ShortcutIconTable {
public:
    // Rebuilds the table for every section slot the skin has and records
    // each slot's names in `library`, which the change test compares with.
    void BuildShortcutIcons(ShortcutLibrary& library, platform::IconService& icons);

    // ExtractFileIcons: the icons `path` shows, drawn once per icon name;
    // a desktop entry is taken from the listing's `entries`.
    const platform::FileIcons& ExtractFileIcons(const std::string& path, platform::IconService& icons,
                                                platform::DesktopEntryCache& entries);

    // Null images when the key is not held.
    QImage large(const std::string& key) const;
    QImage small(const std::string& key) const;
    bool contains(const std::string& key) const { return m_byKey.count(key) != 0; }
    int count() const { return static_cast<int>(m_byKey.size()); }

private:
    std::map<std::string, platform::FileIcons> m_byKey;
    std::unordered_map<std::string, platform::FileIcons> m_byName;
};

} // namespace launcher
