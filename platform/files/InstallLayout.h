#pragma once

#include <string>

namespace platform {

// Where the running program and its installed data are. The data folder is
// found relative to the executable (as the install rules lay them out), so a
// prefix that was moved as a whole keeps working.
class InstallLayout {
public:
    // The folder of the running executable, without a trailing separator;
    // empty when the system does not say.
    static std::string executableFolder();
    // The installed data folder (<prefix>/share/quorvex) that belongs to an
    // executable in `executableFolder`, whether it exists or not.
    static std::string dataFolderFor(const std::string& executableFolder);
    // dataFolderFor(executableFolder()).
    static std::string dataFolder();
    // Whether this process may create files in `folder`.
    static bool canWriteInto(const std::string& folder);
};

} // namespace platform
