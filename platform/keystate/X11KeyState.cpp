#include "platform/keystate/X11KeyState.h"

#include "platform/keystate/KeyboardStateService.h"
#include "platform/keystate/X11KeyboardSource.h"

namespace quorvex::platform {

X11KeyState::X11KeyState(const std::string& displayName)
    : m_source(std::make_unique<X11KeyboardSource>(displayName))
    , m_service(std::make_unique<KeyboardStateService>(*m_source))
{
}

X11KeyState::~X11KeyState() = default;

bool X11KeyState::isConnected() const
{
    return m_source->isConnected();
}

bool X11KeyState::seesTaps() const
{
    return m_source->seesTransitions();
}

std::int16_t X11KeyState::asyncKeyState(int virtualKey)
{
    return m_service->asyncKeyState(virtualKey);
}

KeyActivity X11KeyState::keyActivity(int virtualKey)
{
    return m_service->keyActivity(virtualKey);
}

} // namespace quorvex::platform
