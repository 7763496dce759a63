#pragma once

#include "platform/copy/CopyService.h"

#include <deque>
#include <stdexcept>

namespace platform {

// Records every copy asked of it and copies nothing. Outcomes queued with
// `answerWith` are returned in order, then Completed with every source
// "copied". `throwOnCall` makes the n-th call (from 1) throw, as a copy
// whose file system gives way underneath would.
class RecordingCopyService final : public CopyService {
public:
    struct Call {
        std::vector<std::string> sources;
        std::string targetFolder;
    };

    CopyOutcome copy(const std::vector<std::string>& sources, const std::string& targetFolder) override;

    void answerWith(CopyOutcome outcome) { m_answers.push_back(std::move(outcome)); }
    void throwOnCall(int callNumber) { m_throwOnCall = callNumber; }
    const std::vector<Call>& calls() const { return m_calls; }

private:
    std::vector<Call> m_calls;
    std::deque<CopyOutcome> m_answers;
    int m_throwOnCall = 0;
};

} // namespace platform
