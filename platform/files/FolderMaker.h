#pragma once

#include <string>
#include <vector>

namespace platform {

// Creates folders one at a time (no parents), so callers control the order.
class FolderMaker {
public:
    virtual ~FolderMaker() = default;
    // True when the folder was created.
    virtual bool create(const std::string& path) = 0;
};

class DiskFolderMaker : public FolderMaker {
public:
    bool create(const std::string& path) override;
};

// Creates on disk and remembers the order, for tests.
class RecordingFolderMaker final : public DiskFolderMaker {
public:
    bool create(const std::string& path) override
    {
        m_created.push_back(path);
        return DiskFolderMaker::create(path);
    }
    const std::vector<std::string>& created() const { return m_created; }

private:
    std::vector<std::string> m_created;
};

} // namespace platform
