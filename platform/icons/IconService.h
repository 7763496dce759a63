#pragma once

#include "platform/shortcuts/DesktopEntryCache.h"

#include <QImage>

#include <string>

namespace platform {

inline constexpr int kLargeIconPx = 32;
inline constexpr int kSmallIconPx = 16;

// A file's icon in the two sizes launch buttons show, in logical pixels; on
// a high-density screen the images hold more device pixels and carry the
// screen's device-pixel ratio.
struct FileIcons {
    QImage large; // kLargeIconPx square
    QImage small; // kSmallIconPx square
};

// File icons from the desktop's icon theme. Finding which icon a file shows
// is cheap and done per file; drawing an icon is the expensive step, so it is
// asked for by name and callers keep what they drew.
class IconService {
public:
    virtual ~IconService() = default;

    // The name of the icon `path` shows: a theme icon name or an absolute
    // image path; "" stands for the built-in icon. A desktop entry is taken
    // from `entries`, which the rest of its folder's listing shares.
    virtual std::string iconNameFor(const std::string& path, DesktopEntryCache& entries) = 0;

    // The icon `iconName` at both sizes; a name the theme does not know gives
    // the built-in icon, so the result is never null.
    virtual FileIcons iconsNamed(const std::string& iconName) = 0;
};

} // namespace platform
