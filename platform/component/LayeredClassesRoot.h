#pragma once

#include "platform/component/ClassesRoot.h"

#include <string>

namespace quorvex::platform::component {

// The registry the runtime reads: the installed one, written when the
// program was installed and read-only afterwards, with the user's own
// (ClassesRoot::defaultPath()) laid over it, so that what the user registers
// wins. A server path that is not absolute is relative to the folder of the
// registry file that names it, which keeps an installed tree movable.
class LayeredClassesRoot {
public:
    // classes-root.ini in the installed data folder of the running program.
    static std::string installedPath();

    // Loads both layers into `merged`; a missing file is an empty layer, a
    // malformed one an error (naming the file).
    static bool load(ClassesRoot& merged, std::string* error = nullptr);
    static bool load(ClassesRoot& merged, const std::string& installed, const std::string& user, std::string* error);

    // Makes the library path `module` relative to the folder of `root`'s file
    // wherever a value names it ("<module>" or "<module>, <n>").
    static void makeModuleRelative(ClassesRoot& root, const std::string& module);
};

} // namespace quorvex::platform::component
