#include "launcher/startup/WindowInteraction.h"

#include "launcher/controls/Twips.h"
#include "launcher/dialogs/Splash.h"
#include "launcher/startup/Launcher.h"
#include "launcher/window/ClockFormat.h"
#include "launcher/window/WindowTimers.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTime>

#include <algorithm>
#include <cassert>

namespace launcher {

namespace {

QColor toQColor(const RgbColor& color)
{
    return QColor(color.red, color.green, color.blue);
}

using SignalOf = void (controls::SkinPanel::*)(int, int, double, double);

PointerAction pointer(PointerEvent event, int button, int shift, double xTwips, double yTwips)
{
    return {event, button, shift, static_cast<float>(xTwips), static_cast<float>(yTwips)};
}

WindowInteraction* interactionOf(QuorvexForm& form)
{
    return dynamic_cast<WindowInteraction*>(form.findChild<QObject*>(WindowInteraction::kObjectName,
                                                                      Qt::FindDirectChildrenOnly));
}

} // namespace

WindowInteraction::WindowInteraction(Launcher& launcher)
    : QObject(&launcher.form())
    , m_launcher(launcher)
    , m_drag(controls::kTwipsPerPixelX)
    , m_systemMove(QApplication::startDragDistance())
{
    setObjectName(kObjectName);
    const SkinnedControls& controls = launcher.form().controls();
    for (int i = 0; i < kLaunchButtonCount; ++i)
        connectPointer(*controls.SSButton[static_cast<size_t>(i)],
                       [this, i](const PointerAction& action) { launchButtonEvent(i, action); });
    for (int i = 0; i < kMaxSections; ++i)
        connectPointer(*controls.SSPanel1[static_cast<size_t>(i)],
                       [this, i](const PointerAction& action) { sectionButtonEvent(i, action); });
    for (ActionButton which : {ActionButton::Exit, ActionButton::Shortcut, ActionButton::Skin})
        connectPointer(*controls.actionButton(static_cast<int>(which)),
                       [this, which](const PointerAction& action) { actionButtonEvent(which, action.event); });

    connectDragSurface(launcher.form().surface());
    connectDragSurface(*controls.shading);
    m_positionQuestion.setSingleShot(true);
    m_positionQuestion.setInterval(PositionMemory::kQuestionIntervalMs);
    connect(&m_positionQuestion, &QTimer::timeout, this, &WindowInteraction::askWhereTheWindowIs);
    connect(&launcher.form().surface(), &controls::SkinPanel::dblClick, this, [this] { m_launcher.RollDown(); });
    connect(controls.shading, &controls::SkinPanel::dblClick, this, [this] { m_launcher.RollUp(); });

    for (controls::SkinPanel* film : controls.FilmLoop)
        connect(film, &controls::SkinPanel::mouseDown, this, [this](int button, int, double, double) {
            if (FilmLoopPressShowsSplash(button))
                showAbout();
        });

    makeKeyboardButtons();

    m_Timer2.setInterval(kDwellTimerIntervalMs);
    connect(&m_Timer2, &QTimer::timeout, this, &WindowInteraction::Timer2Tick);
    connectDwellTimer();

    // A skin without a clock gives the window nothing to do once a second.
    m_ClockTimer.setInterval(kClockTimerIntervalMs);
    // A coarse timer may drift by a twentieth of its interval; the clock
    // must show a new minute within a second.
    m_ClockTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_ClockTimer, &QTimer::timeout, this, &WindowInteraction::ClockTimerTick);
    startClock();
}

void WindowInteraction::startClock()
{
    if (!m_launcher.skin().clock.hasClock()) {
        m_ClockTimer.stop();
        return;
    }
    ClockTimerTick();
    m_ClockTimer.start();
}

