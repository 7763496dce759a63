#pragma once

#include "hotkey/control/PollTimer.h"

#include <QTimer>

namespace quorvex::hotkey {

// PollTimer on the Qt event loop of the thread that owns it: ticks arrive as
// timer events there, so a tick never overlaps a property change.
class QtPollTimer final : public PollTimer {
public:
    QtPollTimer();
    void setTickHandler(std::function<void()> handler) override;
    void setIntervalMs(std::int32_t intervalMs) override;
    std::int32_t intervalMs() const override { return m_intervalMs; }
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return m_enabled; }
    // Whether the underlying timer is scheduled.
    bool isScheduled() const { return m_timer.isActive(); }

private:
    void update();

    QTimer m_timer;
    std::function<void()> m_handler;
    std::int32_t m_intervalMs = 0;
    bool m_enabled = false;
};

} // namespace quorvex::hotkey
