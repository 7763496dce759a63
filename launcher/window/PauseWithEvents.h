#pragma once

#include <QObject>
#include <QTimer>

namespace launcher {

// The pause that multi-step actions put between their steps while the window
// keeps handling events (repaints, timers, the pointer). All pauses share one
// flag and one one-shot timer: a pause started inside another restarts the
// timer with its own interval, and that one tick ends every waiting pause.
// Waiting blocks in the event loop, so a pause costs no CPU.
class PauseWithEvents : public QObject {
    Q_OBJECT

public:
    // `scale` multiplies every interval: tests run the start-up sequence in a
    // fraction of its real time while keeping its order.
    explicit PauseWithEvents(double scale = 1.0, QObject* parent = nullptr);

    void operator()(int milliseconds);

    bool isWaiting() const { return m_waiting; }
    // How many pauses were started so far.
    int pausesTaken() const { return m_pausesTaken; }

private:
    void Timer1Tick();

    QTimer m_timer1;
    bool m_waiting = false;
    int m_pausesTaken = 0;
    double m_scale;
};

} // namespace launcher