// Tab and the arrows walk the buttons in this order: launch
// buttons, sections, then the action buttons. Window keys (section paging,
// the shade) reach the form from whichever button holds the focus, or from
// the form itself while the window is rolled up and no button shows.
void WindowInteraction::makeKeyboardButtons()
{
    QuorvexForm& form = m_launcher.form();
    const SkinnedControls& controls = form.controls();
    for (controls::SkinPanel* button : controls.SSButton)
        button->setKeyboardButton(QAccessible::Button);
    for (controls::SkinPanel* section : controls.SSPanel1)
        section->setKeyboardButton(QAccessible::PageTab);
    const std::pair<ActionButton, const char*> actions[] = {
        {ActionButton::Exit, "Exit"}, {ActionButton::Shortcut, "Shortcuts"}, {ActionButton::Skin, "Skins"}};
    for (const auto& [which, name] : actions) {
        controls::SkinPanel& button = *controls.actionButton(static_cast<int>(which));
        button.setKeyboardButton(QAccessible::Button);
        button.setAccessibleName(QString::fromLatin1(name));
    }
    // The panels were made sections first; the shortcuts are what a user
    // comes for, so the focus starts on them.
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (controls::SkinPanel* button : controls.SSButton)
        chain(button);
    for (controls::SkinPanel* section : controls.SSPanel1)
        chain(section);
    for (ActionButton which : {ActionButton::Exit, ActionButton::Shortcut, ActionButton::Skin})
        chain(controls.actionButton(static_cast<int>(which)));
    controls.Clock->setAccessibleName(QStringLiteral("Clock"));
    form.installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this, &form](QWidget*, QWidget* now) {
        if (auto* panel = qobject_cast<controls::SkinPanel*>(now); panel && panel->window() == &form)
            panel->setFocusMarkColor(focusMarkColor());
    });
}

// The skin's hover colour for section captions of the current section: the
// colour the skin itself uses to say "this one".
QColor WindowInteraction::focusMarkColor() const
{
    const std::vector<SectionKeys>& sections = m_launcher.skin().sections;
    const int current = m_launcher.state().CurrentSection - 1;
    if (current >= 0 && current < static_cast<int>(sections.size()))
        return toQColor(sections[static_cast<size_t>(current)].hoverColor);
    return sections.empty() ? QColor(Qt::white) : toQColor(sections.front().hoverColor);
}

bool WindowInteraction::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_launcher.form() && event->isSinglePointEvent())
        m_pointerOnScreen = static_cast<QSinglePointEvent*>(event)->globalPosition();
    if (watched == &m_launcher.form() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (windowKey(key->key(), key->modifiers() & ~Qt::KeypadModifier))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool WindowInteraction::windowKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers == Qt::ControlModifier && (key == Qt::Key_PageDown || key == Qt::Key_PageUp)) {
        stepSection(key == Qt::Key_PageDown ? 1 : -1);
        return true;
    }
    if (modifiers == Qt::NoModifier && key == Qt::Key_Escape) {
        toggleShade();
        return true;
    }
    return false;
}

// Presses the next or previous section button that has a folder behind it,
// wrapping round, so the switch looks and sounds as a click on it would.
void WindowInteraction::stepSection(int direction)
{
    if (m_launcher.state().ShadedFlag != 0)
        return;
    const SkinnedControls& controls = m_launcher.form().controls();
    const int count = std::min<int>({kMaxSections, static_cast<int>(m_launcher.skin().sections.size()),
                                     m_launcher.library().SectionFolderCount()});
    if (count <= 1)
        return;
    const int current = std::clamp(m_launcher.state().CurrentSection - 1, 0, count - 1);
    const int next = (current + direction + count) % count;
    controls::SkinPanel& section = *controls.SSPanel1[static_cast<size_t>(next)];
    section.pressByKeyboard();
    section.setFocus(Qt::OtherFocusReason);
}

// The shade strip's and the rolled-up window's own double-click answers.
void WindowInteraction::toggleShade()
{
    if (m_launcher.state().ShadedFlag != 0) {
        m_launcher.RollDown();
        return;
    }
    if (m_launcher.skin().shading.shadingSize() > 0)
        m_launcher.RollUp();
}

