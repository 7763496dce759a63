#pragma once

#include "launcher/skin/SkinColor.h"
#include "launcher/skin/SkinLimits.h"

#include <array>
#include <string>
#include <vector>

namespace launcher {

// Everything a skin definition file says, with every missing key at its
// default and every value inside the bounds the launcher can work with.
// Positions and sizes are in pixels, as the file gives them.

struct SkinInfoKeys {
    std::string skinName;
    std::string authorName;
    std::string authorWebsite;
    std::string authorEmail;
    std::string authorComment;
    std::string skinCopyright;
    std::string skinDescription;
    int skinThumbnail = 0;
    std::string skinStartupSound;
    std::string hotkey = "ScrollLock";
    int alwaysOnTop = 0;
    int enableSound = 1;
    int positionX = 2;
    int positionY = 1;
    int sectionNum = 0;          // at most kMaxSections
    int actionButtonStyles = 1;  // at most kMaxButtonStyles
};

struct UserSettingsKeys {
    int startupLeft = -1;
    int startupTop = -1;
    int shaded = 0;
};

enum class ActionButton { Exit = 0, Shortcut = 1, Skin = 2 };
inline constexpr int kActionButtonCount = 3;

struct ActionButtonKeys {
    int transparency = 0;
    int left = 0;
    int top = 0;
    bool regionOnly = false;
    // 0 pressed, 1 released, 2 the button's action, 3 pointer enters.
    std::array<std::string, 4> sounds;
};

struct ClockKeys {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int alignment = 255; // 255: the skin has no clock
    std::string fontName;
    int fontSize = 7;
    bool fontBold = false;
    bool fontItalic = false;
    std::string format = "h:mm am/pm";
    RgbColor fontColor;

    bool hasClock() const { return alignment != 255; }
};

struct ShadingKeys {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string shadeSound;
    std::string restoreSound;

    // Shading is possible only when this is above 0.
    int shadingSize() const { return width + height; }
};

struct FilmLoopKeys {
    bool useFilmLoop = false;
    int frameCount = 0; // at least 1 when the film loop is used
    int frameRate = 0;
    bool useTransparency = false;
    int left = 0;
    int top = 0;
};

struct SlotKeys {
    int left = 0;
    int top = 0;
    int style = 0; // always below the skin's style count (or 0)
};

struct SectionKeys {
    int style = 0; // window background number shown while the section is current
    int transparency = 0;
    int left = 0;
    int top = 0;
    int textAlignment = 7; // 255: no caption
    // 0 pointer enters, 1 pressed, 2 released.
    std::array<std::string, 3> sounds;
    bool regionOnly = false;
    // ActionButtonNumber of them, at most kMaxSlotsPerSection. (Not "slots":
    // Qt reserves that word.)
    std::vector<SlotKeys> launchSlots;
    RgbColor fontColor{255, 255, 255};
    RgbColor hoverColor{255, 255, 255};
    RgbColor currentColor{255, 255, 255};
    std::string fontName = "ms sans serif";
    int fontSize = 8;
    bool fontBold = false;
    bool fontItalic = false;
};

struct StyleKeys {
    int transparency = 0;
    bool regionOnly = false;
    int textAlignment = 1;
    int captionAlignment = 255; // 255: not given
    int textLeft = 0;
    int textTop = 0;
    int textWidth = 50;
    int textHeight = 20;
    // 0 pointer enters, 1 pressed, 2 released, 3 dragged over, 4 dropped on.
    std::array<std::string, 5> sounds;
    int iconAlignment = 7;
    int iconSize = 0;
    std::string fontColorText = "FFFFFF";
    RgbColor fontColor{255, 255, 255};
    std::string fontHoverColorText = "FFFFFF";
    RgbColor fontHoverColor{255, 255, 255};
    bool fontBold = false;
    std::string fontName = "ms sans serif";
    int fontSize = 8;
    bool fontItalic = false;
};

struct SkinDefinition {
    SkinInfoKeys info;
    UserSettingsKeys userSettings;
    std::array<ActionButtonKeys, kActionButtonCount> actionButtons;
    ClockKeys clock;
    ShadingKeys shading;
    std::array<FilmLoopKeys, kFilmLoopCount> filmLoops;
    std::vector<SectionKeys> sections; // info.sectionNum of them
    std::vector<StyleKeys> styles;     // info.actionButtonStyles of them
};

} // namespace launcher
