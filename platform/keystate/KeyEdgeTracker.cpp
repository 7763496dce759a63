#include "platform/keystate/KeyEdgeTracker.h"

#include "platform/keystate/KeyStateService.h"

namespace quorvex::platform {

std::int16_t KeyEdgeTracker::sample(int virtualKey, bool downNow)
{
    bool& wasDown = m_wasDown[virtualKey];
    std::uint16_t state = 0;
    if (downNow) {
        state = kKeyDownNow;
        if (!wasDown)
            state |= kKeyWentDown;
    }
    wasDown = downNow;
    return static_cast<std::int16_t>(state);
}

} // namespace quorvex::platform
