#pragma once

#include <cstdint>
#include <functional>

namespace quorvex::hotkey {

// The periodic timer inside a hot-key control. It keeps an interval and an
// enabled flag separately, and ticks only while it is enabled and its
// interval is greater than 0, so that an interval of 0 pauses it without
// losing the enabled flag.
class PollTimer {
public:
    virtual ~PollTimer() = default;
    virtual void setTickHandler(std::function<void()> handler) = 0;
    virtual void setIntervalMs(std::int32_t intervalMs) = 0;
    virtual std::int32_t intervalMs() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    bool isTicking() const { return isEnabled() && intervalMs() > 0; }
};

// A timer that ticks only when told to; for tests and benchmarks.
class ManualPollTimer final : public PollTimer {
public:
    void setTickHandler(std::function<void()> handler) override { m_handler = std::move(handler); }
    void setIntervalMs(std::int32_t intervalMs) override { m_intervalMs = intervalMs; }
    std::int32_t intervalMs() const override { return m_intervalMs; }
    void setEnabled(bool enabled) override { m_enabled = enabled; }
    bool isEnabled() const override { return m_enabled; }

    // Delivers one tick if the timer is running; returns whether it did.
    bool fire()
    {
        if (!isTicking() || !m_handler)
            return false;
        m_handler();
        return true;
    }

private:
    std::function<void()> m_handler;
    std::int32_t m_intervalMs = 0;
    bool m_enabled = false;
};

} // namespace quorvex::hotkey
