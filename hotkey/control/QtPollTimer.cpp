#include "hotkey/control/QtPollTimer.h"

#include <QCoreApplication>

namespace quorvex::hotkey {

QtPollTimer::QtPollTimer()
{
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
        if (m_handler)
            m_handler();
    });
}

void QtPollTimer::setTickHandler(std::function<void()> handler)
{
    m_handler = std::move(handler);
}

void QtPollTimer::setIntervalMs(std::int32_t intervalMs)
{
    m_intervalMs = intervalMs;
    update();
}

void QtPollTimer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    update();
}

void QtPollTimer::update()
{
    // Timers need the application's event loop; without one the timer keeps
    // its settings but never fires.
    if (!isTicking() || !QCoreApplication::instance()) {
        m_timer.stop();
        return;
    }
    if (m_timer.isActive() && m_timer.interval() == m_intervalMs)
        return;
    m_timer.start(m_intervalMs);
}

} // namespace quorvex::hotkey
