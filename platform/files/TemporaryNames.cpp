#include "platform/files/TemporaryNames.h"

#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::string_view kPrefix = ".quorvex-";
constexpr std::string_view kSuffix = ".tmp";
constexpr size_t kRandomLength = 8;
constexpr std::string_view kAlphabet = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

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

void removeStaleTemporaries(const std::filesystem::path& folder, std::chrono::seconds age)
{
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return;
    const auto now = std::chrono::system_clock::now();
    for (const auto& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (!isTemporaryName(name))
            continue;
        struct stat status {};
        if (::lstat(entry.path().c_str(), &status) != 0 || !S_ISREG(status.st_mode))
            continue;
        const auto modified = std::chrono::system_clock::from_time_t(status.st_mtim.tv_sec);
        if (now - modified > age)
            ::unlink(entry.path().c_str());
    }
}

} // namespace platform
