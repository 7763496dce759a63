#include "platform/files/FolderMaker.h"

#include <filesystem>
#include <system_error>

namespace platform {

bool DiskFolderMaker::create(const std::string& path)
{
    std::error_code error;
    return std::filesystem::create_directory(path, error);
}

} // namespace platform
