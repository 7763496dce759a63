#pragma once

#include <bitset>
#include <optional>
#include <vector>

namespace quorvex::platform {

// Keys held right now, by keycode (0..255).
using Keymap = std::bitset<256>;

// One press or release of a key, as the keyboard reported it.
struct KeyTransition {
    int keycode = 0;
    bool pressed = false;
};

// Where a key-state service gets its facts: the keys held now and, when the
// source can see them, every press and release in between. A source that
// cannot see transitions hands over none.
class KeyboardSource {
public:
    virtual ~KeyboardSource() = default;

    virtual bool isConnected() const = 0;
    // Brings `keymap` up to date and appends the transitions seen since the
    // previous update, oldest first.
    virtual void update(Keymap& keymap, std::vector<KeyTransition>& transitions) = 0;
    // The keycodes that stand for a virtual-key code (empty: no such key).
    virtual const std::vector<int>& keycodesFor(int virtualKey) = 0;
    // Whether a mouse button is held; nothing when the code is no button.
    virtual std::optional<bool> pointerButtonDown(int virtualKey) = 0;
};

} // namespace quorvex::platform
