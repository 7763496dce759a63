#include "launcher/startup/SkinCheckCommand.h"

#include "launcher/skin/SkinCheck.h"
#include "launcher/skin/SkinPictures.h"
#include "platform/profile/FileProfileStore.h"

#include <cstdio>
#include <unordered_map>

namespace launcher {

SkinCheckReport CheckInstalledSkin(const std::string& skinFolder)
{
    platform::FileProfileStore store;
    // The partner of a picture is compared with the size its first decoding
    // found, so no picture is decoded twice.
    std::unordered_map<std::string, QSize> decodedSizes;
    return CheckSkinFolder(
        store, skinFolder,
        [&decodedSizes](const std::string& path) {
            const DecodedPicture decoded = DecodePictureFile(path);
            decodedSizes[path] = decoded.image.size();
            return decoded.error;
        },
        [&decodedSizes](const std::string& path, const std::string& doubleSizePath) {
            const DecodedPicture doubleSize = DecodePictureFile(doubleSizePath);
            if (doubleSize.image.isNull())
                return doubleSize.error;
            const auto known = decodedSizes.find(path);
            const QSize base = known != decodedSizes.end() ? known->second : DecodePictureFile(path).image.size();
            return DoubleSizeMismatch(base, doubleSize.image.size());
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
