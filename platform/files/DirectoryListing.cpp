#include "platform/files/DirectoryListing.h"

#include <system_error>

namespace platform {

std::vector<std::string> listEntries(const std::filesystem::path& folder, EntryKind kind)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.')
            continue;
        std::error_code statusError;
        const bool isFolder = it->is_directory(statusError);
        if (statusError)
            continue;
        if (isFolder == (kind == EntryKind::Folders))
            names.push_back(std::move(name));
    }
    return names;
}

} // namespace platform
