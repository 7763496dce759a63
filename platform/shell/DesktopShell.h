#pragma once

#include "platform/shell/DefaultHandler.h"
#include "platform/shell/Shell.h"

namespace platform {

// Starts programs with QProcess::startDetached and hands everything else to
// xdg-open, never through a shell, so names with blanks or shell characters
// are passed through as they are. A document opened with arguments goes to
// the handler chosen for its type directly, since the opener takes no
// arguments. The window state is not passed on: programs here choose their
// first window's state themselves, and no common option asks them for one.
class DesktopShell final : public Shell {
public:
    // `opener` is the program that knows the user's default handlers;
    // `handlers` finds the handler of a document opened with arguments.
    explicit DesktopShell(std::string opener = "xdg-open", HandlerLookup handlers = defaultHandlerCommand);

    bool startProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder, WindowState windowState) override;
    bool openDocument(const std::string& pathOrUrl, const std::vector<std::string>& arguments,
                      const std::string& workingFolder, WindowState windowState) override;
    bool openFolder(const std::string& folder, const std::string& workingFolder) override;

private:
    std::string m_opener;
    HandlerLookup m_handlers;
};

} // namespace platform
