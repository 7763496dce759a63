#pragma once

#include "launcher/dialogs/DialogHooks.h"

#include <QWidget>

#include <string>
#include <vector>

namespace testsupport {

// Dialog hooks that write what they are asked to do into `events`, as
// "<window> topmost", "<window> not topmost", "pause <ms>" and
// "restore launcher", so a test can check the order of a window's steps.
inline launcher::DialogHooks RecordingHooks(std::vector<std::string>& events)
{
    launcher::DialogHooks hooks;
    hooks.SetWindowTopmost = [&events](QWidget& window, bool on) {
        events.push_back(window.objectName().toStdString() + (on ? " topmost" : " not topmost"));
    };
    hooks.PauseWithEvents = [&events](int ms) { events.push_back("pause " + std::to_string(ms)); };
    hooks.RestoreLauncherTopmost = [&events] { events.push_back("restore launcher"); };
    return hooks;
}

} // namespace testsupport
