#include "launcher/controls/PointerCodes.h"

#include <utility>

namespace controls {

namespace {

template <typename Flags, typename Flag, size_t N>
int codeFromFlags(Flags flags, const std::pair<Flag, int> (&table)[N])
{
    int code = 0;
    for (const auto& [flag, bit] : table) {
        if (flags & flag)
            code |= bit;
    }
    return code;
}

} // namespace

int mouseButtonCode(Qt::MouseButtons buttons)
{
    static constexpr std::pair<Qt::MouseButton, int> kTable[] = {
        {Qt::LeftButton, MouseButtonCode::kLeft},
        {Qt::RightButton, MouseButtonCode::kRight},
        {Qt::MiddleButton, MouseButtonCode::kMiddle},
    };
    return codeFromFlags(buttons, kTable);
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    static constexpr std::pair<Qt::KeyboardModifier, int> kTable[] = {
        {Qt::ShiftModifier, ShiftCode::kShift},
        {Qt::ControlModifier, ShiftCode::kCtrl},
        {Qt::AltModifier, ShiftCode::kAlt},
    };
    return codeFromFlags(modifiers, kTable);
}

int dropEffectCode(Qt::DropActions actions)
{
    static constexpr std::pair<Qt::DropAction, int> kTable[] = {
        {Qt::CopyAction, DropEffectCode::kCopy},
        {Qt::MoveAction, DropEffectCode::kMove},
        {Qt::LinkAction, DropEffectCode::kLink},
    };
    return codeFromFlags(actions, kTable);
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
