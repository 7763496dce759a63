#include "launcher/controls/PointerCodes.h"

namespace controls {

int mouseButtonCode(Qt::MouseButtons buttons)
{
    int code = 0;
    if (buttons & Qt::LeftButton)
        code |= MouseButtonCode::kLeft;
    if (buttons & Qt::RightButton)
        code |= MouseButtonCode::kRight;
    if (buttons & Qt::MiddleButton)
        code |= MouseButtonCode::kMiddle;
    return code;
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    int code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= ShiftCode::kShift;
    if (modifiers & Qt::ControlModifier)
        code |= ShiftCode::kCtrl;
    if (modifiers & Qt::AltModifier)
        code |= ShiftCode::kAlt;
    return code;
}

int dropEffectCode(Qt::DropActions actions)
{
    int code = DropEffectCode::kNone;
    if (actions & Qt::CopyAction)
        code |= DropEffectCode::kCopy;
    if (actions & Qt::MoveAction)
        code |= DropEffectCode::kMove;
    if (actions & Qt::LinkAction)
        code |= DropEffectCode::kLink;
    return code;
}

Qt::DropAction safeDropAction(Qt::DropActions possible)
{
    if (possible & Qt::CopyAction)
        return Qt::CopyAction;
    if (possible & Qt::LinkAction)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

} // namespace controls
