#pragma once

#include <string>

namespace launcher {

// The launcher's folders, all beside the program (or below QUORVEX_HOME for
// tests and portable installs). Folder results end with the separator so that
// file names can be appended, as every caller does.
class AppPaths {
public:
    explicit AppPaths(std::string programFolder);

    // The folder of the running executable, or QUORVEX_HOME when it is set.
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
