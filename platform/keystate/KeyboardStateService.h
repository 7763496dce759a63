#pragma once

#include "platform/keystate/KeyStateService.h"
#include "platform/keystate/KeyboardSource.h"

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace quorvex::platform {

// The asynchronous key state over a keyboard source. Every press and release
// the source reports is counted per keycode; each virtual-key code remembers
// the counts and the down state at its own previous query, so a key pressed
// and released between two queries of it reads as "up, pressed since" even
// though the keymap never showed it down. Without transitions the went-down
// bit falls back to "down now, up at the previous query".
class KeyboardStateService final : public KeyStateService {
public:
    explicit KeyboardStateService(KeyboardSource& source);

    std::int16_t asyncKeyState(int virtualKey) override;
    KeyActivity keyActivity(int virtualKey) override;

private:
    struct Counts {
        std::uint64_t presses = 0;
        std::uint64_t releases = 0;
    };
    struct Seen {
        Counts counts;
        bool down = false;
    };

    void update();
    Counts countsFor(const std::vector<int>& keycodes) const;

    KeyboardSource& m_source;
    Keymap m_keymap;
    std::vector<KeyTransition> m_transitions;
    std::array<Counts, 256> m_counts{};
    std::unordered_map<int, Seen> m_seen;
};

} // namespace quorvex::platform
