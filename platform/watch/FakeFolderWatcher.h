#pragma once

#include "platform/watch/FolderWatcher.h"

namespace platform {

// A watcher for tests: it watches nothing, remembers which folder it was
// given, and reports the changes a test makes up.
class FakeFolderWatcher final : public FolderWatcher {
public:
    std::string watchFolder(const std::string& folder) override;

    // Reports a change of entry `name`, as the system would after a write.
    void change(const std::string& name) const { reportChange(name); }

    const std::string& folder() const { return m_folder; }
    int watchCalls() const { return m_watchCalls; }
    // What the next watchFolder() answers.
    void setProblem(std::string problem) { m_problem = std::move(problem); }

private:
    std::string m_folder;
    std::string m_problem;
    int m_watchCalls = 0;
};

} // namespace platform
