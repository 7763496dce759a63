#include "launcher/window/WindowTimers.h"

#include "launcher/controls/PointerCodes.h"

namespace launcher {

bool FilmLoopPressShowsSplash(int button)
{
    return button == controls::MouseButtonCode::kRight;
}

} // namespace launcher
