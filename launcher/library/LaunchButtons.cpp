#include "launcher/library/LaunchButtons.h"

#include "launcher/library/ShortcutIconTable.h"
#include "launcher/library/ShortcutLabel.h"
#include "launcher/library/ShortcutLibrary.h"

#include <algorithm>

namespace launcher {

LaunchButtonSet PopulateLaunchButtons(const ShortcutLibrary& library)
{
    LaunchButtonSet set;
    const int current = library.state().CurrentSection;
    if (current < 1 || current > library.sectionNum())
        return set;
    const int section = current - 1;
    const SkinDefinition& skin = library.skin();
    const SectionKeys& sectionKeys = skin.sections[static_cast<size_t>(section)];
    const std::vector<std::string> names = library.CollectSectionShortcuts(section);
    const int count = std::min(static_cast<int>(names.size()), library.launchButtonCount(section));
    set.sectionFolder = library.sectionFolderPath(section);

    static const StyleKeys kDefaultStyle;
    for (int i = 0; i < count; ++i) {
        const SlotKeys& slot = sectionKeys.launchSlots[static_cast<size_t>(i)];
        const bool styleKnown = slot.style >= 0 && slot.style < static_cast<int>(skin.styles.size());
        const StyleKeys& style = styleKnown ? skin.styles[static_cast<size_t>(slot.style)] : kDefaultStyle;
        LaunchButtonView& view = set.buttons[static_cast<size_t>(i)];

        view.visible = true;
        view.fileName = names[static_cast<size_t>(i)];
        ShortcutLabel label = ShortcutLabelOf(set.sectionFolder, view.fileName, library.desktopEntries());
        view.caption = std::move(label.caption);
        view.toolTip = std::move(label.toolTip);
        view.leftPx = slot.left;
        view.topPx = slot.top;
        view.style = styleKnown ? slot.style : 0;
        view.transparency = style.transparency;
        view.showStateImage = !style.regionOnly;

        view.panelDrawsCaption = style.captionAlignment != 255;
        view.captionAlignment = style.captionAlignment;
        view.panelCaption = view.panelDrawsCaption ? view.caption : std::string();

        view.labelVisible = style.textAlignment != 255;
        view.labelAlignment = style.textAlignment;
        view.labelLeftPx = slot.left + style.textLeft;
        view.labelTopPx = slot.top + style.textTop;
        view.labelWidthPx = style.textWidth;
        view.labelHeightPx = style.textHeight;

        view.font = {style.fontName, style.fontSize, style.fontBold, style.fontItalic, style.fontColor};

        if (style.iconSize != 0) {
            view.icon = style.iconSize == 1 ? LaunchIcon::Large : LaunchIcon::Small;
            view.iconKey = ShortcutIconKey(current, i);
            view.iconAlignment = style.iconAlignment;
        }
    }
    set.VisibleButtonCount = count;
    return set;
}

} // namespace launcher