// Every pointer event of `panel`, as the button logic names them.
void WindowInteraction::connectPointer(controls::SkinPanel& panel, std::function<void(const PointerAction&)> handle)
{
    using controls::SkinPanel;
    const auto forward = [this, handle](SignalOf signal, PointerEvent event, SkinPanel& source) {
        connect(&source, signal, this, [handle, event](int button, int shift, double x, double y) {
            handle(pointer(event, button, shift, x, y));
        });
    };
    forward(&SkinPanel::mouseEnter, PointerEvent::Enter, panel);
    forward(&SkinPanel::mouseExit, PointerEvent::Leave, panel);
    forward(&SkinPanel::mouseMove, PointerEvent::Move, panel);
    forward(&SkinPanel::mouseDown, PointerEvent::Press, panel);
    forward(&SkinPanel::mouseUp, PointerEvent::Release, panel);
}

void WindowInteraction::connectDragSurface(controls::SkinPanel& panel)
{
    using controls::SkinPanel;
    // The panel's events carry the pointer within the panel; the filter
    // keeps where it is on the screen.
    panel.installEventFilter(this);
    connect(&panel, &SkinPanel::mouseDown, this, [this](int button, int, double, double) { dragPress(button); });
    connect(&panel, &SkinPanel::mouseMove, this, [this](int buttons, int shift, double, double) { dragMove(buttons, shift); });
    connect(&panel, &SkinPanel::mouseUp, this, [this](int button, int, double, double) { dragRelease(button); });
}

// The dwell counter runs while a drag rests over a section button and is off
// everywhere else, so that it never wakes an idle launcher. A drag over a
// section button that is already counting leaves the count running: the
// drag-over repeats while the drag rests.
void WindowInteraction::connectDwellTimer()
{
    using controls::DragData;
    using controls::SkinPanel;
    const SkinnedControls& controls = m_launcher.form().controls();
    const auto stop = [this] { m_Timer2.stop(); };
    for (SkinPanel* section : controls.SSPanel1) {
        connect(section, &SkinPanel::oleDragOver, this,
                [this](const DragData&, int, int, int, double, double, int state) {
                    if (state == static_cast<int>(controls::DragState::Leave))
                        m_Timer2.stop();
                    else if (!m_Timer2.isActive())
                        m_Timer2.start();
                });
        connect(section, &SkinPanel::oleDragDrop, this, stop);
    }
    for (SkinPanel* other : controls.SSButton)
        connect(other, &SkinPanel::oleDragOver, this, stop);
    connect(&m_launcher.form().surface(), &SkinPanel::oleDragOver, this, stop);
}

const StyleKeys& WindowInteraction::launchStyle(int index) const
{
    static const StyleKeys kDefaultStyle;
    const std::vector<StyleKeys>& styles = m_launcher.skin().styles;
    const int style = m_launcher.launchButtons().buttons[static_cast<size_t>(index)].style;
    return style >= 0 && style < static_cast<int>(styles.size()) ? styles[static_cast<size_t>(style)] : kDefaultStyle;
}

void WindowInteraction::launchButtonEvent(int index, const PointerAction& action)
{
    const controls::SkinPanel& button = *m_launcher.form().controls().SSButton[static_cast<size_t>(index)];
    const int highlighted = m_launcher.state().DragHighlightButton;
    const bool highlightValid = highlighted >= 0 && highlighted < kLaunchButtonCount;
    const LaunchButtonContext context{index,
                                      launchStyle(index),
                                      button.widthTwips(),
                                      button.heightTwips(),
                                      m_launcher.skin().shading.shadingSize(),
                                      highlightValid ? highlighted : -1,
                                      highlightValid ? &launchStyle(highlighted) : nullptr};
    run(LaunchButtonSteps(context, action), Panels::Launch);
}

