#include "launcher/library/ShortcutLabel.h"

#include "launcher/config/NameOrder.h"
#include "launcher/library/ShortcutNames.h"

#include <algorithm>

namespace launcher {

ShortcutLabel ShortcutLabelOf(const std::string& folder, const std::string& fileName,
                              platform::DesktopEntryCache& entries)
{
    ShortcutLabel label{ShortcutCaption(fileName), {}};
    bool noDisplay = false;
    if (shortcutKindOf(fileName) == ShortcutKind::DesktopEntry) {
        // Whoever draws the icons reports a file that cannot be read.
        const auto& entry = entries.read(folder + "/" + fileName).entry;
        if (entry) {
            const std::string name = CutAtControlCharacter(entry->name());
            if (!name.empty())
                label.caption = name;
            noDisplay = entry->isNoDisplay();
        }
    }
    label.toolTip = " " + label.caption + (noDisplay ? " (not shown in menus) " : " ");
    return label;
}

void SortByShownCaption(const std::string& folder, std::vector<std::string>& fileNames,
                        platform::DesktopEntryCache& entries)
{
    std::vector<std::pair<std::string, std::string>> byCaption;
    byCaption.reserve(fileNames.size());
    for (std::string& name : fileNames) {
        std::string caption = ShortcutLabelOf(folder, name, entries).caption;
        byCaption.emplace_back(std::move(caption), std::move(name));
    }
    std::stable_sort(byCaption.begin(), byCaption.end(),
                     [](const auto& a, const auto& b) { return ComesFirstInNameOrder(a.first, b.first); });
    for (size_t i = 0; i < fileNames.size(); ++i)
        fileNames[i] = std::move(byCaption[i].second);
}

} // namespace launcher
