#include "launcher/startup/SkinCheckCommand.h"

#include "launcher/skin/SkinCheck.h"
#include "launcher/skin/SkinPictures.h"
#include "platform/profile/FileProfileStore.h"


#include <cstdio>

namespace launcher {

int RunSkinCheck(const std::string& skinFolder)
{
    platform::FileProfileStore store;
    const SkinCheckReport report = CheckSkinFolder(store, skinFolder, [](const std::string& path) {
        return DecodePictureFile(path).error;
    });
    for (const std::string& line : report.lines())
        std::printf("%s\n", line.c_str());
    if (report.loadable()) {
        std::printf("skin %s: can be loaded (%zu warnings, %zu corrections)\n", report.skinName.c_str(),
                    report.warnings.size(), report.corrections.size());
        return 0;
    }
    std::printf("skin %s: cannot be loaded (%zu errors)\n", report.skinName.c_str(), report.errors.size());
    return 1;
}

} // namespace launcher
