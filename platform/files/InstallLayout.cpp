#include "platform/files/InstallLayout.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

#ifndef QUORVEX_DATA_FROM_BINDIR
#define QUORVEX_DATA_FROM_BINDIR "../share/quorvex"
#endif

namespace platform {

std::string InstallLayout::executableFolder()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    return executable.parent_path().string();
}

std::string InstallLayout::dataFolderFor(const std::string& executableFolder)
{
    if (executableFolder.empty())
        return {};
    return (std::filesystem::path(executableFolder) / QUORVEX_DATA_FROM_BINDIR).lexically_normal().string();
}

std::string InstallLayout::dataFolder()
{
    return dataFolderFor(executableFolder());
}

bool InstallLayout::canWriteInto(const std::string& folder)
{
    return !folder.empty() && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

} // namespace platform
