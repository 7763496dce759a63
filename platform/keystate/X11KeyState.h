#pragma once

#include "platform/keystate/KeyStateService.h"

#include <memory>
#include <string>
#include <vector>

namespace quorvex::platform {

// The X11 keysyms that stand for a virtual-key code (empty for mouse buttons
// and for codes with no key behind them). Letters give their lower-case
// keysym, which is what the keyboard map holds at the first level.
std::vector<unsigned long> keysymsForVirtualKey(int virtualKey);

// Key state read from the X server with XQueryKeymap (and XQueryPointer for
// the mouse buttons) over a display connection of its own, so that it never
// disturbs the toolkit's connection. Without a display it says so once on
// standard error and reports every key up.
class X11KeyState final : public KeyStateService {
public:
    // displayName empty: the DISPLAY environment variable.
    explicit X11KeyState(const std::string& displayName = {});
    ~X11KeyState() override;
    X11KeyState(const X11KeyState&) = delete;
    X11KeyState& operator=(const X11KeyState&) = delete;

    bool isConnected() const;
    std::int16_t asyncKeyState(int virtualKey) override;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace quorvex::platform
