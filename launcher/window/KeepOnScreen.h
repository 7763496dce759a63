#pragma once

#include "launcher/window/PixelGeometry.h"

#include <vector>

namespace launcher {

// How much of a window must show on one screen for the user to get hold of
// it: a square this size, or the whole window where it is smaller (a shaded
// window may be a thin strip).
inline constexpr int kUsablePartPx = 32;

// Where a window has to be so that the user can reach it. A window that
// shows a usable part on some screen stays where it is. Any other window
// (left behind by a larger or an unplugged monitor) goes onto the nearest
// screen, just far enough to lie wholly on it, which leaves it flush with
// the edge it was past; a window larger than that screen keeps its top-left
// corner on it. Without any screen nothing moves.
PixelPoint KeepOnScreen(const PixelRect& window, const std::vector<PixelRect>& screens);

} // namespace launcher
