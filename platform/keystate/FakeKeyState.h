#pragma once

#include "platform/keystate/KeyEdgeTracker.h"
#include "platform/keystate/KeyStateService.h"

#include <cstddef>
#include <initializer_list>
#include <set>
#include <vector>

namespace quorvex::platform {

// A scripted keyboard for tests: the test says which keys are held between
// two polls, and the fake answers queries the way the real backend would,
// including the per-key went-down bit. Every query is logged.
class FakeKeyState final : public KeyStateService {
public:
    std::int16_t asyncKeyState(int virtualKey) override;

    void press(int virtualKey) { m_down.insert(virtualKey); }
    void release(int virtualKey) { m_down.erase(virtualKey); }
    // Exactly these keys are down from now on; all others are up.
    void hold(std::initializer_list<int> virtualKeys) { m_down = virtualKeys; }
    // A press and release that both happen before the next query of the key:
    // that query sees only the went-down bit (1), the one after it 0.
    void tap(int virtualKey) { m_tapped.insert(virtualKey); }

    const std::vector<int>& queries() const { return m_queries; }
    std::size_t queryCount() const { return m_queries.size(); }
    void clearQueries() { m_queries.clear(); }

private:
    std::set<int> m_down;
    std::set<int> m_tapped;
    KeyEdgeTracker m_tracker;
    std::vector<int> m_queries;
};

} // namespace quorvex::platform