void WindowInteraction::sectionButtonEvent(int index, const PointerAction& action)
{
    const SectionButtonContext context{index, m_launcher.skin().sections, m_launcher.state().CurrentSection,
                                       m_launcher.library().SectionFolderCount()};
    run(SectionButtonSteps(context, action), Panels::Section);
}

void WindowInteraction::actionButtonEvent(ActionButton which, PointerEvent event)
{
    const int index = static_cast<int>(which);
    run(ActionButtonSteps(which, m_launcher.skin().actionButtons[static_cast<size_t>(index)], event), Panels::Action,
        index);
}

DragFrame WindowInteraction::dragFrame() const
{
    const QuorvexForm& form = m_launcher.form();
    const LauncherState& state = m_launcher.state();
    return {static_cast<float>(controls::twipsFromPixelsX(form.x())), controls::twipsFromPixelsY(form.y()),
            controls::twipsFromPixelsX(form.width()), controls::twipsFromPixelsY(form.height()), state.ScreenWidthTwips,
            state.ScreenHeightTwips};
}

QPointF WindowInteraction::pointerOnScreenTwips() const
{
    return controls::twipsFromPixels(m_pointerOnScreen);
}

void WindowInteraction::dragPress(int button)
{
    m_positionQuestion.stop();
    // Where the window system moves windows itself, the program's own moves
    // are refused or unseen: the drag is handed over once the pointer moves
    // (see SystemMoveStart), so that a click and a double click stay the
    // window's own.
    if (m_launcher.services().mover.moving() != platform::WindowMoving::ByProgram) {
        m_systemMove.press(button, static_cast<float>(m_pointerOnScreen.x()), static_cast<float>(m_pointerOnScreen.y()));
        if (m_systemMove.isPending())
            return;
    }
    const QPointF pointer = pointerOnScreenTwips();
    m_drag.press(button, dragFrame(), static_cast<float>(pointer.x()), static_cast<float>(pointer.y()));
    m_launcher.state().windowDragging = m_drag.isMoving();
}

// Should the window system decline, the program's own drag from where the
// button went down is the best there is.
bool WindowInteraction::handOverDrag()
{
    if (m_launcher.services().mover.startSystemMove(m_launcher.form()))
        return true;
    const QPointF pressed = controls::twipsFromPixels(QPointF(m_systemMove.pressedX(), m_systemMove.pressedY()));
    m_drag.press(controls::MouseButtonCode::kLeft, dragFrame(), static_cast<float>(pressed.x()),
                 static_cast<float>(pressed.y()));
    m_launcher.state().windowDragging = true;
    return false;
}

void WindowInteraction::dragMove(int buttons, int shift)
{
    m_Timer2.stop();
    if (m_systemMove.move(buttons, static_cast<float>(m_pointerOnScreen.x()), static_cast<float>(m_pointerOnScreen.y())) &&
        handOverDrag())
        return;
    const QPointF pointer = pointerOnScreenTwips();
    if (const std::optional<DragPosition> position =
            m_drag.move(shift, dragFrame(), static_cast<float>(pointer.x()), static_cast<float>(pointer.y()))) {
        m_launcher.form().move(controls::pixelsFromTwipsX(position->leftTwips),
                               controls::pixelsFromTwipsY(position->topTwips));
        return;
    }
    const int highlighted = m_launcher.state().DragHighlightButton;
    if (highlighted >= 0 && highlighted < kLaunchButtonCount)
        run(DragHighlightRestoreSteps(highlighted, launchStyle(highlighted)), Panels::Launch);
    else
        m_launcher.state().DragHighlightButton = -1;
}

