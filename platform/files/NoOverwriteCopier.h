#pragma once

#include <filesystem>
#include <string>

namespace platform {

// Copies a file or a whole folder to a place that must not exist yet. The
// copy is made under a temporary name beside the target (the one pattern of
// TemporaryNames, so that what a killed copy leaves is removed by the next
// write into that folder), synced, and renamed into place when complete, so
// an interrupted copy never leaves a partial file or folder that would later
// be taken for the user's own. Whatever is at the target, even if it appeared
// while the copy was being made, is left alone. Files get
// CopiedFilePermissions(); folders are writable by their owner only.
class NoOverwriteCopier {
public:
    enum class Result { Copied, AlreadyThere, Failed };

    // `error` gets a message naming the file when the result is Failed.
    static Result copyFile(const std::filesystem::path& from, const std::filesystem::path& to, std::string* error);
    static Result copyFolder(const std::filesystem::path& from, const std::filesystem::path& to, std::string* error);
};

} // namespace platform
