#include "hotkey/server/SharedKeyState.h"

#include "platform/keystate/X11KeyState.h"

#include <memory>

namespace quorvex::hotkey {

namespace {

platform::KeyStateService* g_override = nullptr;

} // namespace

platform::KeyStateService& sharedKeyState()
{
    if (g_override)
        return *g_override;
    static const std::unique_ptr<platform::X11KeyState> real = std::make_unique<platform::X11KeyState>();
    return *real;
}

void setSharedKeyStateOverride(platform::KeyStateService* keyState)
{
    g_override = keyState;
}

} // namespace quorvex::hotkey
