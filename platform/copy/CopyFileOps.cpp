#include "platform/copy/CopyFileOps.h"

#include "platform/files/DurableWrite.h"
#include "platform/files/RenameWithoutReplacing.h"
#include "platform/files/TemporaryNames.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace platform {

namespace {

class DiskOutput final : public CopyOutput {
public:
    explicit DiskOutput(int fd)
        : m_fd(fd)
    {
    }
    ~DiskOutput() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    std::string write(const char* data, std::size_t size) override
    {
        while (size > 0) {
            const ssize_t written = ::write(m_fd, data, size);
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                return std::strerror(errno);
            }
            data += written;
            size -= static_cast<std::size_t>(written);
        }
        return {};
    }

    std::string finish() override
    {
        // Without the sync a crash right after the rename could leave an
        // empty file under the final name.
        const bool synced = ::fdatasync(m_fd) == 0;
        const int syncError = errno;
        const bool closed = ::close(m_fd) == 0;
        m_fd = -1;
        if (!synced)
            return std::strerror(syncError);
        if (!closed)
            return std::strerror(errno);
        return {};
    }

private:
    int m_fd;
};

} // namespace

std::unique_ptr<CopyOutput> CopyFileOps::createTemporary(const std::filesystem::path& folder,
                                                         std::filesystem::path& created, std::string& error)
{
    // Private until the copy is complete and given its permissions: the
    // source may be a file only its owner may read.
    int fd = -1;
    created = createTemporaryFile(folder, fd, 0600);
    if (created.empty()) {
        error = "cannot create a file in " + folder.string() + ": " + std::strerror(errno);
        return nullptr;
    }
    return std::make_unique<DiskOutput>(fd);
}

std::string CopyFileOps::rename(const std::filesystem::path& from, const std::filesystem::path& to, bool mayReplace)
{
    const int error = mayReplace ? (::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno)
                                 : renameWithoutReplacing(from, to);
    if (error != 0)
        return "cannot create " + to.string() + ": " + std::strerror(error);
    // Without it a crash soon after could lose the new name.
    syncFolder(folderOf(to));
    return {};
}

} // namespace platform
