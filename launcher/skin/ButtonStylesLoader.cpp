#include "launcher/skin/SkinLoaders.h"

#include "launcher/skin/ButtonStyleUse.h"
#include "launcher/skin/SkinDefinitionReader.h"
#include "launcher/skin/SkinFileNames.h"
#include "launcher/skin/SkinPictures.h"

namespace launcher {

SkinLoadErrors LoadButtonStyles(const SkinSource& source, SkinDefinition& skin, SkinImages& images)
{
    SkinLoadErrors errors;
    for (controls::ImageList& list : images.ButtonIL)
        list.clear();

    const SkinDefinition read = ReadSkinDefinition(source.profiles, source.iniPath()).definition;
    skin.info.actionButtonStyles = read.info.actionButtonStyles;
    skin.styles = read.styles;
    const std::vector<bool> inUse = ButtonStylesInUse(read);
    for (int i = 0; i < static_cast<int>(skin.styles.size()); ++i) {
        for (int state = 1; state <= 4; ++state) {
            const std::string file = StyleImageKey(i, state);
            // A style no slot uses is loaded when its pictures are there,
            // but its absence cannot spoil the skin.
            QPixmap picture;
            if (inUse[static_cast<size_t>(i)]) {
                SkinPicture loaded = LoadSkinPicture(source.folder(), file, source.pictureScale);
                if (loaded.picture.isNull())
                    errors.push_back(loaded.error);
                picture = std::move(loaded.picture);
            } else {
                picture = LoadOptionalSkinPicture(source.folder(), file, source.pictureScale);
            }
            if (!picture.isNull())
                images.ButtonIL[static_cast<size_t>(i)].add(QString("Button%1").arg(state), picture);
        }
    }
    return errors;
}

} // namespace launcher
