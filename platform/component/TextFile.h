#pragma once

#include "platform/files/FileUpdate.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex::platform::component {

// The whole file, or nullopt when it cannot be read.
std::optional<std::string> readTextFile(const std::string& path);

// Creates the folder when it is missing, then gives the file `text` the way
// every settings file is written (::platform::writeFile): through symbolic
// links, under the file's lock, atomically; a read-only file is refused.
bool writeTextFileAtomically(const std::string& path, std::string_view text, std::string* error);

// The same for new text made from the file's current text while the lock is
// held (::platform::updateFile), so that no other writer's change is lost.
bool updateTextFile(const std::string& path, const ::platform::FileChange& change, std::string* error);

// Calls `line` for each line (without its line break, trailing '\r' or
// surrounding blanks) with its 1-based number; stops when it returns false.
// Returns false when a call did.
bool forEachTrimmedLine(std::string_view text, const std::function<bool(size_t number, std::string_view line)>& line);

std::string_view trimBlanks(std::string_view text);

} // namespace quorvex::platform::component
