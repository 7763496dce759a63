#pragma once

#include <algorithm>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace testsupport {

// The names of everything in `folder`, hidden entries included, sorted.
inline std::vector<std::string> namesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Dates the file, folder or link (not what it points at) two minutes back,
// as if it had been left there by a process killed that long ago.
inline void makeTwoMinutesOld(const std::filesystem::path& path)
{
    const std::time_t then = std::time(nullptr) - 120;
    const timespec times[2] = {{then, 0}, {then, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

} // namespace testsupport
