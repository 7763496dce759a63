#include "platform/files/FileStamp.h"

#include <algorithm>
#include <sys/stat.h>

namespace platform {

namespace {

bool same(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

long long nanoseconds(const timespec& t)
{
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

// The coarsest time-stamp resolution of the file systems in common use.
constexpr long long kCoarsestTick = 2'000'000'000LL;

} // namespace

std::optional<FileStamp> FileStamp::of(const std::filesystem::path& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    FileStamp stamp;
    stamp.device = status.st_dev;
    stamp.inode = status.st_ino;
    stamp.size = status.st_size;
    stamp.modified = status.st_mtim;
    stamp.changed = status.st_ctim;
    stamp.regular = S_ISREG(status.st_mode);
    return stamp;
}

bool FileStamp::settledBy(timespec readStart) const
{
    const long long latest = std::max(nanoseconds(modified), nanoseconds(changed));
    return nanoseconds(readStart) - latest > kCoarsestTick;
}

bool FileStamp::operator==(const FileStamp& other) const
{
    return device == other.device && inode == other.inode && size == other.size
        && same(modified, other.modified) && same(changed, other.changed) && regular == other.regular;
}

timespec wallClockNow()
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

} // namespace platform
