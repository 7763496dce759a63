// quorvex-regserver [/u] [--classes-root FILE [--relative]] <library.so>
// Registers (or with /u unregisters) an in-process component server in the
// user's classes root (QUORVEX_CLASSES_ROOT, or the user's data folder), or
// in the one named by --classes-root (the install rules write the installed
// registry that way).

#include "platform/component/ClassesRoot.h"
#include "platform/component/LayeredClassesRoot.h"
#include "platform/component/Runtime.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace quorvex::platform::component;

namespace {

int usage(FILE* out, int status)
{
    std::fprintf(out, "usage: quorvex-regserver [/u] [--classes-root FILE [--relative]] <library.so>\n"
                      "  registers a component server in your own registry; /u (or -u) unregisters it\n"
                      "  --classes-root FILE  use the registry FILE instead of your own\n"
                      "  --relative           record the library's path relative to FILE's folder\n");
    return status;
}

bool is(const char* arg, const char* name)
{
    return std::strcmp(arg, name) == 0;
}

// Records the library relative to the registry, which the registry's reader
// resolves again: the installed tree may be staged or moved as a whole.
bool makeRelative(const std::string& registry, const std::string& library)
{
    ClassesRoot root(registry);
    std::string error;
    if (!root.update([&](ClassesRoot& keys) { LayeredClassesRoot::makeModuleRelative(keys, library); }, &error)) {
        std::fprintf(stderr, "quorvex-regserver: %s\n", error.c_str());
        return false;
    }
    return true;
}

// The library registers itself under its real path.
std::string realPathOf(const std::string& path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// Whether any value of the classes root names the library.
bool classesRootNames(const std::string& registry, const std::string& library)
{
    ClassesRoot root(registry);
    if (!root.load())
        return false;
    for (const std::string& key : root.keys()) {
        for (const auto& [name, value] : root.values(key)) {
            if (value == library)
                return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    bool unregister = false;
    bool relative = false;
    std::string registryOption;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (is(arg, "/u") || is(arg, "/U") || is(arg, "-u")) {
            unregister = true;
        } else if (is(arg, "-h") || is(arg, "--help")) {
            return usage(stdout, 0);
        } else if (is(arg, "--classes-root") && i + 1 < argc && *argv[i + 1]) {
            registryOption = argv[++i];
        } else if (is(arg, "--relative")) {
            relative = true;
        } else if (path.empty() && arg[0] != '-') {
            path = arg;
        } else {
            return usage(stderr, 2);
        }
    }
    if (path.empty() || (relative && registryOption.empty()))
        return usage(stderr, 2);
    // dlopen searches the library path for bare names; a name in the current
    // folder is meant as that file.
    if (path.find('/') == std::string::npos)
        path = "./" + path;
    // The servers register themselves in the registry this names.
    if (!registryOption.empty())
        setenv("QUORVEX_CLASSES_ROOT", registryOption.c_str(), 1);

    std::string error;
    std::unique_ptr<InprocServer> server = InprocServer::load(path, &error);
    if (!server) {
        std::fprintf(stderr, "quorvex-regserver: %s\n", error.c_str());
        return 1;
    }
    const std::string registry = ClassesRoot::defaultPath();
    HResult hr = unregister ? server->unregisterServer() : server->registerServer();
    if (failed(hr)) {
        std::fprintf(stderr, "quorvex-regserver: %s of %s failed (status 0x%08X); classes root: %s\n",
                     unregister ? "unregistration" : "registration", path.c_str(), unsigned(hr), registry.c_str());
        return 1;
    }
    // A library may report success without having written anything (an
    // unregistration always does), so the classes root itself is checked.
    if (classesRootNames(registry, realPathOf(path)) == unregister) {
        std::fprintf(stderr, "quorvex-regserver: %s of %s failed: %s could not be changed\n",
                     unregister ? "unregistration" : "registration", path.c_str(), registry.c_str());
        return 1;
    }
    if (relative && !unregister && !makeRelative(registry, path))
        return 1;
    std::printf("%s %s in %s\n", unregister ? "Unregistered" : "Registered", path.c_str(), registry.c_str());
    return 0;
}
