#pragma once

#include <string>

namespace launcher {

// The launcher's folders, all in one program folder (see
// ProgramFolderLocator for where that is). Folder results end with the separator so that
// file names can be appended, as every caller does.
class AppPaths {
public:
    explicit AppPaths(std::string programFolder);

    // The program folder ProgramFolderLocator finds for this process, as it
    // is (nothing is copied into it).
    static AppPaths fromEnvironment();

    std::string AppFolder() const { return m_appFolder; }
    std::string SkinsFolder() const { return m_appFolder + "skins/"; }
    std::string SkinFolder(const std::string& skinName) const;
    std::string SkinIniPath(const std::string& skinName) const;
    std::string ShortcutsFolder() const { return m_appFolder + "shortcuts/"; }
    // A section's folder, without a trailing separator.
    std::string SectionFolder(const std::string& sectionFolderName) const;
    std::string LauncherIniPath() const { return m_appFolder + "Quorvex.ini"; }

private:
    std::string m_appFolder;
};

} // namespace launcher
