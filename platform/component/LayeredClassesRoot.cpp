#include "platform/component/LayeredClassesRoot.h"

#include "platform/files/InstallLayout.h"

#include <filesystem>
#include <strings.h>
#include <system_error>

namespace quorvex::platform::component {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kServerKeySuffix = "\\InprocServer32";

bool isServerKey(std::string_view key)
{
    return key.size() >= kServerKeySuffix.size()
        && strncasecmp(key.data() + key.size() - kServerKeySuffix.size(), kServerKeySuffix.data(), kServerKeySuffix.size()) == 0;
}

fs::path folderOf(const std::string& file)
{
    std::error_code ignored;
    const fs::path absolute = fs::absolute(file, ignored);
    return absolute.parent_path();
}

void resolveRelativeServers(ClassesRoot& root)
{
    const fs::path folder = folderOf(root.path());
    for (const std::string& key : root.keys()) {
        if (!isServerKey(key))
            continue;
        const std::optional<std::string> server = root.value(key);
        if (server && !server->empty() && server->front() != '/')
            root.setValue(key, {}, (folder / *server).lexically_normal().string());
    }
}

bool loadLayer(ClassesRoot& layer, std::string* error)
{
    if (!layer.load(error))
        return false;
    resolveRelativeServers(layer);
    return true;
}

} // namespace

std::string LayeredClassesRoot::installedPath()
{
    const std::string data = ::platform::InstallLayout::dataFolder();
    return data.empty() ? std::string() : data + "/classes-root.ini";
}

bool LayeredClassesRoot::load(ClassesRoot& merged, std::string* error)
{
    return load(merged, installedPath(), ClassesRoot::defaultPath(), error);
}

bool LayeredClassesRoot::load(ClassesRoot& merged, const std::string& installed, const std::string& user, std::string* error)
{
    merged = ClassesRoot(user);
    if (!installed.empty() && installed != user) {
        ClassesRoot base(installed);
        if (!loadLayer(base, error))
            return false;
        merged.fromText(base.toText());
    }
    ClassesRoot own(user);
    if (!loadLayer(own, error))
        return false;
    for (const std::string& key : own.keys()) {
        merged.createKey(key);
        for (const auto& [name, value] : own.values(key))
            merged.setValue(key, name, value);
    }
    return true;
}

void LayeredClassesRoot::makeModuleRelative(ClassesRoot& root, const std::string& module)
{
    // Servers record their path with every link resolved.
    std::error_code ignored;
    const std::string resolved = fs::weakly_canonical(module, ignored).string();
    const fs::path relative = fs::path(resolved).lexically_relative(fs::weakly_canonical(folderOf(root.path()), ignored));
    if (resolved.empty() || relative.empty())
        return;
    for (const std::string& key : root.keys()) {
        for (const auto& [name, value] : root.values(key)) {
            if (value.compare(0, resolved.size(), resolved) != 0)
                continue;
            const std::string rest = value.substr(resolved.size());
            if (rest.empty() || rest.front() == ',')
                root.setValue(key, name, relative.string() + rest);
        }
    }
}

} // namespace quorvex::platform::component
