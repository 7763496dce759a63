#include "platform/desktop/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

ScreenSize QtScreen::size() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect geometry = screen->geometry();
    return {geometry.width(), geometry.height()};
}

} // namespace platform
