#include "launcher/window/WindowStep.h"

namespace launcher {

namespace step {

namespace {

WindowStep make(StepKind kind, int target = -1)
{
    WindowStep s;
    s.kind = kind;
    s.target = target;
    return s;
}

} // namespace

WindowStep showPicture(int target, std::string key)
{
    WindowStep s = make(StepKind::ShowPicture, target);
    s.text = std::move(key);
    return s;
}

WindowStep captionColor(int target, RgbColor color)
{
    WindowStep s = make(StepKind::SetCaptionColor, target);
    s.color = color;
    return s;
}

WindowStep sound(SoundMode mode, std::string name)
{
    WindowStep s = make(StepKind::PlaySound);
    s.soundMode = mode;
    s.text = std::move(name);
    return s;
}

WindowStep pause(int milliseconds)
{
    return withNumber(StepKind::Pause, milliseconds);
}

WindowStep simple(StepKind kind, int target)
{
    return make(kind, target);
}

WindowStep withNumber(StepKind kind, int number)
{
    WindowStep s = make(kind);
    s.number = number;
    return s;
}

WindowStep withFlag(StepKind kind, bool flag)
{
    WindowStep s = make(kind);
    s.flag = flag;
    return s;
}

WindowStep withLook(StepKind kind, WindowLook look)
{
    WindowStep s = make(kind);
    s.outline = look;
    return s;
}

WindowStep resize(int widthPixels, int heightPixels)
{
    WindowStep s = make(StepKind::ResizeWindow);
    s.width = widthPixels;
    s.height = heightPixels;
    return s;
}

} // namespace step

namespace {

const char* modeName(SoundMode mode)
{
    switch (mode) {
    case SoundMode::Async:
        return "async";
    case SoundMode::NoStop:
        return "nostop";
    case SoundMode::Wait:
        return "wait";
    }
    return "?";
}

const char* lookName(WindowLook look)
{
    return look == WindowLook::Full ? "full" : "shade";
}

std::string onOff(bool flag)
{
    return flag ? "on" : "off";
}

} // namespace

std::string describe(const WindowStep& s)
{
    const std::string target = std::to_string(s.target);
    switch (s.kind) {
    case StepKind::ShowPicture:
        return "picture " + target + " " + s.text;
    case StepKind::SetCaptionColor:
        return "colour " + target + " " + std::to_string(s.color.red) + "," + std::to_string(s.color.green) + ","
               + std::to_string(s.color.blue);
    case StepKind::PlaySound:
        return std::string("sound ") + modeName(s.soundMode) + " " + s.text;
    case StepKind::Pause:
        return "pause " + std::to_string(s.number);
    case StepKind::DisableDwellTimer:
        return "dwell timer off";
    case StepKind::ClearDragHighlight:
        return "clear drag highlight";
    case StepKind::RepaintNow:
        return "repaint " + target;
    case StepKind::RollUp:
        return "roll up";
    case StepKind::LaunchShortcut:
        return "launch " + target;
    case StepKind::ShowSplash:
        return "splash";
    case StepKind::ExitProgram:
        return "exit";
    case StepKind::RefreshShortcuts:
        return "refresh shortcuts";
    case StepKind::ShowShortcutsWindow:
        return "shortcuts window";
    case StepKind::ShowSkinChooser:
        return "skin chooser";
    case StepKind::SelectSection:
        return "select section " + target;
    case StepKind::ClearPopulatedFlag:
        return "clear populated";
    case StepKind::ShowBackground:
        return "background Style" + std::to_string(s.number);
    case StepKind::SetShaded:
        return "shaded " + onOff(s.flag);
    case StepKind::ShowLaunchControls:
        return "launch controls " + onOff(s.flag);
    case StepKind::InstallOutline:
        return std::string("outline ") + lookName(s.outline);
    case StepKind::ResizeWindow:
        return "size " + std::to_string(s.width) + "x" + std::to_string(s.height);
    case StepKind::SetWindowPicture:
        return std::string("window picture ") + lookName(s.outline);
    case StepKind::LoadFullBackground:
        return "full picture Style" + std::to_string(s.number);
    case StepKind::ShowShadeStrip:
        return "shade strip " + onOff(s.flag);
    }
    return "?";
}

std::vector<std::string> describe(const WindowSteps& steps)
{
    std::vector<std::string> lines;
    lines.reserve(steps.size());
    for (const auto& s : steps)
        lines.push_back(describe(s));
    return lines;
}

} // namespace launcher
