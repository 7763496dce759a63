#pragma once

namespace controls {

// Screen readers announce a window by its role: a top-level QWidget is a
// mere "filler" to them, so the launcher's own windows (all plain QWidgets,
// not dialogs) would come and go unannounced. After this call every such
// window is a "frame" named by its title. Dialogs keep Qt's own role. Safe
// to call more than once.
void giveWindowsTheirRole();

} // namespace controls
