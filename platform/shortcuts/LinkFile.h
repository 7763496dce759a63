#pragma once

#include <cstdint>
#include <string>

namespace platform {

// What the launcher uses of a shell link (.lnk) file. Texts are returned as
// stored (UTF-8); a value the link does not carry is empty.
struct LinkFileInfo {
    std::string target;        // the local path, else the UNC path of a network target
    std::string workingFolder;
    std::string arguments;     // one command-line text, not split
    std::string iconLocation;  // the icon file the link names, as written
    int showCommand = 1;       // window state code; 1 (normal) when absent
};

struct LinkReadResult {
    bool ok = false;
    LinkFileInfo info;
    std::string error; // set when !ok, names the file
};

// Reads a .lnk file. Damage after the parts the launcher needs (header, link
// info) is tolerated: what can be read is returned. A missing, truncated or
// malformed file gives !ok with a message; it never throws.
LinkReadResult readLinkFile(const std::string& path);

} // namespace platform
