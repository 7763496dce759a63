#pragma once

#include "platform/shortcuts/DesktopEntryCache.h"

#include <string>
#include <vector>

namespace launcher {

// What a launch button shows for one shortcut file.
struct ShortcutLabel {
    std::string caption;
    std::string toolTip; // the caption with a blank on each side, plus any remark
};

// The label of `fileName` in `folder`: a desktop entry shows its Name in the
// user's language (cut at its first control character); every other file,
// and an entry without a usable Name, shows the file name without its
// shortcut extension. An entry meant to be left out of menus (NoDisplay) is
// shown, and its tool tip says so. Desktop entries come from `entries`.
ShortcutLabel ShortcutLabelOf(const std::string& folder, const std::string& fileName,
                              platform::DesktopEntryCache& entries);

// Orders shortcut file names by the captions their buttons show, in name
// order; files whose captions compare equal keep their order.
void SortByShownCaption(const std::string& folder, std::vector<std::string>& fileNames,
                        platform::DesktopEntryCache& entries);

} // namespace launcher
