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
    bool missedWhenAbsent = true; // false: only a file that is there but unusable is reported
};

// Every picture the launcher loads for this skin, required ones first.
std::vector<SkinFile> SkinPictureFiles(const SkinDefinition& skin, const std::string& skinName);

struct SkinCheckReport {
    std::string skinName;
    std::string iniPath;
    std::vector<SkinCorrection> corrections;
    std::vector<std::string> errors;   // the skin cannot be loaded
    std::vector<std::string> warnings; // the skin loads, with something missing
    std::vector<std::string> notes;    // what start-up changes before it loads the skin

    bool loadable() const { return errors.empty(); }
    // One line per finding, for skin authors.
    std::vector<std::string> lines() const;
};

// Why the picture at a path cannot be loaded (missing, unreadable, not a
// picture, cut short); empty when it can.
using PictureProbe = std::function<std::string(const std::string& path)>;

// Why the double-size picture at `doubleSizePath` would be passed over on a
// high-density screen beside the usable picture at `path` (unusable, or not
// exactly twice its size); empty when it fits.
using DoubleSizeProbe = std::function<std::string(const std::string& path, const std::string& doubleSizePath)>;

// No line of a definition file is longer than this; a longer one means the
// line breaks are missing or not ones the launcher knows, and the keys
// behind it are lost.
inline constexpr size_t kMaxDefinitionLineBytes = 64 * 1024;

// Checks a skin folder the way the launcher would load it: the folder name
// start-up gives it (nothing is renamed here), the definition file (named
// after the folder; one that exists but cannot be read or
// understood is an error), every value that had to be corrected, every
// picture the skin needs and, given `doubleSizeFits`, the @2x partners of
// those pictures (one that would be passed over is a warning).
SkinCheckReport CheckSkinFolder(platform::ProfileStore& store, const std::string& skinFolder,
                                const PictureProbe& canLoadPicture, const DoubleSizeProbe& doubleSizeFits = {});

} // namespace launcher
