#include "platform/files/NoOverwriteCopier.h"

#include "platform/files/CopiedFilePermissions.h"
#include "platform/files/DurableWrite.h"
#include "platform/files/RenameWithoutReplacing.h"
#include "platform/files/TemporaryNames.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

namespace fs = std::filesystem;

constexpr size_t kChunkBytes = 64 * 1024;
// Like a copied file, a copied folder may be written by its owner only.
constexpr mode_t kFolderMode = 0755;
// What is being copied may be private: nobody else may open the copy before
// it has its permissions.
constexpr mode_t kUnfinishedFileMode = 0600;

bool somethingAt(const fs::path& path)
{
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 || errno != ENOENT;
}

// Fills the new file `out` with the regular file `from`, gives it the
// permissions of a copy and syncs it; closes `out`. 0 or the errno.
int fillAndClose(const fs::path& from, int out)
{
    // Non-blocking, so that a pipe in place of a file cannot hang the copy.
    const int in = ::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    int failure = in < 0 ? errno : 0;
    struct stat status {};
    if (!failure && ::fstat(in, &status) != 0)
        failure = errno;
    if (!failure && !S_ISREG(status.st_mode))
        failure = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
    std::vector<char> buffer(failure ? 0 : kChunkBytes);
    for (off_t offset = 0; !failure;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            failure = got < 0 ? errno : 0;
            break;
        }
        if (!writeAllAt(out, std::string_view(buffer.data(), static_cast<size_t>(got)), offset))
            failure = errno;
        offset += got;
    }
    if (in >= 0)
        ::close(in);
    const auto permissions = CopiedFilePermissions(static_cast<fs::perms>(status.st_mode & 07777), currentUmask());
    if (!failure && ::fchmod(out, static_cast<mode_t>(permissions)) != 0)
        failure = errno;
    // Synced before the rename, or a crash could show an empty file under the final name.
    if (!failure && ::fsync(out) != 0)
        failure = errno;
    if (::close(out) != 0 && !failure)
        failure = errno;
    return failure;
}

int copyFileTo(const fs::path& from, const fs::path& to)
{
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kUnfinishedFileMode);
    return out < 0 ? errno : fillAndClose(from, out);
}

// Copies what is in the folder `from` (ENOTDIR when it is none) into the new,
// empty folder `to`; links are copied as what they point at.
int copyTree(const fs::path& from, const fs::path& to)
{
    std::vector<fs::path> folders{to};
    std::error_code error;
    fs::recursive_directory_iterator walk(from, fs::directory_options::follow_directory_symlink, error);
    for (const fs::recursive_directory_iterator end; !error && walk != end; walk.increment(error)) {
        const fs::path target = to / walk->path().lexically_relative(from);
        const bool isFolder = walk->is_directory(error);
        if (error)
            return error.value();
        if (isFolder && ::mkdir(target.c_str(), kFolderMode) != 0)
            return errno;
        if (isFolder)
            folders.push_back(target);
        else if (const int failure = copyFileTo(walk->path(), target))
            return failure;
    }
    if (error)
        return error.value();
    for (const fs::path& folder : folders)
        syncFolder(folder);
    return 0;
}

NoOverwriteCopier::Result failed(const fs::path& from, const fs::path& to, int error, std::string* message)
{
    if (message)
        *message = "cannot copy " + from.string() + " to " + to.string() + ": " + std::strerror(error);
    return NoOverwriteCopier::Result::Failed;
}

// Makes the copy under a temporary name beside `to` with `make` (which
// returns the path of what it made, or an empty path with errno set) and
// `fill`, then gives it the final name unless something got there first.
NoOverwriteCopier::Result copyThenRename(const fs::path& from, const fs::path& to,
                                         const std::function<fs::path(const fs::path& folder)>& make,
                                         const std::function<int(const fs::path& temporary)>& fill,
                                         std::string* message)
{
    if (somethingAt(to))
        return NoOverwriteCopier::Result::AlreadyThere;
    const fs::path folder = folderOf(to);
    const fs::path temporary = make(folder);
    if (temporary.empty())
        return failed(from, to, errno, message);
    std::error_code ignored;
    if (const int failure = fill(temporary)) {
        fs::remove_all(temporary, ignored);
        return failed(from, to, failure, message);
    }
    if (const int failure = renameWithoutReplacing(temporary, to)) {
        fs::remove_all(temporary, ignored);
        // Another process put something there meanwhile: it wins, as the user's file would.
        if (failure == EEXIST)
            return NoOverwriteCopier::Result::AlreadyThere;
        return failed(from, to, failure, message);
    }
    syncFolder(folder);
    return NoOverwriteCopier::Result::Copied;
}

} // namespace

NoOverwriteCopier::Result NoOverwriteCopier::copyFile(const fs::path& from, const fs::path& to, std::string* error)
{
    int out = -1;
    return copyThenRename(
        from, to, [&out](const fs::path& folder) { return createTemporaryFile(folder, out, kUnfinishedFileMode); },
        [&](const fs::path&) { return fillAndClose(from, out); }, error);
}

NoOverwriteCopier::Result NoOverwriteCopier::copyFolder(const fs::path& from, const fs::path& to, std::string* error)
{
    return copyThenRename(
        from, to,
        [](const fs::path& folder) {
            return createTemporary(folder,
                                   [](const fs::path& temporary) { return ::mkdir(temporary.c_str(), kFolderMode) == 0; });
        },
        [&](const fs::path& temporary) { return copyTree(from, temporary); }, error);
}

} // namespace platform
