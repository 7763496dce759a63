#include "launcher/startup/SkinCheckCommand.h"

#include "launcher/skin/SkinCheck.h"
#include "launcher/skin/SkinPictures.h"
#include "platform/profile/FileProfileStore.h"

#include <cstdio>

namespace launcher {

SkinCheckReport CheckInstalledSkin(const std::string& skinFolder)
{
    platform::FileProfileStore store;
    return CheckSkinFolder(
        store, skinFolder, [](const std::string& path) { return DecodePictureFile(path).error; },
        [](const std::string& path, const std::string& doubleSizePath) {
            const DecodedPicture doubleSize = DecodePictureFile(doubleSizePath);
            if (doubleSize.image.isNull())
                return doubleSize.error;
            return DoubleSizeMismatch(DecodePictureFile(path).image.size(), doubleSize.image.size());
        });
}

bool PrintSkinCheckReport(const SkinCheckReport& report, std::FILE* out)
{
    for (const std::string& line : report.lines())
        std::fprintf(out, "%s\n", line.c_str());
    if (report.loadable()) {
        std::fprintf(out, "skin %s: can be loaded (%zu warnings, %zu corrections)\n", report.skinName.c_str(),
                     report.warnings.size(), report.corrections.size());
        return true;
    }
    std::fprintf(out, "skin %s: cannot be loaded (%zu errors)\n", report.skinName.c_str(), report.errors.size());
    return false;
}

int RunSkinCheck(const std::string& skinFolder)
{
    return PrintSkinCheckReport(CheckInstalledSkin(skinFolder)) ? 0 : 1;
}

} // namespace launcher
