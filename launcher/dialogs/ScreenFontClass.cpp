#include "launcher/dialogs/ScreenFontClass.h"

#include <QApplication>
#include <QFontInfo>

namespace launcher {

std::string ScreenFontClassForHeight(int characterHeightPx)
{
    return characterHeightPx > 16 ? "8514" : "VGA";
}

std::string ScreenFontClass()
{
    if (!qApp)
        return "VGA";
    return ScreenFontClassForHeight(QFontInfo(QApplication::font()).pixelSize());
}

} // namespace launcher
