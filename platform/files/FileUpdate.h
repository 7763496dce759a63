#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Makes the new contents of a file from its current ones (nullopt when the
// file does not exist yet) in `replacement`; returns a message to refuse.
using FileChange =
    std::function<std::string(const std::optional<std::string>& current, std::string& replacement)>;

// The one way settings and registry files are changed: follows symbolic
// links to the file they end at, takes the FileLock, reads the file afresh
// (never a cached copy, which another process may have outdated), lets
// `change` make the new contents and, when they differ, writes them with
// replaceFileContents(). Returns an empty string or a message naming the file.
std::string updateFile(const std::filesystem::path& path, const FileChange& change);

// Gives the file `bytes` as its contents, in the same way.
std::string writeFile(const std::filesystem::path& path, std::string_view bytes);

} // namespace platform
