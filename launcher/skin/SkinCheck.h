#pragma once

#include "launcher/skin/SkinDefinitionReader.h"

#include <functional>
#include <string>
#include <vector>

namespace launcher {

struct SkinFile {
    std::string name;    // as the launcher asks for it; matched without regard to case
    std::string purpose; // what the launcher needs it for
    bool required = true;
};

// Every picture the launcher loads for this skin, required ones first.
std::vector<SkinFile> SkinPictureFiles(const SkinDefinition& skin, const std::string& skinName);

struct SkinCheckReport {
    std::string skinName;
    std::string iniPath;
    std::vector<SkinCorrection> corrections;
    std::vector<std::string> errors;   // the skin cannot be loaded
    std::vector<std::string> warnings; // the skin loads, with something missing

    bool loadable() const { return errors.empty(); }
    // One line per finding, for skin authors.
    std::vector<std::string> lines() const;
};

// Tells whether the picture at a path can be loaded (exists, readable, a picture).
using PictureProbe = std::function<bool(const std::string& path)>;

// Checks a skin folder the way the launcher would load it: the definition
// file (named after the folder), every value that had to be corrected, and
// every picture the skin needs.
SkinCheckReport CheckSkinFolder(platform::ProfileStore& store, const std::string& skinFolder,
                                const PictureProbe& canLoadPicture);

} // namespace launcher
