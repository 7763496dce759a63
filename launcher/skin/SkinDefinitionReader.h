#pragma once

#include "launcher/skin/SkinDefinition.h"
#include "platform/profile/ProfileStore.h"

#include <string>
#include <vector>

namespace launcher {

// A value the reader could not take as written, with what it used instead.
struct SkinCorrection {
    std::string section;
    std::string key;
    std::string written;
    std::string message;
};

struct SkinReadResult {
    SkinDefinition definition;
    std::vector<SkinCorrection> corrections;
};

// Reads a whole skin definition file. Never fails: a missing file gives a
// skin made of defaults; absurd numbers are brought into range and listed.
SkinReadResult ReadSkinDefinition(platform::ProfileStore& store, const std::string& iniPath);

} // namespace launcher
