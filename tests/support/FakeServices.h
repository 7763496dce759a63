#pragma once

#include "launcher/startup/Services.h"
#include "platform/desktop/FontTable.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/RecordingWindowMover.h"
#include "platform/desktop/Screen.h"
#include "platform/desktop/WindowStacking.h"
#include "platform/files/FolderMaker.h"
#include "platform/icons/FakeIconService.h"
#include "platform/profile/FileProfileStore.h"
#include "platform/shell/RecordingShell.h"
#include "platform/sound/SoundSystem.h"

namespace testsupport {

// The services a launcher runs on in tests: real profile files and folders
// (below a test's temporary program folder), everything that would reach the
// desktop recorded instead, a 1024 x 768 screen and no pauses.
struct FakeServices {
    platform::FileProfileStore profiles;
    platform::RecordingMessageBox messages;
    platform::RecordingFontTable fonts;
    platform::FixedScreen screen{{1024, 768}};
    platform::RecordingFolderMaker folders;
    platform::RecordingWindowStacking stacking;
    platform::RecordingSoundSystem sounds;
    platform::RecordingShell shell;
    platform::FakeIconService icons;
    platform::RecordingWindowMover mover;

    launcher::Services services()
    {
        return {profiles, messages, fonts, screen, folders, stacking, sounds, shell, icons, mover, 0.0};
    }
};

} // namespace testsupport
