#pragma once

#include "platform/shortcuts/DesktopEntry.h"

#include <string>
#include <vector>

namespace platform {

// One program start: the program (as written in Exec; a bare name is looked
// up on PATH by whoever starts it) and its arguments, one per element.
struct DesktopCommand {
    std::string program;
    std::vector<std::string> arguments;
};

struct DesktopCommandResult {
    // Usually one command; an entry that takes a single file (%f, %u) given
    // several files is started once per file.
    std::vector<DesktopCommand> commands;
    std::string error; // set when the Exec line cannot be used
};

// Turns the Exec line into argument lists the way the desktop's own library
// does: the field codes are replaced in the text first, each value quoted so
// that it stays one word (%f a file, %F all files, %u %U the same as file:
// URLs, %i "--icon" and the icon, %c the translated name, %k `entryFile`,
// %% a percent sign); the deprecated and unknown codes are dropped, and a '%'
// at the very end is kept. The text is then split like a shell would (see
// splitShellWords). A line without a file code gets the files as if it ended
// in %f. An empty line or an unterminated quote is an error.
DesktopCommandResult buildDesktopCommands(const DesktopEntry& entry,
                                          const std::vector<std::string>& files,
                                          const std::string& entryFile);

// `path` with its bytes outside the URL path characters percent-encoded
// ("/a b" gives "/a%20b").
std::string percentEncodedPath(const std::string& path);

// `path` as a file: URL ("/a b" gives "file:///a%20b").
std::string fileUrl(const std::string& path);

} // namespace platform
