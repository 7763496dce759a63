#pragma once

#include "platform/shell/Shell.h"

#include <string>
#include <vector>

namespace platform {

// A shell for tests: records every request and starts nothing.
class RecordingShell final : public Shell {
public:
    enum class Kind { Program, Document, Folder };

    struct Call {
        Kind kind = Kind::Program;
        std::string target; // program, document/URL or folder
        std::vector<std::string> arguments;
        std::string workingFolder;
        WindowState windowState = WindowState::Normal;
    };

    bool startProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder, WindowState windowState) override;
    bool openDocument(const std::string& pathOrUrl, const std::vector<std::string>& arguments,
                      const std::string& workingFolder, WindowState windowState) override;
    bool openFolder(const std::string& folder, const std::string& workingFolder) override;

    const std::vector<Call>& calls() const { return m_calls; }
    void clear() { m_calls.clear(); }

    // What every later request reports.
    void setResult(bool started) { m_result = started; }

private:
    bool record(Call call);

    std::vector<Call> m_calls;
    bool m_result = true;
};

} // namespace platform
