#include "launcher/startup/Launcher.h"

#include "launcher/config/IniValues.h"
#include "launcher/controls/Twips.h"
#include "launcher/skin/WindowPlacement.h"

namespace launcher {

// Places the window by the skin's PositionX/PositionY. The rest of the
// window-wide skin options (action buttons, clock, shade strip, film loops,
// hot key) join here as those parts land.
void Launcher::LoadSkinOptions()
{
    const int positionX = static_cast<int>(parseWholeNumber(skinValue("SkinInfo", "PositionX", 2)).value_or(2));
    const int positionY = static_cast<int>(parseWholeNumber(skinValue("SkinInfo", "PositionY", 1)).value_or(1));
    const platform::ScreenSize screen = m_services.screen.size();
    const TwipsPoint current{static_cast<long>(m_form->x()) * controls::kTwipsPerPixelX,
                             static_cast<long>(m_form->y()) * controls::kTwipsPerPixelY};
    const TwipsPoint placed =
        PlaceWindow(positionX, positionY, static_cast<long>(screen.widthPx) * controls::kTwipsPerPixelX,
                    static_cast<long>(screen.heightPx) * controls::kTwipsPerPixelY,
                    static_cast<long>(m_form->width()) * controls::kTwipsPerPixelX,
                    static_cast<long>(m_form->height()) * controls::kTwipsPerPixelY, current);
    m_form->move(controls::pixelsFromTwipsX(static_cast<double>(placed.left)),
                 controls::pixelsFromTwipsY(static_cast<double>(placed.top)));
}

} // namespace launcher