void WindowInteraction::dragRelease(int button)
{
    m_systemMove.release();
    const bool showSplash = m_drag.release(button);
    m_launcher.state().windowDragging = false;
    // Stored on every release, so that each skin reopens where it was left,
    // but only where the window system says the window is.
    const QuorvexForm& form = m_launcher.form();
    const bool programMoves = m_launcher.services().mover.moving() == platform::WindowMoving::ByProgram;
    m_positionMemory.dragEnded(programMoves ? std::optional<PixelPoint>(PixelPoint{form.x(), form.y()})
                                            : std::nullopt);
    askWhereTheWindowIs();
    if (showSplash)
        showAbout();
}

void WindowInteraction::askWhereTheWindowIs()
{
    QuorvexForm& form = m_launcher.form();
    const std::optional<platform::DesktopPoint> reported = m_launcher.services().mover.reportedPosition(form);
    const PositionMemory::Step step =
        m_positionMemory.answered(reported ? std::optional<PixelPoint>(PixelPoint{reported->x, reported->y})
                                           : std::nullopt);
    if (step.store) {
        const std::string skinFile = m_launcher.paths().SkinIniPath(m_launcher.state().CurrentSkin);
        platform::ProfileStore& profiles = m_launcher.services().profiles;
        profiles.write(skinFile, kUserSettingsSection, kStartupLeftKey, std::to_string(step.store->x));
        profiles.write(skinFile, kUserSettingsSection, kStartupTopKey, std::to_string(step.store->y));
    }
    if (step.askAgain)
        m_positionQuestion.start();
}

controls::SkinPanel* WindowInteraction::panelOf(const WindowStep& step, Panels panels, int actionIndex) const
{
    const SkinnedControls& controls = m_launcher.form().controls();
    switch (panels) {
    case Panels::Launch:
        return step.target >= 0 && step.target < kLaunchButtonCount ? controls.SSButton[static_cast<size_t>(step.target)]
                                                                    : nullptr;
    case Panels::Section:
        return step.target >= 0 && step.target < kMaxSections ? controls.SSPanel1[static_cast<size_t>(step.target)]
                                                              : nullptr;
    case Panels::Action:
        return controls.actionButton(actionIndex);
    }
    return nullptr;
}

void WindowInteraction::showPicture(const WindowStep& step, Panels panels, int actionIndex)
{
    controls::SkinPanel* panel = panelOf(step, panels, actionIndex);
    if (!panel)
        return;
    SkinImages& images = m_launcher.form().images();
    const controls::ImageList* list = nullptr;
    switch (panels) {
    case Panels::Launch:
        list = &images.ButtonIL[static_cast<size_t>(m_launcher.launchButtons().buttons[static_cast<size_t>(step.target)].style)];
        break;
    case Panels::Section:
        list = &images.SectionsIL[static_cast<size_t>(step.target)];
        break;
    case Panels::Action:
        list = &images.actionButtonImages(actionIndex);
        break;
    }
    // A picture the skin lacks leaves the panel as it was rather than blank.
    const QPixmap picture = list->picture(QString::fromStdString(step.text));
    if (!picture.isNull())
        panel->setBackgroundPicture(picture);
}

void WindowInteraction::setCaptionColor(const WindowStep& step, Panels panels, int actionIndex)
{
    controls::SkinPanel* panel = panelOf(step, panels, actionIndex);
    if (!panel)
        return;
    const QColor color = toQColor(step.color);
    panel->setForeColor(color);
    if (panels != Panels::Launch)
        return;
    QLabel& label = *m_launcher.form().controls().BLabel[static_cast<size_t>(step.target)];
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, color);
    label.setPalette(palette);
}

void WindowInteraction::playSound(const WindowStep& step)
{
    platform::SkinSoundPlayer& sounds = m_launcher.skinSounds();
    switch (step.soundMode) {
    case SoundMode::Async:
        sounds.PlaySkinSound(step.text);
        break;
    case SoundMode::NoStop:
        sounds.PlaySkinSoundNoStop(step.text);
        break;
    case SoundMode::Wait:
        sounds.PlaySkinSoundAndWait(step.text);
        break;
    }
}

