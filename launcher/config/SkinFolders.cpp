#include "launcher/config/SkinFolders.h"

#include "launcher/config/NameOrder.h"
#include "platform/files/CaseInsensitivePath.h"
#include "platform/files/DirectoryListing.h"

#include <filesystem>
#include <system_error>

namespace launcher {

namespace fs = std::filesystem;

namespace {

bool hasIniExtension(const std::string& name)
{
    return name.size() >= 4 && platform::toLowerAscii(name.substr(name.size() - 4)) == ".ini";
}

} // namespace

std::string NormaliseSkinFolders(const AppPaths& paths)
{
    const fs::path skins = paths.SkinsFolder();
    for (const std::string& folder : platform::listEntries(skins, platform::EntryKind::Folders)) {
        std::string iniName;
        for (const std::string& file : platform::listEntries(skins / folder, platform::EntryKind::Files)) {
            if (hasIniExtension(file)) {
                iniName = file;
                break;
            }
        }
        if (iniName.empty())
            return "skin folder " + folder + " holds no .ini file";
        const std::string baseName = iniName.substr(0, iniName.size() - 4);
        if (platform::equalsIgnoringCase(baseName, folder))
            continue;
        std::error_code error;
        if (fs::exists(skins / baseName, error))
            return "cannot rename skin folder " + folder + " to " + baseName + ": the name is taken";
        fs::rename(skins / folder, skins / baseName, error);
        if (error)
            return "cannot rename skin folder " + folder + " to " + baseName + ": " + error.message();
    }
    return {};
}

std::vector<std::string> ListSkins(const AppPaths& paths)
{
    std::vector<std::string> names = platform::listEntries(paths.SkinsFolder(), platform::EntryKind::Folders);
    SortByNameOrder(names);
    return names;
}

} // namespace launcher
