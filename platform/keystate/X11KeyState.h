#pragma once

#include "platform/keystate/KeyStateService.h"

#include <memory>
#include <string>

namespace quorvex::platform {

class KeyboardStateService;
class X11KeyboardSource;

// The key state of the X server's keyboard: the service's logic over an X11
// keyboard source of its own. Without a display it says so once on standard
// error and reports every key up.
class X11KeyState final : public KeyStateService {
public:
    // displayName empty: the DISPLAY environment variable.
    explicit X11KeyState(const std::string& displayName = {});
    ~X11KeyState() override;
    X11KeyState(const X11KeyState&) = delete;
    X11KeyState& operator=(const X11KeyState&) = delete;

    bool isConnected() const;
    // Whether presses between two queries are seen (XInput 2).
    bool seesTaps() const;
    std::int16_t asyncKeyState(int virtualKey) override;
    KeyActivity keyActivity(int virtualKey) override;

private:
    std::unique_ptr<X11KeyboardSource> m_source;
    std::unique_ptr<KeyboardStateService> m_service;
};

} // namespace quorvex::platform
