#pragma once

#include <string>

namespace platform {

// True for a regular file this user may execute.
bool isExecutableFile(const std::string& path);

} // namespace platform
