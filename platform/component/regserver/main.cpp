// quorvex-regserver [/u] <library.so>
// Registers (or with /u unregisters) an in-process component server in the
// classes root (QUORVEX_CLASSES_ROOT, or the user's data folder).

#include "platform/component/ClassesRoot.h"
#include "platform/component/Runtime.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace quorvex::platform::component;

namespace {

int usage()
{
    std::fprintf(stderr, "usage: quorvex-regserver [/u] <library.so>\n"
                         "  registers a component server; /u (or -u) unregisters it\n");
    return 2;
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
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "/u") == 0 || std::strcmp(arg, "/U") == 0 || std::strcmp(arg, "-u") == 0) {
            unregister = true;
        } else if (std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--help") == 0) {
            usage();
            return 0;
        } else if (path.empty()) {
            path = arg;
        } else {
            return usage();
        }
    }
    if (path.empty())
        return usage();
    // dlopen searches the library path for bare names; a name in the current
    // folder is meant as that file.
    if (path.find('/') == std::string::npos)
        path = "./" + path;

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
    std::printf("%s %s in %s\n", unregister ? "Unregistered" : "Registered", path.c_str(), registry.c_str());
    return 0;
}
