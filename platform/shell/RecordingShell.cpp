#include "platform/shell/RecordingShell.h"

namespace platform {

bool RecordingShell::record(Call call)
{
    m_calls.push_back(std::move(call));
    return m_result;
}

bool RecordingShell::startProgram(const std::string& program, const std::vector<std::string>& arguments,
                                  const std::string& workingFolder, WindowState windowState)
{
    return record({Kind::Program, program, arguments, workingFolder, windowState});
}

bool RecordingShell::openDocument(const std::string& pathOrUrl, const std::vector<std::string>& arguments,
                                  const std::string& workingFolder, WindowState windowState)
{
    return record({Kind::Document, pathOrUrl, arguments, workingFolder, windowState});
}

bool RecordingShell::openFolder(const std::string& folder, const std::string& workingFolder)
{
    return record({Kind::Folder, folder, {}, workingFolder, WindowState::Normal});
}

} // namespace platform
