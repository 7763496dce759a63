#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex::platform::component {

// The whole file, or nullopt when it cannot be read.
std::optional<std::string> readTextFile(const std::string& path);

// Writes a temporary file beside `path` and renames it over `path`, so that
// readers see either the old or the new text, never half of it. Creates the
// folder when it is missing.
bool writeTextFileAtomically(const std::string& path, std::string_view text, std::string* error);

// Calls `line` for each line (without its line break, trailing '\r' or
// surrounding blanks) with its 1-based number; stops when it returns false.
// Returns false when a call did.
bool forEachTrimmedLine(std::string_view text, const std::function<bool(size_t number, std::string_view line)>& line);

std::string_view trimBlanks(std::string_view text);

} // namespace quorvex::platform::component
