#pragma once

#include <string_view>

namespace launcher {

// A key combination as the hot-key control takes it.
struct HotKeySetting {
    bool ctrlKey = false;
    bool altKey = false;
    bool shiftKey = false;
    int maskKey = 0; // virtual-key code; 0: no key (the hot key is unset)

    friend bool operator==(const HotKeySetting&, const HotKeySetting&) = default;
};

// Reads a skin's hot-key text ("ScrollLock", "ctrl+f1", "ctrl+alt+x"):
// modifier words in the order ctrl, alt, shift, each followed by one
// separator character, then "scrolllock", "f1" … "f16", or a key whose code
// is its last character's upper-cased code. A text that leaves no key (empty,
// "ctrl+", a modifier word alone) gives maskKey 0: the hot key stays unset.
HotKeySetting ParseHotKeyText(std::string_view text);

} // namespace launcher
