#pragma once

#include "platform/shortcuts/DesktopEntryCache.h"

#include <string>

namespace platform {

// Theme names for the icons a shortcut shows in place of its own file icon:
// a shell link shows the icon file it names when that file lies here (as an
// absolute image path), else its target's icon, an internet shortcut the web
// browser's, a desktop entry its Icon key.
inline constexpr const char* kBrowserIconName = "web-browser";
inline constexpr const char* kProgramIconName = "application-x-executable";
inline constexpr const char* kFolderIconName = "folder";

// The icon name for `path` by the rules above; for any other file, the icon
// of its content type. `hasIcon` tells whether the theme knows a name, so
// that a specific content-type icon can fall back to its generic one. A
// desktop entry comes from `entries`; one that cannot be read is reported.
std::string shortcutIconName(const std::string& path, bool (*hasIcon)(const std::string&), DesktopEntryCache& entries);

} // namespace platform
