#include "platform/files/TemporaryNames.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = ".quorvex-";
constexpr std::string_view kSuffix = ".tmp";
constexpr size_t kRandomLength = 8;
constexpr std::string_view kAlphabet = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int kNameTries = 100;

std::chrono::system_clock::time_point modifiedAt(const struct stat& status)
{
    return std::chrono::system_clock::from_time_t(status.st_mtim.tv_sec);
}

// The latest change anywhere in a temporary folder: a copy still writing into
// it keeps touching some file or folder inside, however old the top is.
std::chrono::system_clock::time_point lastChangeWithin(const fs::path& folder, const struct stat& status)
{
    auto latest = modifiedAt(status);
    std::error_code error;
    for (fs::recursive_directory_iterator walk(folder, error), end; !error && walk != end; walk.increment(error)) {
        struct stat inner {};
        if (::lstat(walk->path().c_str(), &inner) == 0)
            latest = std::max(latest, modifiedAt(inner));
    }
    return latest;
}

} // namespace

std::string newTemporaryName()
{
    thread_local std::mt19937_64 generator{std::random_device{}() ^ static_cast<unsigned long>(::getpid())};
    std::uniform_int_distribution<size_t> pick(0, kAlphabet.size() - 1);
    std::string name(kPrefix);
    for (size_t i = 0; i < kRandomLength; ++i)
        name += kAlphabet[pick(generator)];
    name += kSuffix;
    return name;
}

bool isTemporaryName(std::string_view name)
{
    if (name.size() != kPrefix.size() + kRandomLength + kSuffix.size() || !name.starts_with(kPrefix)
        || !name.ends_with(kSuffix))
        return false;
    const std::string_view random = name.substr(kPrefix.size(), kRandomLength);
    return random.find_first_not_of(kAlphabet) == std::string_view::npos;
}

void removeStaleTemporaries(const fs::path& folder, std::chrono::seconds age)
{
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error)
        return;
    const auto now = std::chrono::system_clock::now();
    for (const auto& entry : entries) {
        if (!isTemporaryName(entry.path().filename().string()))
            continue;
        struct stat status {};
        if (::lstat(entry.path().c_str(), &status) != 0)
            continue;
        if (S_ISREG(status.st_mode) || S_ISLNK(status.st_mode)) {
            if (now - modifiedAt(status) > age)
                ::unlink(entry.path().c_str());
        } else if (S_ISDIR(status.st_mode)) {
            if (now - lastChangeWithin(entry.path(), status) > age)
                fs::remove_all(entry.path(), error);
        }
    }
}

fs::path createTemporary(const fs::path& folder, const std::function<bool(const fs::path&)>& make)
{
    removeStaleTemporaries(folder);
    for (int tries = 0; tries < kNameTries; ++tries) {
        fs::path temporary = folder / newTemporaryName();
        if (make(temporary))
            return temporary;
        if (errno != EEXIST)
            return {};
    }
    return {};
}

fs::path createTemporaryFile(const fs::path& folder, int& fd, mode_t mode)
{
    return createTemporary(folder, [&fd, mode](const fs::path& temporary) {
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        return fd >= 0;
    });
}

} // namespace platform
