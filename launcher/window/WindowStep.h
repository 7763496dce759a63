#pragma once

#include "launcher/skin/SkinColor.h"

#include <string>
#include <vector>

namespace launcher {

// One thing the main window does in answer to a pointer event or a roll of
// the shade. The interaction logic decides which steps happen and in which
// order; the window carries them out one after the other, so that the order
// (picture before sound, pause before launch) lives in one tested place.
enum class StepKind {
    ShowPicture,         // panel `target` shows the picture stored under `text` in its image list
    SetCaptionColor,     // panel `target` (and a launch button's label) takes `color`
    PlaySound,           // the skin sound `text`, started as `soundMode` says
    Pause,               // PauseWithEvents(`number`)
    DisableDwellTimer,   // Timer2 off
    ClearDragHighlight,  // DragHighlightButton = -1
    RepaintNow,          // repaint panel `target` at once
    RollUp,              // run the shade's roll-up steps
    LaunchShortcut,      // launch the shortcut of launch button `target` (no document)
    ShowSplash,          // the Splash window, without blocking
    ExitProgram,         // unload the main window (its close handler runs), then end the program
    RefreshShortcuts,    // RefreshShortcutsIfChanged
    ShowShortcutsWindow, // the Shortcuts reminder, modal
    ShowSkinChooser,     // the skin chooser, without blocking
    SelectSection,       // CurrentSection = `target` + 1; clear PopulatedFlag; refresh the library;
                         // PopulateLaunchButtons when PopulatedFlag is still clear
    ClearPopulatedFlag,  // PopulatedFlag cleared
    ShowBackground,      // window picture = "Style<number>" of the SectionStyle image list
    SetShaded,           // ShadedFlag = `flag` ? -1 : 0
    ShowLaunchControls,  // ShowLaunchControls(`flag`)
    InstallOutline,      // `outline`'s shape control takes the window handle
    ResizeWindow,        // window size = `width` x `height` pixels
    SetWindowPicture,    // the window's picture becomes the `outline`'s picture
    LoadFullBackground,  // the full-size picture = "Style<number>" of the SectionStyle image list
    ShowShadeStrip,      // the shading panel's visibility = `flag`
};

enum class SoundMode { Async, NoStop, Wait };

// Which of the two window looks a shade step means: the full background with
// its outline, or the small rolled-up one.
enum class WindowLook { Full, Shade };

struct WindowStep {
    StepKind kind = StepKind::Pause;
    int target = -1;
    std::string text;
    RgbColor color;
    SoundMode soundMode = SoundMode::Async;
    int number = 0;
    bool flag = false;
    WindowLook outline = WindowLook::Full;
    int width = 0;
    int height = 0;

    friend bool operator==(const WindowStep&, const WindowStep&) = default;
};

using WindowSteps = std::vector<WindowStep>;

namespace step {
WindowStep showPicture(int target, std::string key);
WindowStep captionColor(int target, RgbColor color);
WindowStep sound(SoundMode mode, std::string name);
WindowStep pause(int milliseconds);
WindowStep simple(StepKind kind, int target = -1);
WindowStep withNumber(StepKind kind, int number);
WindowStep withFlag(StepKind kind, bool flag);
WindowStep withLook(StepKind kind, WindowLook look);
WindowStep resize(int widthPixels, int heightPixels);
} // namespace step

// A one-line text of the step ("picture 3 Button2", "sound nostop a.wav"),
// for logs and for tests that compare whole sequences.
std::string describe(const WindowStep& step);
std::vector<std::string> describe(const WindowSteps& steps);

} // namespace launcher
