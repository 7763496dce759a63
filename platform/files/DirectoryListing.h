#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace platform {

enum class EntryKind { Folders, Files };

// Names (not paths) of the visible entries of `folder` of one kind, in the
// order the file system lists them. Names starting with '.' are hidden
// entries and are never listed. A missing or unreadable folder lists nothing.
std::vector<std::string> listEntries(const std::filesystem::path& folder, EntryKind kind);

} // namespace platform
