#pragma once

class QWidget;

namespace platform {

// Moves a top-level window to a position of the program's choosing (its
// frame's top-left corner, in desktop pixels) in a way the window manager
// honours: before the window is first shown, the position goes into the
// window's size hints as one the user asked for, which stops the window
// manager from placing the window itself; afterwards it is a plain move.
void placeWindow(QWidget& window, int left, int top);

} // namespace platform
