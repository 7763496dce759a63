#pragma once

#include "platform/shell/Shell.h"

namespace platform {

// Starts programs with QProcess::startDetached and hands everything else to
// xdg-open, never through a shell, so names with blanks or shell characters
// are passed through as they are.
class DesktopShell final : public Shell {
public:
    // `opener` is the program that knows the user's default handlers.
    explicit DesktopShell(std::string opener = "xdg-open");

    bool startProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder) override;
    bool openDocument(const std::string& pathOrUrl, const std::string& workingFolder) override;
    bool openFolder(const std::string& folder) override;

private:
    std::string m_opener;
};

} // namespace platform
