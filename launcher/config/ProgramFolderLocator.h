#pragma once

#include <functional>
#include <string>

namespace launcher {

// What decides where the program folder is.
struct ProgramFolderEnvironment {
    std::string quorvexHome;      // QUORVEX_HOME
    std::string executableFolder; // the folder of the running executable
    std::string dataHome;         // XDG_DATA_HOME
    std::string home;             // HOME
};

struct ProgramFolderLocation {
    std::string folder;
    // The installed data folder to fill `folder` from; empty when the folder
    // is the user's choice (QUORVEX_HOME) or the portable one.
    std::string installedData;
};

// Finds the program folder: QUORVEX_HOME when set; else the executable's own
// folder when it is a program folder (it holds skins/) that may be written
// (a portable or build-tree copy); else the per-user data folder, which is
// filled from the installed data.
class ProgramFolderLocator {
public:
    using WritableCheck = std::function<bool(const std::string& folder)>;

    static ProgramFolderLocation locate(const ProgramFolderEnvironment& environment, const WritableCheck& writable);
    // locate() for this process.
    static ProgramFolderLocation current();
};

} // namespace launcher
