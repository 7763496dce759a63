#include "launcher/config/AppPaths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace launcher {

AppPaths::AppPaths(std::string programFolder)
    : m_appFolder(std::move(programFolder))
{
    if (m_appFolder.empty() || m_appFolder.back() != '/')
        m_appFolder += '/';
}

AppPaths AppPaths::fromEnvironment()
{
    if (const char* home = std::getenv("QUORVEX_HOME"); home && *home)
        return AppPaths(home);
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return AppPaths(std::filesystem::current_path(error).string());
    return AppPaths(executable.parent_path().string());
}

std::string AppPaths::SkinFolder(const std::string& skinName) const
{
    return SkinsFolder() + skinName + "/";
}

std::string AppPaths::SkinIniPath(const std::string& skinName) const
{
    return SkinFolder(skinName) + skinName + ".ini";
}

std::string AppPaths::SectionFolder(const std::string& sectionFolderName) const
{
    return ShortcutsFolder() + sectionFolderName;
}

} // namespace launcher
