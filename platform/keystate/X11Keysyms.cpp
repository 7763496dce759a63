#include "platform/keystate/X11Keysyms.h"

#include "platform/keystate/KeyStateService.h"

#include <X11/keysym.h>

namespace quorvex::platform {

std::vector<unsigned long> keysymsForVirtualKey(int virtualKey)
{
    if (virtualKey >= vk::kA && virtualKey < vk::kA + 26)
        return {static_cast<unsigned long>(XK_a + (virtualKey - vk::kA))};
    if (virtualKey >= vk::k0 && virtualKey < vk::k0 + 10)
        return {static_cast<unsigned long>(XK_0 + (virtualKey - vk::k0))};
    if (virtualKey >= vk::kNumpad0 && virtualKey < vk::kNumpad0 + 10)
        return {static_cast<unsigned long>(XK_KP_0 + (virtualKey - vk::kNumpad0))};
    if (virtualKey >= vk::kF1 && virtualKey < vk::kF1 + 16)
        return {static_cast<unsigned long>(XK_F1 + (virtualKey - vk::kF1))};

    switch (virtualKey) {
    case vk::kCancel: return {XK_Cancel, XK_Break};
    case vk::kBack: return {XK_BackSpace};
    case vk::kTab: return {XK_Tab, XK_ISO_Left_Tab};
    case vk::kClear: return {XK_Clear};
    case vk::kReturn: return {XK_Return, XK_KP_Enter};
    // The generic modifier codes stand for either the left or the right key.
    case vk::kShift: return {XK_Shift_L, XK_Shift_R};
    case vk::kControl: return {XK_Control_L, XK_Control_R};
    case vk::kMenu: return {XK_Alt_L, XK_Alt_R};
    case vk::kPause: return {XK_Pause};
    case vk::kCapital: return {XK_Caps_Lock};
    case vk::kEscape: return {XK_Escape};
    case vk::kSpace: return {XK_space};
    case vk::kPrior: return {XK_Prior};
    case vk::kNext: return {XK_Next};
    case vk::kEnd: return {XK_End};
    case vk::kHome: return {XK_Home};
    case vk::kLeft: return {XK_Left};
    case vk::kUp: return {XK_Up};
    case vk::kRight: return {XK_Right};
    case vk::kDown: return {XK_Down};
    case vk::kSelect: return {XK_Select};
    // X has a single print key; both print codes read it.
    case vk::kPrint: return {XK_Print};
    case vk::kExecute: return {XK_Execute};
    case vk::kSnapshot: return {XK_Print};
    case vk::kInsert: return {XK_Insert};
    case vk::kDelete: return {XK_Delete};
    case vk::kHelp: return {XK_Help};
    case vk::kMultiply: return {XK_KP_Multiply};
    case vk::kAdd: return {XK_KP_Add};
    case vk::kSeparator: return {XK_KP_Separator};
    case vk::kSubtract: return {XK_KP_Subtract};
    case vk::kDecimal: return {XK_KP_Decimal};
    case vk::kDivide: return {XK_KP_Divide};
    case vk::kNumLock: return {XK_Num_Lock};
    case vk::kScroll: return {XK_Scroll_Lock};
    default: return {};
    }
}

} // namespace quorvex::platform
