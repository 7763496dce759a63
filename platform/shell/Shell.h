#pragma once

#include <string>
#include <vector>

namespace platform {

// How the started program's first window should appear. Programs on this
// desktop decide that themselves; a shell passes it on where it can.
enum class WindowState { Normal, Minimized, Maximized };

// The desktop's "open": starting programs and handing documents, folders and
// addresses to the handlers the user chose. Every call starts the work
// detached and returns at once; true means it was started, not that it
// succeeded.
class Shell {
public:
    virtual ~Shell() = default;

    // Starts `program` (a path, or a bare name looked up on PATH) with one
    // argument per element, in `workingFolder` (empty: the launcher's own).
    virtual bool startProgram(const std::string& program, const std::vector<std::string>& arguments,
                              const std::string& workingFolder, WindowState windowState) = 0;

    // Opens a document path or an absolute URL with the default handler;
    // `arguments`, when there are any, follow the document on the handler's
    // command line.
    virtual bool openDocument(const std::string& pathOrUrl, const std::vector<std::string>& arguments,
                              const std::string& workingFolder, WindowState windowState) = 0;

    // Shows a folder in the file manager, started in `workingFolder` (empty:
    // the folder itself).
    virtual bool openFolder(const std::string& folder, const std::string& workingFolder) = 0;
};

// Starts nothing and says so; for runs that must not touch the desktop.
class NullShell final : public Shell {
public:
    bool startProgram(const std::string&, const std::vector<std::string>&, const std::string&, WindowState) override
    {
        return false;
    }
    bool openDocument(const std::string&, const std::vector<std::string>&, const std::string&, WindowState) override
    {
        return false;
    }
    bool openFolder(const std::string&, const std::string&) override { return false; }
};

} // namespace platform
