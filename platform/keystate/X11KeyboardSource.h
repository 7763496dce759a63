#pragma once

#include "platform/keystate/KeyboardSource.h"

#include <chrono>
#include <string>
#include <unordered_map>

struct _XDisplay;

namespace quorvex::platform {

// The keyboard of an X server, over a display connection of its own so that
// it never disturbs the toolkit's connection. The keymap comes from
// XQueryKeymap; the presses and releases in between come from XInput 2 raw
// key events selected on the root window, which reach this client whichever
// window has the focus. Nothing reads the connection but update(), so the
// events wait in it between two polls and cost no wake-up. Without XInput 2
// it says so once on standard error and reports no transitions.
class X11KeyboardSource final : public KeyboardSource {
public:
    // displayName empty: the DISPLAY environment variable.
    explicit X11KeyboardSource(const std::string& displayName = {});
    ~X11KeyboardSource() override;
    X11KeyboardSource(const X11KeyboardSource&) = delete;
    X11KeyboardSource& operator=(const X11KeyboardSource&) = delete;

    bool seesTransitions() const { return m_inputOpcode >= 0; }

    bool isConnected() const override { return m_display != nullptr; }
    void update(Keymap& keymap, std::vector<KeyTransition>& transitions) override;
    const std::vector<int>& keycodesFor(int virtualKey) override;
    std::optional<bool> pointerButtonDown(int virtualKey) override;

private:
    void selectRawKeyEvents();
    void drainEvents(std::vector<KeyTransition>& transitions);

    _XDisplay* m_display = nullptr;
    int m_inputOpcode = -1;
    // Filled on first use and dropped when the server announces a new
    // keyboard mapping.
    std::unordered_map<int, std::vector<int>> m_keycodes;
    Keymap m_keymap;
    std::chrono::steady_clock::time_point m_keymapTime{};
    bool m_haveKeymap = false;
    unsigned m_pointerMask = 0;
    std::chrono::steady_clock::time_point m_pointerTime{};
    bool m_havePointer = false;
};

} // namespace quorvex::platform