void WindowInteraction::run(const WindowSteps& steps, Panels panels, int actionIndex)
{
    // The launcher's section switch already pauses, clears its populated
    // flag and changes the background; those steps after it are its own.
    bool switched = false;
    for (const WindowStep& step : steps) {
        switch (step.kind) {
        case StepKind::ShowPicture:
            showPicture(step, panels, actionIndex);
            break;
        case StepKind::SetCaptionColor:
            setCaptionColor(step, panels, actionIndex);
            break;
        case StepKind::PlaySound:
            playSound(step);
            break;
        case StepKind::Pause:
            if (!switched)
                m_launcher.pause(step.number);
            break;
        case StepKind::DisableDwellTimer:
            m_Timer2.stop();
            break;
        case StepKind::ClearDragHighlight:
            m_launcher.state().DragHighlightButton = -1;
            break;
        case StepKind::RepaintNow:
            if (controls::SkinPanel* panel = panelOf(step, panels, actionIndex))
                panel->repaint();
            break;
        case StepKind::RollUp:
            m_launcher.RollUp();
            break;
        case StepKind::LaunchShortcut:
            m_launcher.LaunchButton(step.target);
            break;
        case StepKind::ShowSplash:
            showAbout();
            break;
        case StepKind::ExitProgram:
            exitProgram();
            return;
        case StepKind::RefreshShortcuts:
            m_launcher.RefreshShortcutsIfChanged();
            break;
        case StepKind::ShowShortcutsWindow:
            m_launcher.ShowShortcutsReminder();
            break;
        case StepKind::ShowSkinChooser:
            m_launcher.OpenSkinChooser();
            break;
        case StepKind::SelectSection:
            m_launcher.SwitchSection(step.target);
            switched = true;
            break;
        case StepKind::ClearPopulatedFlag:
        case StepKind::ShowBackground:
            // Part of the section switch above.
            assert(switched);
            break;
        default:
            // The shade's own steps never come from a button.
            assert(false && "a shade step in a button's sequence");
            break;
        }
    }
}

void WindowInteraction::exitProgram()
{
    // Closing runs the window's close handler (fonts, shade state); the
    // program then ends without waiting for any other window.
    m_launcher.form().close();
    QCoreApplication::quit();
}

void WindowInteraction::showAbout()
{
    if (m_about) {
        m_about->raise();
        return;
    }
    m_about = Splash::showAbout(m_launcher.dialogHooks());
}

void WindowInteraction::setDwellTimerEnabled(bool enabled)
{
    if (enabled)
        m_Timer2.start();
    else
        m_Timer2.stop();
}

void WindowInteraction::ClockTimerTick()
{
    const QTime now = QTime::currentTime();
    const std::string text = FormatClock(m_launcher.skin().clock.format, {now.hour(), now.minute(), now.second()});
    QLabel& clock = *m_launcher.form().controls().Clock;
    clock.setText(QString::fromStdString(text));
    // The label is named "Clock"; Qt gives screen readers no text of a label
    // beyond its name, so the time they read is its description.
    clock.setAccessibleDescription(clock.text());
}

void WindowInteraction::Timer2Tick()
{
    LauncherState& state = m_launcher.state();
    state.DwellTicks = NextDwellTicks(state.DwellTicks);
}

void Launcher::ConnectWindowInteraction()
{
    if (!interactionOf(*m_form))
        new WindowInteraction(*this);
}

void Launcher::ShowAbout()
{
    if (WindowInteraction* interaction = interactionOf(*m_form))
        interaction->showAbout();
}

void Launcher::StartClock()
{
    if (WindowInteraction* interaction = interactionOf(*m_form))
        interaction->startClock();
}

void Launcher::SetDwellTimerEnabled(bool enabled)
{
    if (WindowInteraction* interaction = interactionOf(*m_form))
        interaction->setDwellTimerEnabled(enabled);
}

} // namespace launcher
