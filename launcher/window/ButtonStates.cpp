#include "launcher/window/ButtonStates.h"

#include "launcher/controls/PointerCodes.h"
#include "launcher/skin/SkinFileNames.h"
#include "launcher/window/ReleaseInside.h"

namespace launcher {

namespace {

using controls::MouseButtonCode::kLeft;
using controls::MouseButtonCode::kRight;
using controls::ShiftCode::kAlt;

// Sound slots of a launch-button style and of a section.
constexpr int kHoverSound = 0;
constexpr int kDownSound = 1;
constexpr int kUpSound = 2;

// Sound slots of an action button.
constexpr int kActionDown = 0;
constexpr int kActionUp = 1;
constexpr int kActionDone = 2;
constexpr int kActionHover = 3;

// Steps are collected through this so that region-only elements never get a
// picture step, wherever in a sequence it would fall.
class StepList {
public:
    void picture(bool regionOnly, int target, std::string key)
    {
        if (!regionOnly)
            m_steps.push_back(step::showPicture(target, std::move(key)));
    }
    void add(WindowStep s) { m_steps.push_back(std::move(s)); }
    WindowSteps take() { return std::move(m_steps); }

private:
    WindowSteps m_steps;
};

void launchRelease(const LaunchButtonContext& button, const PointerAction& action, StepList& steps)
{
    const StyleKeys& style = button.style;
    const bool inside = IsReleaseInside(action.xTwips, action.yTwips, button.widthTwips, button.heightTwips);
    steps.picture(style.regionOnly, button.index, "Button4");
    // Lets the released picture be painted before anything slow happens.
    steps.add(step::pause(5));
    if (!inside) {
        steps.picture(style.regionOnly, button.index, "Button1");
        return;
    }
    if ((action.shift & kAlt) != 0 && button.shadingSize > 0) {
        steps.add(step::sound(SoundMode::Wait, style.sounds[kUpSound]));
        steps.add(step::simple(StepKind::RollUp));
    } else {
        steps.add(step::sound(SoundMode::Async, style.sounds[kUpSound]));
    }
    steps.add(step::simple(StepKind::LaunchShortcut, button.index));
}

std::string actionPictureKey(ActionButton which, const char* state)
{
    switch (which) {
    case ActionButton::Exit:
        return std::string("Exit") + state;
    case ActionButton::Shortcut:
        return std::string("SC") + state;
    case ActionButton::Skin:
        return std::string("Skin") + state;
    }
    return state;
}

void actionRelease(ActionButton which, const ActionButtonKeys& keys, StepList& steps)
{
    const bool region = keys.regionOnly;
    const auto& snd = keys.sounds;
    switch (which) {
    case ActionButton::Exit:
        steps.picture(region, -1, actionPictureKey(which, "Hover"));
        steps.add(step::simple(StepKind::RepaintNow));
        if (!snd[kActionUp].empty())
            steps.add(step::sound(SoundMode::Wait, snd[kActionUp]));
        steps.add(step::pause(500));
        if (!snd[kActionDone].empty())
            steps.add(step::sound(SoundMode::Wait, snd[kActionDone]));
        steps.add(step::simple(StepKind::ExitProgram));
        return;
    case ActionButton::Shortcut:
        steps.add(step::sound(SoundMode::Async, snd[kActionUp]));
        steps.picture(region, -1, actionPictureKey(which, "Up"));
        steps.add(step::simple(StepKind::RefreshShortcuts));
        steps.add(step::pause(500));
        // The reminder window plays the action sound itself.
        steps.add(step::simple(StepKind::ShowShortcutsWindow));
        return;
    case ActionButton::Skin:
        steps.picture(region, -1, actionPictureKey(which, "Hover"));
        steps.add(step::sound(SoundMode::Async, snd[kActionUp]));
        steps.add(step::pause(250));
        // The chooser plays the action sound when it activates.
        steps.add(step::simple(StepKind::ShowSkinChooser));
        return;
    }
}

void sectionSwitch(const SectionButtonContext& button, StepList& steps)
{
    const int i = button.index;
    const SectionKeys& section = button.sections[i];
    const int old = button.currentSection - 1;
    const bool hasOld = old >= 0 && old < static_cast<int>(button.sections.size());
    if (hasOld) {
        const SectionKeys& previous = button.sections[old];
        steps.picture(previous.regionOnly, old, SectionImageKey(old, 1));
        steps.add(step::captionColor(old, previous.fontColor));
    }
    steps.picture(section.regionOnly, i, SectionImageKey(i, 4));
    steps.add(step::captionColor(i, section.currentColor));
    steps.add(step::sound(SoundMode::Async, section.sounds[kDownSound]));
    steps.add(step::simple(StepKind::SelectSection, i));
    steps.add(step::pause(50));
    steps.add(step::simple(StepKind::ClearPopulatedFlag));
    if (!hasOld || button.sections[old].style != section.style)
        steps.add(step::withNumber(StepKind::ShowBackground, section.style));
}

} // namespace

WindowSteps LaunchButtonSteps(const LaunchButtonContext& button, const PointerAction& action)
{
    const StyleKeys& style = button.style;
    const int b = button.index;
    StepList steps;
    switch (action.event) {
    case PointerEvent::Enter:
        steps.picture(style.regionOnly, b, "Button2");
        steps.add(step::captionColor(b, style.fontHoverColor));
        steps.add(step::sound(SoundMode::NoStop, style.sounds[kHoverSound]));
        break;
    case PointerEvent::Leave:
        steps.picture(style.regionOnly, b, "Button1");
        steps.add(step::captionColor(b, style.fontColor));
        break;
    case PointerEvent::Move: {
        steps.add(step::simple(StepKind::DisableDwellTimer));
        const int highlighted = button.dragHighlightButton;
        if (highlighted >= 0 && highlighted != b && button.dragHighlightStyle) {
            for (auto& s : DragHighlightRestoreSteps(highlighted, *button.dragHighlightStyle))
                steps.add(std::move(s));
        } else {
            steps.add(step::simple(StepKind::ClearDragHighlight));
        }
        break;
    }
    case PointerEvent::Press:
        if (action.button == kLeft) {
            steps.picture(style.regionOnly, b, "Button3");
            steps.add(step::sound(SoundMode::Async, style.sounds[kDownSound]));
        }
        break;
    case PointerEvent::Release:
        if (action.button == kLeft)
            launchRelease(button, action, steps);
        else
            steps.add(step::simple(StepKind::ShowSplash));
        break;
    }
    return steps.take();
}

WindowSteps DragHighlightRestoreSteps(int index, const StyleKeys& style)
{
    StepList steps;
    steps.picture(style.regionOnly, index, "Button1");
    steps.add(step::captionColor(index, style.fontColor));
    steps.add(step::simple(StepKind::ClearDragHighlight));
    return steps.take();
}

WindowSteps ActionButtonSteps(ActionButton which, const ActionButtonKeys& keys, PointerEvent event)
{
    StepList steps;
    switch (event) {
    case PointerEvent::Enter:
        steps.add(step::simple(StepKind::DisableDwellTimer));
        steps.picture(keys.regionOnly, -1, actionPictureKey(which, "Hover"));
        steps.add(step::sound(SoundMode::NoStop, keys.sounds[kActionHover]));
        break;
    case PointerEvent::Leave:
        steps.picture(keys.regionOnly, -1, actionPictureKey(which, "Up"));
        break;
    case PointerEvent::Move:
        break;
    case PointerEvent::Press:
        steps.picture(keys.regionOnly, -1, actionPictureKey(which, "Down"));
        steps.add(step::sound(SoundMode::Async, keys.sounds[kActionDown]));
        break;
    case PointerEvent::Release:
        actionRelease(which, keys, steps);
        break;
    }
    return steps.take();
}

WindowSteps SectionButtonSteps(const SectionButtonContext& button, const PointerAction& action)
{
    const int i = button.index;
    // A panel without a section behind it (the skin defines fewer) stays
    // inert instead of reading past the table.
    if (i < 0 || i >= static_cast<int>(button.sections.size()))
        return {};
    const SectionKeys& section = button.sections[i];
    const bool active = i < button.sectionFolderCount;
    const bool hoverable = active && i + 1 != button.currentSection;
    StepList steps;
    switch (action.event) {
    case PointerEvent::Enter:
        if (hoverable) {
            steps.picture(section.regionOnly, i, SectionImageKey(i, 3));
            steps.add(step::captionColor(i, section.hoverColor));
            steps.add(step::sound(SoundMode::NoStop, section.sounds[kHoverSound]));
        }
        break;
    case PointerEvent::Leave:
        if (hoverable) {
            steps.picture(section.regionOnly, i, SectionImageKey(i, 1));
            steps.add(step::captionColor(i, section.fontColor));
        }
        break;
    case PointerEvent::Move:
        break;
    case PointerEvent::Press:
        if (action.button == kLeft && active)
            sectionSwitch(button, steps);
        else if (action.button == kRight)
            steps.add(step::simple(StepKind::ShowSplash));
        break;
    case PointerEvent::Release:
        if (action.button == kLeft) {
            if (active) {
                steps.add(step::sound(SoundMode::Async, section.sounds[kUpSound]));
                steps.picture(section.regionOnly, i, SectionImageKey(i, 2));
            }
        } else {
            steps.add(step::simple(StepKind::ShowSplash));
        }
        break;
    }
    return steps.take();
}

} // namespace launcher
