#include "platform/files/NoOverwriteCopier.h"

#include <unistd.h>

#include <system_error>

namespace platform {

namespace {

namespace fs = std::filesystem;

bool somethingAt(const fs::path& path)
{
    std::error_code ignored;
    return fs::symlink_status(path, ignored).type() != fs::file_type::not_found;
}

fs::path temporaryBeside(const fs::path& target)
{
    return target.parent_path() / ("." + target.filename().string() + ".copy-" + std::to_string(::getpid()));
}

using CopyStep = void (*)(const fs::path& from, const fs::path& to, std::error_code& error);

NoOverwriteCopier::Result copyThenRename(const fs::path& from, const fs::path& to, CopyStep copy, std::string* error)
{
    if (somethingAt(to))
        return NoOverwriteCopier::Result::AlreadyThere;
    std::error_code failure;
    const fs::path temporary = temporaryBeside(to);
    fs::remove_all(temporary, failure);
    failure.clear();
    copy(from, temporary, failure);
    // Another process may have put something at the target meanwhile: it
    // wins, as the user's file would.
    if (!failure && somethingAt(to)) {
        fs::remove_all(temporary, failure);
        return NoOverwriteCopier::Result::AlreadyThere;
    }
    if (!failure)
        fs::rename(temporary, to, failure);
    if (failure) {
        std::error_code ignored;
        fs::remove_all(temporary, ignored);
        if (error)
            *error = "cannot copy " + from.string() + " to " + to.string() + ": " + failure.message();
        return NoOverwriteCopier::Result::Failed;
    }
    return NoOverwriteCopier::Result::Copied;
}

} // namespace

NoOverwriteCopier::Result NoOverwriteCopier::copyFile(const fs::path& from, const fs::path& to, std::string* error)
{
    return copyThenRename(from, to, [](const fs::path& source, const fs::path& target, std::error_code& failure) {
        fs::copy_file(source, target, fs::copy_options::overwrite_existing, failure);
    }, error);
}

NoOverwriteCopier::Result NoOverwriteCopier::copyFolder(const fs::path& from, const fs::path& to, std::string* error)
{
    return copyThenRename(from, to, [](const fs::path& source, const fs::path& target, std::error_code& failure) {
        if (!fs::is_directory(source, failure)) {
            if (!failure)
                failure = std::make_error_code(std::errc::not_a_directory);
            return;
        }
        fs::copy(source, target, fs::copy_options::recursive, failure);
    }, error);
}

} // namespace platform
