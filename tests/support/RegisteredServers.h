#pragma once

#include "platform/component/Runtime.h"

#include <string>

namespace testsupport {

// Registers the built control libraries (libshape.so, libhotkey.so) in the
// test's classes root (QUORVEX_CLASSES_ROOT, set per test executable), so
// that code creating controls by ProgID finds them. Returns an error text,
// empty on success. The test target must depend on the `shape` and `hotkey`
// targets.
inline std::string registerBuiltServers()
{
    for (const char* library : {"libshape.so", "libhotkey.so"}) {
        std::string error;
        const std::string path = std::string(QUORVEX_BINARY_DIR) + "/bin/" + library;
        auto server = quorvex::platform::component::InprocServer::load(path, &error);
        if (!server)
            return error;
        if (server->registerServer() != 0)
            return "cannot register " + path;
    }
    return {};
}

} // namespace testsupport
