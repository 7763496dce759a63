#include "launcher/config/AppPaths.h"

#include "launcher/config/ProgramFolderLocator.h"

namespace launcher {

AppPaths::AppPaths(std::string programFolder)
    : m_appFolder(std::move(programFolder))
{
    if (m_appFolder.empty() || m_appFolder.back() != '/')
        m_appFolder += '/';
}

AppPaths AppPaths::fromEnvironment()
{
    return AppPaths(ProgramFolderLocator::current().folder);
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
