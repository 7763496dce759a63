#pragma once

#include <filesystem>
#include <string>

namespace platform {

// Copies a file or a whole folder to a place that must not exist yet. The
// copy is made under a temporary name beside the target and renamed into
// place when complete, so an interrupted copy never leaves a partial file or
// folder that would later be taken for the user's own. Whatever is already
// at the target is left alone.
class NoOverwriteCopier {
public:
    enum class Result { Copied, AlreadyThere, Failed };

    // `error` gets a message naming the file when the result is Failed.
    static Result copyFile(const std::filesystem::path& from, const std::filesystem::path& to, std::string* error);
    static Result copyFolder(const std::filesystem::path& from, const std::filesystem::path& to, std::string* error);
};

} // namespace platform
