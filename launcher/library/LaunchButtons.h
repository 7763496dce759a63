#pragma once

#include "launcher/skin/SkinColor.h"
#include "launcher/skin/SkinLimits.h"

#include <array>
#include <string>

namespace launcher {

class ShortcutLibrary;

enum class LaunchIcon { None, Large, Small };

struct ButtonFont {
    std::string name;
    int sizePt = 8;
    bool bold = false;
    bool italic = false;
    RgbColor color;
};

// What launch button i (SSButton(i) with its label BLabel(i)) shows at rest.
// Positions are pixels relative to the window; the button's size is that of
// its style's "Button1" picture (also when the style is region-only).
struct LaunchButtonView {
    bool visible = false;
    std::string fileName; // the shortcut file in the section folder
    std::string caption;  // the file name without its extension, or an entry's Name
    std::string toolTip;  // the caption with a blank on each side (see ShortcutLabel)
    int leftPx = 0;
    int topPx = 0;
    int style = 0;        // style number: picture list and hover/press looks
    int transparency = 0; // BackStyle and property 76
    bool showStateImage = true; // false for region-only styles: no picture

    // The panel draws the caption itself unless the style's CaptionAlignment
    // is 255; then panelCaption is "".
    bool panelDrawsCaption = false;
    int captionAlignment = 255;
    std::string panelCaption;

    // The separate label, placed relative to the button, unless the style's
    // TextAlignment is 255.
    bool labelVisible = false;
    int labelAlignment = 0;
    int labelLeftPx = 0; // relative to the window, like leftPx
    int labelTopPx = 0;
    int labelWidthPx = 0;
    int labelHeightPx = 0;

    ButtonFont font; // for whichever caption is drawn

    LaunchIcon icon = LaunchIcon::None;
    std::string iconKey; // ShortcutIconKey of the shortcut, when icon != None
    int iconAlignment = 7;
};

struct LaunchButtonSet {
    std::array<LaunchButtonView, kMaxSlotsPerSection> buttons;
    int VisibleButtonCount = 0;
    std::string sectionFolder; // where the shown shortcut files lie
};

// PopulateLaunchButtons: the launch buttons of CurrentSection. Buttons at
// and beyond VisibleButtonCount are hidden, as are all of them when no
// section is current (CurrentSection 0) or the skin has no such section.
// A slot whose style the skin lacks is drawn with the default style.
LaunchButtonSet PopulateLaunchButtons(const ShortcutLibrary& library);

} // namespace launcher
