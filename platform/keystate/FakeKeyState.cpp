#include "platform/keystate/FakeKeyState.h"

namespace quorvex::platform {

std::int16_t FakeKeyState::asyncKeyState(int virtualKey)
{
    m_queries.push_back(virtualKey);
    const bool downNow = m_down.count(virtualKey) != 0;
    if (m_tapped.erase(virtualKey) != 0 && !downNow) {
        m_tracker.sample(virtualKey, false);
        return static_cast<std::int16_t>(kKeyWentDown);
    }
    return m_tracker.sample(virtualKey, downNow);
}

} // namespace quorvex::platform
