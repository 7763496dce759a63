#include "launcher/config/ProgramFolderSeeder.h"

#include "platform/files/CaseInsensitivePath.h"
#include "platform/files/NoOverwriteCopier.h"

#include <filesystem>
#include <system_error>

namespace launcher {

namespace {

namespace fs = std::filesystem;
using platform::NoOverwriteCopier;

const char* const kFirstUseFiles[] = { "nothumb.bmp", "SKINS.TXT" };

void addError(std::string& errors, const std::string& message)
{
    errors += message;
    errors += '\n';
}

} // namespace

std::string ProgramFolderSeeder::seed(const std::string& installedData, const std::string& programFolder)
{
    std::error_code failure;
    if (installedData.empty() || !fs::is_directory(installedData, failure))
        return {};
    const fs::path installed(installedData);
    const fs::path target(programFolder);
    std::string errors;

    // The folder itself may already be there: the user's component registry
    // lives in it too.
    const bool firstUse = !fs::exists(target / "skins", failure);
    fs::create_directories(target / "skins", failure);
    if (failure)
        return "cannot create " + (target / "skins").string() + ": " + failure.message() + "\n";

    std::string message;
    if (firstUse) {
        for (const char* name : kFirstUseFiles) {
            if (fs::exists(installed / name, failure)
                && NoOverwriteCopier::copyFile(installed / name, target / name, &message) == NoOverwriteCopier::Result::Failed)
                addError(errors, message);
        }
    }

    for (const fs::directory_entry& skin : fs::directory_iterator(installed / "skins", failure)) {
        const std::string name = skin.path().filename().string();
        if (!skin.is_directory(failure) || name.empty() || name.front() == '.')
            continue;
        // A skin the user has under another letter case is the same skin.
        if (fs::exists(platform::resolveCaseInsensitive(target / "skins" / name), failure))
            continue;
        if (NoOverwriteCopier::copyFolder(skin.path(), target / "skins" / name, &message) == NoOverwriteCopier::Result::Failed)
            addError(errors, message);
    }
    return errors;
}

} // namespace launcher
