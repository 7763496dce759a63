#include "platform/files/FileUpdate.h"

#include "platform/files/AtomicFile.h"
#include "platform/files/BoundedFileReader.h"
#include "platform/files/FileLock.h"
#include "platform/files/LinkTarget.h"

#include <cerrno>
#include <sys/stat.h>

namespace platform {

namespace fs = std::filesystem;

namespace {

// The current contents of `target`, nullopt when it does not exist; a
// message in `problem` when it exists but cannot be read. Every file written
// this way is a settings file, so it has the limit of one.
std::optional<std::string> readCurrent(const fs::path& target, std::string& problem)
{
    struct stat status {};
    if (::lstat(target.c_str(), &status) != 0 && errno == ENOENT)
        return std::nullopt;
    std::string bytes;
    problem = BoundedFileReader(readLimits::kIniBytes).read(target, bytes);
    return bytes;
}

std::string locked(const fs::path& path, const std::function<std::string(const fs::path& target)>& work)
{
    std::string problem;
    const fs::path target = followLinks(path, problem);
    if (target.empty())
        return problem;
    FileLock lock(target, FileLock::Mode::Exclusive);
    if (lock.busy())
        return "cannot write " + target.string() + ": another program keeps it locked";
    return work(target);
}

} // namespace

std::string updateFile(const fs::path& path, const FileChange& change)
{
    return locked(path, [&](const fs::path& target) {
        std::string problem;
        const std::optional<std::string> current = readCurrent(target, problem);
        if (!problem.empty())
            return problem;
        std::string replacement;
        problem = change(current, replacement);
        if (!problem.empty())
            return problem;
        if (current && *current == replacement)
            return std::string();
        return replaceFileContents(target, replacement);
    });
}

std::string writeFile(const fs::path& path, std::string_view bytes)
{
    return locked(path, [&](const fs::path& target) { return replaceFileContents(target, bytes); });
}

} // namespace platform
