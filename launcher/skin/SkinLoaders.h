#pragma once

#include "launcher/config/AppPaths.h"
#include "launcher/skin/HotKeyText.h"
#include "launcher/skin/SkinDefinition.h"
#include "launcher/skin/SkinnedControls.h"
#include "platform/profile/ProfileStore.h"

#include <QPoint>
#include <QSize>

#include <string>
#include <vector>

namespace launcher {

// What the loaders read from: the skin in use.
struct SkinSource {
    platform::ProfileStore& profiles;
    const AppPaths& paths;
    std::string skinName;
    // Device pixels per skin pixel the pictures are loaded for (see
    // PictureScaleForRatio); positions and sizes stay in skin pixels.
    int pictureScale = 1;

    std::string folder() const { return paths.SkinFolder(skinName); }
    std::string iniPath() const { return paths.SkinIniPath(skinName); }
};

// The window-wide settings the skin gives, kept for the whole run.
struct SkinWindowSettings {
    HotKeySetting hotKey;
    bool soundEnabled = true;
    bool alwaysOnTop = false;
};

// Missing pictures the skin cannot do without. Empty when it loaded.
using SkinLoadErrors = std::vector<std::string>;

// The window-wide part of the skin: hot key, placement, sound switch, the
// three action buttons, clock, always-on-top, shade strip, shade picture and
// the film loops. `skin` receives the tables the interaction code uses.
SkinLoadErrors LoadSkinOptions(const SkinSource& source, QSize screenPx, SkinDefinition& skin,
                               SkinWindowSettings& settings, SkinnedControls& controls, SkinImages& images);

// The section panels and their tables, and (on the first run only) the
// window backgrounds. Runs again when the library is re-read.
SkinLoadErrors LoadSectionPanels(const SkinSource& source, SkinDefinition& skin, SkinnedControls& controls,
                                 SkinImages& images);

// The launch-button styles: pictures into one image list per style, and the
// style tables. Creates no button.
SkinLoadErrors LoadButtonStyles(const SkinSource& source, SkinDefinition& skin, SkinImages& images);

// The four state pictures of a section, by state 1 … 4.
inline constexpr int kSectionStates = 4;

} // namespace launcher
