#include "launcher/skin/SkinLoaders.h"

#include "launcher/controls/PixelScale.h"
#include "launcher/controls/Twips.h"
#include "launcher/skin/SkinDefinitionReader.h"
#include "launcher/skin/SkinFileNames.h"
#include "launcher/skin/SkinPictures.h"

namespace launcher {

using controls::kTwipsPerPixelX;
using controls::kTwipsPerPixelY;

namespace {

// The window backgrounds are loaded once: the list is never cleared, so on a
// later run the first key is already there and the pass ends at once, keeping
// the pictures of the first run. A missing background ends the pass too.
void loadWindowBackgrounds(const SkinSource& source, int count, controls::ImageList& backgrounds)
{
    for (int n = 0; n < count; ++n) {
        const QPixmap picture = LoadOptionalSkinPicture(source.folder(), BackgroundFileName(source.skinName, n),
                                                        source.pictureScale);
        if (backgrounds.add(QString("Style%1").arg(n), picture) != controls::ImageList::AddResult::Added)
            return;
    }
}

void setUpSectionPanel(const SkinSource& source, int index, const SectionKeys& section, controls::SkinPanel& panel,
                       controls::ImageList& pictures, SkinLoadErrors& errors)
{
    for (int state = 1; state <= kSectionStates; ++state) {
        const std::string file = SectionImageKey(index, state);
        const SkinPicture loaded = LoadSkinPicture(source.folder(), file, source.pictureScale);
        if (loaded.picture.isNull()) {
            errors.push_back(loaded.error);
            continue;
        }
        pictures.add(QString::fromStdString(file), loaded.picture);
    }
    const QPixmap normal = pictures.picture(QString::fromStdString(SectionImageKey(index, 1)));
    panel.setBackgroundPicture(section.regionOnly ? QPixmap() : normal);
    const QSize size = controls::logicalSize(normal);
    panel.setGeometryTwips(section.left * kTwipsPerPixelX, section.top * kTwipsPerPixelY,
                           size.width() * kTwipsPerPixelX, size.height() * kTwipsPerPixelY);
    panel.show();

    // The caption text is the section's folder name, set when the folders are read.
    if (section.textAlignment == 255)
        panel.setCaption(QString());
    else
        panel.setCaptionAlignment(section.textAlignment);
    panel.setForeColor(QColor(section.fontColor.red, section.fontColor.green, section.fontColor.blue));
    panel.setFontBold(section.fontBold);
    panel.setFontName(QString::fromStdString(section.fontName));
    panel.setFontSize(section.fontSize);
    panel.setFontItalic(section.fontItalic);
    panel.setBackStyle(section.transparency);
    panel.setMaskedBackground(section.transparency);
}

} // namespace

SkinLoadErrors LoadSectionPanels(const SkinSource& source, SkinDefinition& skin, SkinnedControls& controls,
                                 SkinImages& images)
{
    SkinLoadErrors errors;
    const SkinDefinition read = ReadSkinDefinition(source.profiles, source.iniPath()).definition;
    skin.info.sectionNum = read.info.sectionNum;
    skin.sections = read.sections;
    const int count = static_cast<int>(skin.sections.size());

    if (count > 0)
        for (controls::ImageList& list : images.SectionsIL)
            list.clear();
    loadWindowBackgrounds(source, count, images.SectionStyle);

    for (int i = 0; i < count; ++i)
        setUpSectionPanel(source, i, skin.sections[static_cast<size_t>(i)], *controls.SSPanel1[static_cast<size_t>(i)],
                          images.SectionsIL[static_cast<size_t>(i)], errors);
    return errors;
}

} // namespace launcher
