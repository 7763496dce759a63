#include "platform/files/AtomicFile.h"

#include "platform/files/DurableWrite.h"
#include "platform/files/InPlaceFile.h"
#include "platform/files/TemporaryNames.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace fs = std::filesystem;

namespace {

enum class Outcome { Replaced, Failed, OwnerNotKept };

struct Attempt {
    Outcome outcome;
    std::string message;
};

// A replacement must look like the file it replaces; false when it cannot
// (a file of another user that this one may write to).
bool takeOverAttributes(int fd, const struct stat& old)
{
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

Attempt replaceThroughTemporary(const fs::path& target, std::string_view bytes, const struct stat* old)
{
    const fs::path folder = folderOf(target);
    int fd = -1;
    const fs::path temporary = createTemporaryFile(folder, fd);
    if (temporary.empty())
        return {Outcome::Failed, "cannot write " + target.string() + ": " + std::strerror(errno)};
    auto discard = [&](Outcome outcome, int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return Attempt{outcome, "cannot write " + target.string() + ": " + std::strerror(error)};
    };
    if (old && !takeOverAttributes(fd, *old))
        return discard(Outcome::OwnerNotKept, errno);
    if (!writeAllAt(fd, bytes, 0) || ::fsync(fd) != 0)
        return discard(Outcome::Failed, errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return {Outcome::Failed, "cannot write " + target.string() + ": " + std::strerror(error)};
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return {Outcome::Failed, "cannot replace " + target.string() + ": " + std::strerror(error)};
    }
    syncFolder(folder);
    return {Outcome::Replaced, {}};
}

} // namespace

std::string replaceFileContents(const fs::path& target, std::string_view bytes)
{
    struct stat status {};
    std::optional<struct stat> old;
    if (::lstat(target.c_str(), &status) == 0)
        old = status;
    else if (errno != ENOENT)
        return "cannot write " + target.string() + ": " + std::strerror(errno);

    if (old) {
        if (!S_ISREG(old->st_mode))
            return "cannot write " + target.string() + ": not a regular file";
        // Even for the superuser: a file without write permission was made
        // read-only on purpose.
        if ((old->st_mode & 0222) == 0)
            return "cannot write " + target.string() + ": the file is read-only";
        if (::access(target.c_str(), W_OK) != 0)
            return "cannot write " + target.string() + ": " + std::strerror(errno);
    }
    const bool folderWritable = ::access(folderOf(target).c_str(), W_OK | X_OK) == 0;
    const int folderError = errno;
    if (folderWritable && (!old || old->st_nlink <= 1)) {
        Attempt attempt = replaceThroughTemporary(target, bytes, old ? &*old : nullptr);
        if (attempt.outcome != Outcome::OwnerNotKept)
            return attempt.message;
    }
    if (!old)
        return "cannot create " + target.string() + ": " + std::strerror(folderError);
    return rewriteInPlace(target, bytes);
}

} // namespace platform
