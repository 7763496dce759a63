// Where the launcher window opens, how it stays within reach when the
// screens change, and its place among the windows of the programs it starts.
#include "launcher/startup/Launcher.h"

#include "launcher/config/IniValues.h"
#include "launcher/controls/Twips.h"
#include "launcher/window/KeepOnScreen.h"
#include "platform/desktop/PlaceWindow.h"

#include <algorithm>

namespace launcher {

namespace {

// What a stored coordinate holds when there is none: the skin's placement
// stands. Any other number is where the user left the window, off the left
// or top edge included.
constexpr long kNoStoredPosition = -1;

} // namespace

void Launcher::RestoreStoredPosition()
{
    const long left =
        parseWholeNumber(skinValue("UserSettings", "StartupLeft", kNoStoredPosition)).value_or(kNoStoredPosition);
    const long top =
        parseWholeNumber(skinValue("UserSettings", "StartupTop", kNoStoredPosition)).value_or(kNoStoredPosition);
    QPoint position = m_form->pos();
    if (left != kNoStoredPosition)
        position.setX(controls::pixelsFromTwipsX(static_cast<double>(left) * controls::kTwipsPerPixelX));
    if (top != kNoStoredPosition)
        position.setY(controls::pixelsFromTwipsY(static_cast<double>(top) * controls::kTwipsPerPixelY));
    m_form->move(position);
}

void Launcher::KeepWindowOnScreen()
{
    std::vector<PixelRect> screens;
    for (const platform::ScreenArea& area : m_services.screen.areas())
        screens.push_back({area.left, area.top, area.widthPx, area.heightPx});
    const QRect frame = m_form->frameGeometry();
    const PixelPoint reachable = KeepOnScreen({frame.x(), frame.y(), frame.width(), frame.height()}, screens);
    // Before the first showing the position is handed over even when it is
    // unchanged, so that the window manager takes it as given. Such a move is
    // not the user's: the stored position stays as the user left it.
    if (!m_form->isVisible() || reachable != PixelPoint{frame.x(), frame.y()})
        platform::placeWindow(*m_form, reachable.x, reachable.y);
}

void Launcher::StoreScreenSize()
{
    const platform::ScreenSize screen = m_services.screen.size();
    m_state.ScreenWidthTwips = static_cast<long>(screen.widthPx) * controls::kTwipsPerPixelX;
    m_state.ScreenHeightTwips = static_cast<long>(screen.heightPx) * controls::kTwipsPerPixelY;
}

void Launcher::ScreenLayoutChanged()
{
    // Dragging snaps to the edges of the screen as it is now.
    StoreScreenSize();
    KeepWindowOnScreen();
}

void Launcher::BringForwardWindowsOpenedSince(const std::vector<platform::WindowId>& before)
{
    // Bottom to top, so that they keep their order among themselves.
    for (platform::WindowId window : m_services.stacking.otherProgramsWindows())
        if (std::find(before.begin(), before.end(), window) == before.end())
            m_services.stacking.raiseOther(window);
}

} // namespace launcher
