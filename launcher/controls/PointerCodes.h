#pragma once

#include <Qt>

namespace controls {

// The launcher's pointer handlers speak in the numeric codes below, the codes
// its skins and handlers were written for; they are bit masks so that a move
// event can report several buttons held at once.
namespace MouseButtonCode {
inline constexpr int kLeft = 1;
inline constexpr int kRight = 2;
inline constexpr int kMiddle = 4;
} // namespace MouseButtonCode

namespace ShiftCode {
inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
inline constexpr int kAlt = 4;
} // namespace ShiftCode

// Drop effects offered by the source / chosen by the target.
namespace DropEffectCode {
inline constexpr int kNone = 0;
inline constexpr int kCopy = 1;
inline constexpr int kMove = 2;
inline constexpr int kLink = 4;
} // namespace DropEffectCode

// The state argument of a drag-over notification.
enum class DragState : int {
    Enter = 0,
    Leave = 1,
    Over = 2,
};

// Buttons other than left, right and middle are not reported.
int mouseButtonCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);
int dropEffectCode(Qt::DropActions actions);

// The action a panel reports back to the source of a drop. The launcher only
// ever copies or reads dropped files, so it must never answer "move": the
// source would then delete files that were not taken over. Copy is preferred,
// then link; with neither on offer the panel answers that it takes nothing.
Qt::DropAction safeDropAction(Qt::DropActions possible);

} // namespace controls
