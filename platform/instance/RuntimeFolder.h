#pragma once

#include <string>

namespace quorvex::platform {

// Where a running launcher leaves its lock and its command socket.
struct InstanceAddress {
    std::string lockPath;
    std::string socketPath;
};

// A folder that only this user can enter: "quorvex" in XDG_RUNTIME_DIR, or
// else /tmp/quorvex-<uid>. It is made with permissions 0700 when missing; an
// existing one must be a real folder owned by this user that nobody else may
// enter. On failure the result is empty and `error` says why.
std::string privateRuntimeFolder(std::string* error);

// The lock and socket of the launcher of one program folder, named after
// its canonical path so that two program folders never meet. Empty paths
// and a message in `error` when there is no private folder.
InstanceAddress instanceAddressFor(const std::string& programFolder, std::string* error);

} // namespace quorvex::platform
