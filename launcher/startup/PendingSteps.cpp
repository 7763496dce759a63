// Start-up steps whose work lives with the skin loaders, the shortcut
// library, the window's behaviour and the dialogs. Each is called at its
// place in the start-up sequence and does nothing until its part of the
// launcher is in place.
#include "launcher/startup/Launcher.h"

namespace launcher {


} // namespace launcher
