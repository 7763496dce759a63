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

bool holdsOwnIni(const std::vector<std::string>& files, const std::string& folder)
{
    for (const std::string& file : files)
        if (platform::equalsIgnoringCase(file, folder + ".ini"))
            return true;
    return false;
}

} // namespace

SkinFolderRename PlanSkinFolderRename(const fs::path& skinsFolder, const std::string& folder)
{
    const std::vector<std::string> files = platform::listEntries(skinsFolder / folder, platform::EntryKind::Files);
    if (holdsOwnIni(files, folder))
        return {};
    std::string iniName;
    for (const std::string& file : files) {
        if (hasIniExtension(file)) {
            iniName = file;
            break;
        }
    }
    if (iniName.empty())
        return {{}, "skin folder " + folder + " holds no .ini file"};
    std::string baseName = iniName.substr(0, iniName.size() - 4);
    std::error_code error;
    if (fs::exists(skinsFolder / baseName, error))
        return {{}, "cannot rename skin folder " + folder + " to " + baseName + ": the name is taken"};
    return {std::move(baseName), {}};
}

SkinFolderRename NormaliseSkinFolder(const fs::path& skinsFolder, const std::string& folder)
{
    SkinFolderRename rename = PlanSkinFolderRename(skinsFolder, folder);
    if (rename.newName.empty())
        return rename;
    std::error_code error;
    fs::rename(skinsFolder / folder, skinsFolder / rename.newName, error);
    if (error)
        return {{}, "cannot rename skin folder " + folder + " to " + rename.newName + ": " + error.message()};
    return rename;
}

std::string NormaliseSkinFolders(const AppPaths& paths)
{
    const fs::path skins = paths.SkinsFolder();
    for (const std::string& folder : platform::listEntries(skins, platform::EntryKind::Folders)) {
        if (std::string problem = NormaliseSkinFolder(skins, folder).problem; !problem.empty())
            return problem;
    }
    return {};
}

bool IsSkinFolderName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

std::vector<std::string> ListSkins(const AppPaths& paths)
{
    std::vector<std::string> names = platform::listEntries(paths.SkinsFolder(), platform::EntryKind::Folders);
    SortByNameOrder(names);
    return names;
}

} // namespace launcher
