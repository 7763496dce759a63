#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Replaces the file at `path` with `bytes` so that a reader (or a crash) sees
// either the old file or the new one, never a half-written mix: the bytes go
// to a temporary file in the same folder, which is then renamed over the old.
// Returns an empty string on success, otherwise a message naming the file.
std::string writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Reads a whole file; nullopt-like semantics through the bool.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes);

} // namespace platform
