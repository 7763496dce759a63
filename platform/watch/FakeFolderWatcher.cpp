#include "platform/watch/FakeFolderWatcher.h"

namespace platform {

std::string FakeFolderWatcher::watchFolder(const std::string& folder)
{
    ++m_watchCalls;
    m_folder = m_problem.empty() ? folder : std::string();
    return m_problem;
}

} // namespace platform
