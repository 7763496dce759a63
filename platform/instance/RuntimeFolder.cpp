#include "platform/instance/RuntimeFolder.h"

#include <QCryptographicHash>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvex::platform {

namespace {

bool isPrivateFolder(const std::string& path, std::string* error)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        *error = path + ": " + std::strerror(errno);
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        *error = path + " is not a folder";
        return false;
    }
    if (info.st_uid != ::getuid()) {
        *error = path + " belongs to another user";
        return false;
    }
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        *error = path + " is open to other users";
        return false;
    }
    return true;
}

std::string makePrivateFolder(const std::string& path, std::string* error)
{
    if (::mkdir(path.c_str(), S_IRWXU) != 0 && errno != EEXIST) {
        *error = "cannot make " + path + ": " + std::strerror(errno);
        return {};
    }
    return isPrivateFolder(path, error) ? path : std::string();
}

} // namespace

std::string privateRuntimeFolder(std::string* error)
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code ignored;
    if (runtime && *runtime == '/' && std::filesystem::is_directory(runtime, ignored))
        return makePrivateFolder(std::string(runtime) + "/quorvex", error);
    return makePrivateFolder("/tmp/quorvex-" + std::to_string(::getuid()), error);
}

InstanceAddress instanceAddressFor(const std::string& programFolder, std::string* error)
{
    const std::string folder = privateRuntimeFolder(error);
    if (folder.empty())
        return {};
    std::string trimmed = programFolder;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.pop_back();
    std::error_code failed;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(trimmed, failed);
    if (failed)
        canonical = std::filesystem::absolute(trimmed, failed).lexically_normal();
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromStdString(canonical.string()), QCryptographicHash::Sha256).toHex();
    const std::string stem = folder + "/launcher-" + digest.left(16).toStdString();
    return {stem + ".lock", stem + ".socket"};
}

} // namespace quorvex::platform
