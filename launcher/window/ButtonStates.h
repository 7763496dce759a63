#pragma once

#include "launcher/skin/SkinDefinition.h"
#include "launcher/window/WindowStep.h"

#include <vector>

namespace launcher {

// What the pointer did to a button. Buttons and shift use the launcher's
// pointer codes (left 1, right 2; Ctrl 2, Alt 4); positions are twips
// relative to the button.
enum class PointerEvent { Enter, Leave, Move, Press, Release };

struct PointerAction {
    PointerEvent event = PointerEvent::Enter;
    int button = 0;
    int shift = 0;
    float xTwips = 0;
    float yTwips = 0;
};

// Launch button `index` of the current section, drawn in `style`.
struct LaunchButtonContext {
    int index = 0;
    const StyleKeys& style;
    int widthTwips = 0;
    int heightTwips = 0;
    int shadingSize = 0; // the skin's [Shading] Width + Height
    // The launch button a drag-over left highlighted (-1 none) and its style.
    int dragHighlightButton = -1;
    const StyleKeys* dragHighlightStyle = nullptr;
};

// The steps of a pointer event on a launch button. Pictures come from the
// style's image list ("Button1" up, "Button2" pointer over, "Button3"
// pressed, "Button4" released inside) and are left alone for a region-only
// style; colours and sounds happen all the same. A left release inside
// launches; with Alt on a skin with a shade strip the window first rolls up
// after the release sound has played to its end. Moving over a button ends
// a drag-over highlight; one left on another button is put back to its up
// look, so that no button keeps a hover look the pointer is not giving it.
WindowSteps LaunchButtonSteps(const LaunchButtonContext& button, const PointerAction& action);

// Puts a launch button that a drag left highlighted back to its up look.
// Ends with clearing the highlight.
WindowSteps DragHighlightRestoreSteps(int index, const StyleKeys& style);

// The steps of the exit, shortcut-management or skin-management button. The
// mouse button and the release point do not matter: pressing, moving off and
// releasing still performs the button's action.
WindowSteps ActionButtonSteps(ActionButton which, const ActionButtonKeys& keys, PointerEvent event);

// Section button `index`; only buttons below `sectionFolderCount` are active.
struct SectionButtonContext {
    int index = 0;
    const std::vector<SectionKeys>& sections;
    int currentSection = 1; // 1-based; 0 when there is none
    int sectionFolderCount = 0;
};

// The steps of a pointer event on a section button. Hovering over the current
// or an inactive section changes nothing; a left press on an active one
// switches to it, and the window's background changes only when the new
// section's background number differs from the old one's.
WindowSteps SectionButtonSteps(const SectionButtonContext& button, const PointerAction& action);

} // namespace launcher
