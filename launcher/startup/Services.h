#pragma once

#include "platform/desktop/FontTable.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Screen.h"
#include "platform/desktop/WindowMover.h"
#include "platform/desktop/WindowStacking.h"
#include "platform/files/FolderMaker.h"
#include "platform/icons/IconService.h"
#include "platform/shell/Shell.h"
#include "platform/sound/SoundSystem.h"
#include "platform/profile/ProfileStore.h"
#include "platform/watch/FolderWatcher.h"

namespace launcher {

// The platform services the launcher uses, built once in main (or by a test
// with fakes) and handed down.
struct Services {
    platform::ProfileStore& profiles;
    platform::MessageBox& messages;
    platform::FontTable& fonts;
    platform::Screen& screen;
    platform::FolderMaker& folders;
    platform::WindowStacking& stacking;
    platform::SoundSystem& sounds;
    platform::Shell& shell;
    platform::IconService& icons;
    platform::WindowMover& mover;
    // Multiplies every pause; tests run start-up fast while keeping its order.
    double pauseScale = 1.0;
    // Started at log-in (--autostart): no splash and no start-up pauses,
    // whatever Quorvex.ini says.
    bool quietStart = false;
    // Watches the running skin's folder, so that a skin edited while it runs
    // is loaded again; null: the skin is read at start-up only.
    platform::FolderWatcher* skinFolderWatcher = nullptr;
    // The desktop shows what lies beneath a window's transparent pixels
    // (a compositor runs): the window is then painted transparent where its
    // outline cuts, not only shaped, since not every compositor honours a
    // shape.
    bool translucentWindows = false;
};

} // namespace launcher
