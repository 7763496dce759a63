#pragma once

#include "hotkey/control/HotKeyProperties.h"
#include "hotkey/control/PollTimer.h"
#include "platform/keystate/KeyStateService.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace quorvex::hotkey {

enum class HotKeyEvent { Down = 1, Up = 2 };

// Whether the Shift, Ctrl and Alt keys must match the control's flags
// (HotKeyCoReceiver) or are not looked at (HotKeyReciver).
enum class ModifierRule { Exact, Ignore };

// Everything a hot-key control does, without the component layer: the
// properties with their setter rules, design versus run time, and the
// polling tick. The timer and the key state are borrowed and must outlive
// the core.
class HotKeyReceiverCore {
public:
    using EventHandler = std::function<void(HotKeyEvent)>;
    using ChangeHandler = std::function<void(std::string_view propertyName)>;

    HotKeyReceiverCore(ModifierRule rule, platform::KeyStateService& keyState, PollTimer& timer);
    ~HotKeyReceiverCore();
    HotKeyReceiverCore(const HotKeyReceiverCore&) = delete;
    HotKeyReceiverCore& operator=(const HotKeyReceiverCore&) = delete;

    void setEventHandler(EventHandler handler) { m_onEvent = std::move(handler); }
    void setChangeHandler(ChangeHandler handler) { m_onChange = std::move(handler); }

    ModifierRule modifierRule() const { return m_rule; }

    // The container's user-mode flag: true at run time, false at design
    // time. A new core starts at design time, where the timer never runs.
    void setRunTime(bool runTime);
    bool isRunTime() const { return m_runTime; }

    // The container has no saved data for this control.
    void initNew();
    // The container restores saved data (absent names already defaulted).
    void load(const HotKeyProperties& saved);
    HotKeyProperties properties() const;

    void setInterval(std::int32_t intervalMs);
    std::int32_t interval() const { return m_timer.intervalMs(); }
    void setEnabled(bool enabled);
    bool enabled() const { return m_enabled; }
    void setMaskKey(std::int32_t virtualKey);
    std::int32_t maskKey() const { return m_maskKey; }
    void setShiftKey(bool down);
    bool shiftKey() const { return m_shiftKey; }
    void setCtrlKey(bool down);
    bool ctrlKey() const { return m_ctrlKey; }
    void setAltKey(bool down);
    bool altKey() const { return m_altKey; }

    // One poll of the keyboard; the timer calls this.
    void tick();

    std::int32_t lastState() const { return m_lastState; }
    bool isPolling() const { return m_timer.isTicking(); }

private:
    void seedLastState();
    bool modifiersHeld();
    void changed(std::string_view name);

    ModifierRule m_rule;
    platform::KeyStateService& m_keyState;
    PollTimer& m_timer;
    EventHandler m_onEvent;
    ChangeHandler m_onChange;
    bool m_runTime = false;
    bool m_enabled = true;
    std::int32_t m_maskKey = kNewInstanceMaskKey;
    bool m_shiftKey = false;
    bool m_ctrlKey = false;
    bool m_altKey = false;
    std::int32_t m_lastState = 0;
};

} // namespace quorvex::hotkey
