#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

namespace platform {

// A file being written by a copy, under a temporary name the user never
// sees; so the messages give only the reason, and the caller names the
// file the user asked for.
class CopyOutput {
public:
    virtual ~CopyOutput() = default;
    // Empty on success, otherwise the reason ("No space left on device").
    virtual std::string write(const char* data, std::size_t size) = 0;
    // Flushes the bytes to the disk and closes the file; empty or the reason.
    virtual std::string finish() = 0;
};

// The writing side of the copy service, apart so that tests can make a
// write or a rename fail at a chosen point.
class CopyFileOps {
public:
    virtual ~CopyFileOps() = default;

    // Creates a new, empty file under an unused temporary name in `folder`
    // (removing the stale temporaries of copies killed earlier) and sets
    // `created` to its path. nullptr (with `error` set) on failure.
    virtual std::unique_ptr<CopyOutput> createTemporary(const std::filesystem::path& folder,
                                                        std::filesystem::path& created, std::string& error);

    // Moves `from` to `to` in one step, over what is at `to` only when
    // `mayReplace`. Empty on success, otherwise a message.
    virtual std::string rename(const std::filesystem::path& from, const std::filesystem::path& to, bool mayReplace);
};

} // namespace platform
