#include "hotkey/control/HotKeyReceiverCore.h"

namespace quorvex::hotkey {

namespace vk = platform::vk;

HotKeyReceiverCore::HotKeyReceiverCore(ModifierRule rule, platform::KeyStateService& keyState,
                                       PollTimer& timer)
    : m_rule(rule)
    , m_keyState(keyState)
    , m_timer(timer)
{
    m_timer.setIntervalMs(kDesignIntervalMs);
    m_timer.setEnabled(false);
    m_timer.setTickHandler([this] { tick(); });
}

HotKeyReceiverCore::~HotKeyReceiverCore()
{
    m_timer.setEnabled(false);
    m_timer.setTickHandler({});
}

void HotKeyReceiverCore::setRunTime(bool runTime)
{
    m_runTime = runTime;
    if (!m_runTime) {
        m_timer.setEnabled(false);
        return;
    }
    m_timer.setEnabled(m_enabled);
    if (m_enabled && m_timer.intervalMs() > 0)
        seedLastState();
}

void HotKeyReceiverCore::initNew()
{
    setMaskKey(kNewInstanceMaskKey);
    // Deliberately not through the setter: the timer keeps its own state.
    m_enabled = true;
}

void HotKeyReceiverCore::load(const HotKeyProperties& saved)
{
    setInterval(saved.interval);
    setEnabled(saved.enabled);
    setMaskKey(saved.maskKey);
    if (m_rule == ModifierRule::Exact) {
        setShiftKey(saved.shiftKey);
        setCtrlKey(saved.ctrlKey);
        setAltKey(saved.altKey);
    }
    if (m_runTime) {
        m_timer.setEnabled(m_enabled);
        if (m_timer.intervalMs() > 0)
            seedLastState();
    }
}

HotKeyProperties HotKeyReceiverCore::properties() const
{
    HotKeyProperties result;
    result.interval = interval();
    result.enabled = m_enabled;
    result.maskKey = m_maskKey;
    if (m_rule == ModifierRule::Exact) {
        result.shiftKey = m_shiftKey;
        result.ctrlKey = m_ctrlKey;
        result.altKey = m_altKey;
    }
    return result;
}

void HotKeyReceiverCore::setInterval(std::int32_t intervalMs)
{
    m_timer.setIntervalMs(intervalMs);
    if (m_runTime && intervalMs > 0)
        seedLastState();
    changed("Interval");
}

void HotKeyReceiverCore::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (m_runTime) {
        m_timer.setEnabled(enabled);
        if (enabled && m_timer.intervalMs() > 0)
            seedLastState();
    } else {
        m_timer.setEnabled(false);
    }
    changed("Enabled");
}

void HotKeyReceiverCore::setMaskKey(std::int32_t virtualKey)
{
    m_maskKey = virtualKey;
    changed("MaskKey");
    if (m_runTime && m_timer.intervalMs() > 0)
        seedLastState();
}

void HotKeyReceiverCore::setShiftKey(bool down)
{
    m_shiftKey = down;
    changed("ShiftKey");
}

void HotKeyReceiverCore::setCtrlKey(bool down)
{
    m_ctrlKey = down;
    changed("CtrlKey");
}

void HotKeyReceiverCore::setAltKey(bool down)
{
    m_altKey = down;
    changed("AltKey");
}

// A down state is compared on the whole 16-bit value, not only the down bit:
// a press seen first as 0x8001 (down, went down) and then as 0x8000 (down)
// raises Down twice. A down state seen while the modifiers do not match is
// neither stored nor raised, so it is reported at the first tick at which
// they match while the key is still held.
//
// An up state raises Up once per release: when the key was last seen down,
// or when it went down and up again since the previous tick (1). The 0 that
// follows a tap is the same release and raises nothing. An up state seen
// while the modifiers do not match ends the combination there: it is stored
// without an event, so nothing is left over for a later press of a modifier.
void HotKeyReceiverCore::tick()
{
    const bool modifiersMatch = m_rule == ModifierRule::Ignore || modifiersHeld();
    const std::int32_t state = m_keyState.asyncKeyState(m_maskKey);
    if (state < 0) {
        if (state == m_lastState || !modifiersMatch)
            return;
        m_lastState = state;
        if (m_onEvent)
            m_onEvent(HotKeyEvent::Down);
        return;
    }
    const bool released = m_lastState < 0 || (state & platform::kKeyWentDown) != 0;
    m_lastState = state;
    if (released && modifiersMatch && m_onEvent)
        m_onEvent(HotKeyEvent::Up);
}

// A required modifier counts when it was held at any moment since the
// previous tick, so a combination pressed and let go within one interval
// still matches; a modifier that must be up only has to be up now.
bool HotKeyReceiverCore::modifiersHeld()
{
    const auto matches = [this](int virtualKey, bool required) {
        const platform::KeyActivity activity = m_keyState.keyActivity(virtualKey);
        return required ? activity.heldSince() : !activity.downNow;
    };
    const bool shift = matches(vk::kShift, m_shiftKey);
    const bool ctrl = matches(vk::kControl, m_ctrlKey);
    const bool alt = matches(vk::kMenu, m_altKey);
    return shift && ctrl && alt;
}

void HotKeyReceiverCore::seedLastState()
{
    m_lastState = m_keyState.asyncKeyState(m_maskKey);
}

void HotKeyReceiverCore::changed(std::string_view name)
{
    if (m_onChange)
        m_onChange(name);
}

} // namespace quorvex::hotkey
