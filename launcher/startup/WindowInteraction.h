#pragma once

#include "launcher/skin/SkinDefinition.h"
#include "launcher/window/ButtonStates.h"
#include "launcher/window/PositionMemory.h"
#include "launcher/window/SystemMoveStart.h"
#include "launcher/window/WindowDrag.h"
#include "launcher/window/WindowStep.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace controls {
class SkinPanel;
}

namespace launcher {

class Launcher;
class Splash;

// The main window's answers to the pointer: button looks and sounds, what a
// click starts, dragging the window by its background or shade strip, the
// shade's double clicks, the clock and the drag dwell counter. The decisions
// are made by the window logic (ButtonStates, WindowDrag, WindowShade); this
// object feeds it the events of the window's panels and carries out the steps
// it returns. It is a child of the main window and lives as long as it.
class WindowInteraction : public QObject {
public:
    static constexpr const char* kObjectName = "windowInteraction";

    explicit WindowInteraction(Launcher& launcher);

    // Timer2, the half-second dwell counter of a drag held over a section
    // button. A drag arriving over a section button starts it; leaving it,
    // dropping, a drag elsewhere on the window and the stops of a pointer
    // move end it, so an idle launcher is never woken by it.
    void setDwellTimerEnabled(bool enabled);
    bool isDwellTimerRunning() const { return m_Timer2.isActive(); }
    bool isClockRunning() const { return m_ClockTimer.isActive(); }
    // Shows the time at once and then every second while the skin has a
    // clock; stops the clock of a skin that has none.
    void startClock();

    // The splash as about window; one at a time, raised again when open.
    void showAbout();

    const WindowDrag& drag() const { return m_drag; }

private:
    // Which kind of panel a list of steps speaks about: it decides which
    // panel a step's target names and which image list its keys come from.
    enum class Panels { Launch, Section, Action };

    void connectPointer(controls::SkinPanel& panel, std::function<void(const PointerAction&)> handle);
    void connectDragSurface(controls::SkinPanel& panel);
    void connectDwellTimer();

    void launchButtonEvent(int index, const PointerAction& action);
    void sectionButtonEvent(int index, const PointerAction& action);
    void actionButtonEvent(ActionButton which, PointerEvent event);

    void dragPress(int button);
    void dragMove(int buttons, int shift);
    bool handOverDrag();
    void dragRelease(int button);
    DragFrame dragFrame() const;
    QPointF pointerOnScreenTwips() const;
    void askWhereTheWindowIs();

    void run(const WindowSteps& steps, Panels panels, int actionIndex = -1);
    void showPicture(const WindowStep& step, Panels panels, int actionIndex);
    void setCaptionColor(const WindowStep& step, Panels panels, int actionIndex);
    controls::SkinPanel* panelOf(const WindowStep& step, Panels panels, int actionIndex) const;
    const StyleKeys& launchStyle(int index) const;
    void playSound(const WindowStep& step);
    void exitProgram();

    void makeKeyboardButtons();
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool windowKey(int key, Qt::KeyboardModifiers modifiers);
    void stepSection(int direction);
    void toggleShade();
    QColor focusMarkColor() const;

    void ClockTimerTick();
    void Timer2Tick();

    Launcher& m_launcher;
    WindowDrag m_drag;
    SystemMoveStart m_systemMove;
    // Where the pointer is on the screen, from the latest event on a drag
    // surface: the window system's word, not worked out from the window's
    // position.
    QPointF m_pointerOnScreen;
    PositionMemory m_positionMemory;
    QTimer m_positionQuestion;
    QTimer m_ClockTimer;
    QTimer m_Timer2;
    QPointer<Splash> m_about;
};

} // namespace launcher
