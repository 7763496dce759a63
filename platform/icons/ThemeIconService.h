#pragma once

#include "platform/icons/IconService.h"

namespace platform {

// Icons from the desktop icon theme through Qt. Needs a QGuiApplication for
// drawing theme icons; without one every icon is the built-in one.
class ThemeIconService final : public IconService {
public:
    // Outside a desktop session (a bare window manager, the offscreen
    // platform) Qt knows no icon theme and no theme folders; then the
    // system's icon folders are added and the first installed common theme
    // becomes the application's theme.
    ThemeIconService();

    std::string iconNameFor(const std::string& path, DesktopEntryCache& entries) override;
    FileIcons iconsNamed(const std::string& iconName) override;
};

// The built-in icon, drawn in code: a sheet of paper with a folded corner,
// so that a button never shows an empty square.
QImage drawFallbackIcon(int sizePx);

} // namespace platform
