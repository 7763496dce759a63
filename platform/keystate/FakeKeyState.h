#pragma once

#include "platform/keystate/KeyStateService.h"
#include "platform/keystate/KeyboardStateService.h"
#include "platform/keystate/ScriptedKeyboard.h"

#include <cstddef>
#include <initializer_list>
#include <set>
#include <vector>

namespace quorvex::platform {

// A scripted keyboard for tests: the test says which keys are held between
// two polls, and the fake answers queries through the real service logic,
// including the went-down bit of a key tapped between two queries. Every
// query is logged.
class FakeKeyState final : public KeyStateService {
public:
    FakeKeyState()
        : m_service(m_keyboard)
    {
    }

    std::int16_t asyncKeyState(int virtualKey) override;
    KeyActivity keyActivity(int virtualKey) override;

    void press(int virtualKey);
    void release(int virtualKey);
    // Exactly these keys are down from now on; all others are up.
    void hold(std::initializer_list<int> virtualKeys);
    // A press and release that both happen before the next query of the key:
    // that query sees only the went-down bit (1), the one after it 0.
    void tap(int virtualKey) { m_keyboard.tap(virtualKey); }

    const std::vector<int>& queries() const { return m_queries; }
    std::size_t queryCount() const { return m_queries.size(); }
    void clearQueries() { m_queries.clear(); }

private:
    ScriptedKeyboard m_keyboard;
    KeyboardStateService m_service;
    std::set<int> m_down;
    std::vector<int> m_queries;
};

} // namespace quorvex::platform
