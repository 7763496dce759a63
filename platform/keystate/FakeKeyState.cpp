#include "platform/keystate/FakeKeyState.h"

namespace quorvex::platform {

std::int16_t FakeKeyState::asyncKeyState(int virtualKey)
{
    m_queries.push_back(virtualKey);
    return m_service.asyncKeyState(virtualKey);
}

KeyActivity FakeKeyState::keyActivity(int virtualKey)
{
    m_queries.push_back(virtualKey);
    return m_service.keyActivity(virtualKey);
}

void FakeKeyState::press(int virtualKey)
{
    if (m_down.insert(virtualKey).second)
        m_keyboard.press(virtualKey);
}

void FakeKeyState::release(int virtualKey)
{
    if (m_down.erase(virtualKey) != 0)
        m_keyboard.release(virtualKey);
}

void FakeKeyState::hold(std::initializer_list<int> virtualKeys)
{
    const std::set<int> wanted(virtualKeys);
    for (auto it = m_down.begin(); it != m_down.end();) {
        const int key = *it++;
        if (wanted.count(key) == 0)
            release(key);
    }
    for (int key : wanted)
        press(key);
}

} // namespace quorvex::platform
