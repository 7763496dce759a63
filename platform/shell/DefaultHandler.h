#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The command that opens `document` with the program the user chose for its
// type: program first, the document in its place on the program's Exec
// line. Nothing when no usable program is chosen.
using HandlerLookup = std::function<std::optional<std::vector<std::string>>(const std::string& document)>;

// Asks xdg-mime for the document's type and the desktop entry chosen for it,
// and reads that entry from the applications folders of XDG_DATA_HOME and
// XDG_DATA_DIRS.
std::optional<std::vector<std::string>> defaultHandlerCommand(const std::string& document);

} // namespace platform
