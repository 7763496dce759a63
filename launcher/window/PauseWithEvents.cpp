#include "launcher/window/PauseWithEvents.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <cmath>

namespace launcher {

PauseWithEvents::PauseWithEvents(double scale, QObject* parent)
    : QObject(parent)
    , m_scale(scale)
{
    m_timer1.setSingleShot(true);
    connect(&m_timer1, &QTimer::timeout, this, &PauseWithEvents::Timer1Tick);
}

void PauseWithEvents::operator()(int milliseconds)
{
    ++m_pausesTaken;
    m_timer1.start(static_cast<int>(std::lround(milliseconds * m_scale)));
    m_waiting = true;
    while (m_waiting)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void PauseWithEvents::Timer1Tick()
{
    m_waiting = false;
    m_timer1.stop();
}

} // namespace launcher
