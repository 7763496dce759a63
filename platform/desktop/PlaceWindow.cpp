#include "platform/desktop/PlaceWindow.h"

#include <QWidget>
#include <QWindow>

namespace platform {

void placeWindow(QWidget& window, int left, int top)
{
    window.move(left, top);
    // Once the native window exists, a move to the position it already has
    // never reaches it, and the window keeps counting as not placed (no
    // position in its size hints, so the window manager picks one).
    // Setting the native geometry marks the position as chosen either way.
    if (QWindow* native = window.windowHandle(); native && !window.isVisible())
        native->setGeometry(QRect(QPoint(left, top), window.size()));
}

} // namespace platform
