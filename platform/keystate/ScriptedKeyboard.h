#pragma once

#include "platform/keystate/KeyboardSource.h"

#include <unordered_map>

namespace quorvex::platform {

// A keyboard source for tests. Keycodes are the virtual-key codes themselves
// (0..255); presses and releases change the keymap and are reported as
// transitions unless the source is told that it cannot see them.
class ScriptedKeyboard final : public KeyboardSource {
public:
    void press(int keycode) { change(keycode, true); }
    void release(int keycode) { change(keycode, false); }
    // A press and a release, both before the next update.
    void tap(int keycode)
    {
        press(keycode);
        release(keycode);
    }
    // A transition whose key the keymap does not follow (a release of a key
    // that was down before the source started, a keycode out of range).
    void reportOnly(int keycode, bool pressed) { m_pending.push_back({keycode, pressed}); }

    void setSeesTransitions(bool sees) { m_seesTransitions = sees; }
    void setConnected(bool connected) { m_connected = connected; }
    int updateCount() const { return m_updates; }

    bool isConnected() const override { return m_connected; }
    void update(Keymap& keymap, std::vector<KeyTransition>& transitions) override;
    const std::vector<int>& keycodesFor(int virtualKey) override;
    std::optional<bool> pointerButtonDown(int) override { return std::nullopt; }

private:
    void change(int keycode, bool down);

    Keymap m_keymap;
    std::vector<KeyTransition> m_pending;
    std::unordered_map<int, std::vector<int>> m_keycodes;
    bool m_seesTransitions = true;
    bool m_connected = true;
    int m_updates = 0;
};

} // namespace quorvex::platform
