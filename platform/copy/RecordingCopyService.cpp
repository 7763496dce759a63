#include "platform/copy/RecordingCopyService.h"

namespace platform {

CopyOutcome RecordingCopyService::copy(const std::vector<std::string>& sources, const std::string& targetFolder)
{
    m_calls.push_back({sources, targetFolder});
    if (static_cast<int>(m_calls.size()) == m_throwOnCall)
        throw std::runtime_error("the file system failed while copying");
    if (!m_answers.empty()) {
        CopyOutcome outcome = std::move(m_answers.front());
        m_answers.pop_front();
        return outcome;
    }
    CopyOutcome outcome;
    for (const std::string& source : sources)
        outcome.copied.push_back(targetFolder + "/" + source.substr(source.find_last_of('/') + 1));
    return outcome;
}

} // namespace platform
