#include "launcher/config/ProgramFolderLocator.h"

#include "platform/files/InstallLayout.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace launcher {

namespace {

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool isProgramFolder(const std::string& folder)
{
    std::error_code ignored;
    return !folder.empty() && std::filesystem::is_directory(std::filesystem::path(folder) / "skins", ignored);
}

// Relative values of XDG_DATA_HOME are invalid and are ignored, as the base
// directory rules say.
std::string userDataHome(const ProgramFolderEnvironment& environment)
{
    if (!environment.dataHome.empty() && environment.dataHome.front() == '/')
        return environment.dataHome;
    if (!environment.home.empty())
        return environment.home + "/.local/share";
    return {};
}

} // namespace

ProgramFolderLocation ProgramFolderLocator::locate(const ProgramFolderEnvironment& environment, const WritableCheck& writable)
{
    if (!environment.quorvexHome.empty())
        return { environment.quorvexHome, {} };
    const std::string& own = environment.executableFolder;
    if (isProgramFolder(own) && writable(own))
        return { own, {} };
    const std::string dataHome = userDataHome(environment);
    // Without any home there is nowhere better than beside the program.
    if (dataHome.empty())
        return { own, {} };
    return { dataHome + "/quorvex", platform::InstallLayout::dataFolderFor(own) };
}

ProgramFolderLocation ProgramFolderLocator::current()
{
    ProgramFolderEnvironment environment {
        environmentValue("QUORVEX_HOME"),
        platform::InstallLayout::executableFolder(),
        environmentValue("XDG_DATA_HOME"),
        environmentValue("HOME"),
    };
    if (environment.executableFolder.empty()) {
        std::error_code ignored;
        environment.executableFolder = std::filesystem::current_path(ignored).string();
    }
    return locate(environment, &platform::InstallLayout::canWriteInto);
}

} // namespace launcher
