#pragma once

#include "platform/shortcuts/LinkFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Reads the parts of a shell link the launcher needs straight from its
// bytes: the fixed header, the link info (local path, or the share and path
// of a network target) and the counted strings that follow. It stops at the
// first damaged part and keeps what came before it, so a link whose later
// parts (a bad string count, a broken extra data block) the full reader
// refuses still gives its target. Nothing when even the header or the link
// info is unusable.
std::optional<LinkFileInfo> readLinkStructure(std::string_view bytes);

} // namespace platform
