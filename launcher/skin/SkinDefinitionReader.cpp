#include "launcher/skin/SkinDefinitionReader.h"

#include "launcher/skin/SkinKeyReader.h"

#include <climits>
#include <cstdio>

namespace launcher {

namespace {

constexpr int kMaxPx = kMaxSkinCoordinatePx;

std::string numbered(const char* pattern, int number)
{
    char name[32];
    std::snprintf(name, sizeof name, pattern, number);
    return name;
}

void readSkinInfo(SkinKeyReader& keys, SkinInfoKeys& info)
{
    keys.setSection("SkinInfo");
    info.skinName = keys.text("SkinName", "");
    info.authorName = keys.text("AuthorName", "");
    info.authorWebsite = keys.text("AuthorWebsite", "");
    info.authorEmail = keys.text("AuthorEmail", "");
    info.authorComment = keys.text("AuthorComment", "");
    info.skinCopyright = keys.text("SkinCopyright", "");
    info.skinDescription = keys.text("SkinDescription", "");
    info.skinThumbnail = keys.wholeNumber("SkinThumbnail", 0, INT_MIN, INT_MAX);
    info.skinStartupSound = keys.text("SkinStartupSound", "");
    info.hotkey = keys.text("Hotkey", "ScrollLock");
    info.alwaysOnTop = keys.leadingFlag("AlwaysOnTop", false) ? 1 : 0;
    info.enableSound = keys.flag("enableSound", true) ? 1 : 0;
    info.positionX = keys.wholeNumber("PositionX", 2, INT_MIN, INT_MAX);
    info.positionY = keys.wholeNumber("PositionY", 1, INT_MIN, INT_MAX);
    info.sectionNum = keys.wholeNumber("SectionNum", 0, 0, kMaxSections);
    info.actionButtonStyles = keys.wholeNumber("ActionButtonStyles", 1, 0, kMaxButtonStyles);
}

void readUserSettings(SkinKeyReader& keys, UserSettingsKeys& settings)
{
    keys.setSection("UserSettings");
    settings.startupLeft = keys.wholeNumber("StartupLeft", -1, -kMaxPx, kMaxPx);
    settings.startupTop = keys.wholeNumber("StartupTop", -1, -kMaxPx, kMaxPx);
    settings.shaded = keys.leadingNumber("Shaded", 0, INT_MIN, INT_MAX);
}

void readActionButton(SkinKeyReader& keys, const char* section, const std::string& prefix, ActionButtonKeys& button)
{
    keys.setSection(section);
    button.transparency = keys.wholeNumber("Transparency", 0, INT_MIN, INT_MAX);
    button.left = keys.wholeNumber("Left", 0, -kMaxPx, kMaxPx);
    button.top = keys.wholeNumber("Top", 0, -kMaxPx, kMaxPx);
    button.regionOnly = keys.flag("RegionOnly", false);
    button.sounds[0] = keys.text(prefix + "DownSound", "");
    button.sounds[1] = keys.text(prefix + "UpSound", "");
    button.sounds[2] = keys.text(prefix + "Sound", "");
    button.sounds[3] = keys.text(prefix + "HoverSound", "");
}

void readClock(SkinKeyReader& keys, ClockKeys& clock)
{
    keys.setSection("Clock");
    clock.left = keys.leadingNumber("Left", 0, -kMaxPx, kMaxPx);
    clock.top = keys.leadingNumber("Top", 0, -kMaxPx, kMaxPx);
    clock.width = keys.leadingNumber("Width", 0, 0, kMaxPx);
    clock.height = keys.leadingNumber("Height", 0, 0, kMaxPx);
    clock.alignment = keys.leadingNumber("Alignment", 255, INT_MIN, INT_MAX);
    clock.fontName = keys.text("FontName", "");
    clock.fontSize = keys.wholeNumber("FontSize", 7, 1, kMaxFontSizePt);
    clock.fontBold = keys.flag("FontBold", false);
    clock.fontItalic = keys.flag("FontItalic", false);
    clock.format = keys.text("Format", "h:mm am/pm");
    clock.fontColor = keys.color("FontColor", "");
}

void readShading(SkinKeyReader& keys, ShadingKeys& shading)
{
    keys.setSection("Shading");
    shading.left = keys.leadingNumber("Left", 0, -kMaxPx, kMaxPx);
    shading.top = keys.leadingNumber("Top", 0, -kMaxPx, kMaxPx);
    shading.width = keys.leadingNumber("Width", 0, 0, kMaxPx);
    shading.height = keys.leadingNumber("Height", 0, 0, kMaxPx);
    shading.shadeSound = keys.text("ShadeSound", "");
    shading.restoreSound = keys.text("RestoreSound", "");
}

void readFilmLoop(SkinKeyReader& keys, int number, FilmLoopKeys& loop)
{
    keys.setSection(numbered("FilmLoop%d", number));
    loop.useFilmLoop = keys.leadingFlag("UseFilmLoop", false);
    if (!loop.useFilmLoop)
        return;
    loop.frameCount = keys.leadingNumber("FrameCount", 0, 0, kMaxFrameCount);
    if (loop.frameCount < 1) {
        keys.correct("FrameCount", std::to_string(loop.frameCount), "a film loop needs at least one frame; using 1");
        loop.frameCount = 1;
    }
    loop.frameRate = keys.leadingNumber("FrameRate", 0, 0, kMaxFrameRate);
    loop.useTransparency = keys.leadingFlag("UseTransparency", false);
    loop.left = keys.leadingNumber("Left", 0, -kMaxPx, kMaxPx);
    loop.top = keys.leadingNumber("Top", 0, -kMaxPx, kMaxPx);
}

void readSection(SkinKeyReader& keys, int index, int sectionCount, int styleCount, SectionKeys& section)
{
    keys.setSection(numbered("Section%02d", index));
    section.style = keys.wholeNumber("Style", 0, 0, INT_MAX);
    if (section.style >= sectionCount && section.style > 0) {
        // Backgrounds are loaded for numbers below the section count only.
        keys.correct("Style", std::to_string(section.style),
                     "no window background with that number; using 0");
        section.style = 0;
    }
    section.transparency = keys.wholeNumber("Transparency", 0, INT_MIN, INT_MAX);
    section.left = keys.wholeNumber("Left", 0, -kMaxPx, kMaxPx);
    section.top = keys.wholeNumber("Top", 0, -kMaxPx, kMaxPx);
    section.textAlignment = keys.wholeNumber("TextAlignment", 7, INT_MIN, INT_MAX);
    section.sounds[0] = keys.text("HoverSound", "");
    section.sounds[1] = keys.text("MouseDownSound", "");
    section.sounds[2] = keys.text("MouseUpSound", "");
    section.regionOnly = keys.flag("RegionOnly", false);

    const int slotCount = keys.wholeNumber("ActionButtonNumber", 0, 0, kMaxSlotsPerSection);
    section.launchSlots.resize(static_cast<size_t>(slotCount));
    for (int k = 0; k < slotCount; ++k) {
        SlotKeys& slot = section.launchSlots[static_cast<size_t>(k)];
        const std::string prefix = numbered("Button%02d", k);
        slot.left = keys.wholeNumber(prefix + "Left", 0, -kMaxPx, kMaxPx);
        slot.top = keys.wholeNumber(prefix + "Top", 0, -kMaxPx, kMaxPx);
        slot.style = keys.wholeNumber(prefix + "Style", 0, 0, INT_MAX);
        if (slot.style >= styleCount && slot.style > 0) {
            keys.correct(prefix + "Style", std::to_string(slot.style),
                         "the skin has " + std::to_string(styleCount) + " button styles; using style 0");
            slot.style = 0;
        }
    }

    std::string fontColorText;
    section.fontColor = keys.color("FontColor", "FFFFFF", &fontColorText);
    section.hoverColor = keys.color("HoverColor", fontColorText);
    section.currentColor = keys.color("CurrentColor", fontColorText);
    section.fontName = keys.text("FontName", "ms sans serif");
    section.fontSize = keys.wholeNumber("FontSize", 8, 1, kMaxFontSizePt);
    section.fontBold = keys.flag("FontBold", false);
    section.fontItalic = keys.flag("FontItalic", false);
}

void readStyle(SkinKeyReader& keys, int index, StyleKeys& style)
{
    keys.setSection(numbered("Style%03d", index));
    style.transparency = keys.wholeNumber("Transparency", 0, INT_MIN, INT_MAX);
    style.regionOnly = keys.flag("RegionOnly", false);
    style.textAlignment = keys.wholeNumber("TextAlignment", 1, INT_MIN, INT_MAX);
    style.captionAlignment = keys.wholeNumber("CaptionAlignment", 255, INT_MIN, INT_MAX);
    style.textLeft = keys.wholeNumber("TextLeft", 0, -kMaxPx, kMaxPx);
    style.textTop = keys.wholeNumber("TextTop", 0, -kMaxPx, kMaxPx);
    style.textWidth = keys.wholeNumber("TextWidth", 50, 0, kMaxPx);
    style.textHeight = keys.wholeNumber("TextHeight", 20, 0, kMaxPx);
    style.sounds[0] = keys.text("HoverSound", "");
    style.sounds[1] = keys.text("MouseDownSound", "");
    style.sounds[2] = keys.text("MouseUpSound", "");
    style.sounds[3] = keys.text("OLEHoverSound", "");
    style.sounds[4] = keys.text("OLEDropSound", "");
    style.iconAlignment = keys.wholeNumber("IconAlignment", 7, INT_MIN, INT_MAX);
    style.iconSize = keys.wholeNumber("IconSize", 0, INT_MIN, INT_MAX);
    style.fontColor = keys.color("FontColor", "FFFFFF", &style.fontColorText);
    style.fontHoverColor = keys.color("FontHoverColor", style.fontColorText, &style.fontHoverColorText);
    style.fontBold = keys.flag("FontBold", false);
    style.fontName = keys.text("FontName", "ms sans serif");
    style.fontSize = keys.wholeNumber("FontSize", 8, 1, kMaxFontSizePt);
    style.fontItalic = keys.flag("FontItalic", false);
}

} // namespace

SkinReadResult ReadSkinDefinition(platform::ProfileStore& store, const std::string& iniPath)
{
    const platform::ProfileReadBurst burst(store);
    SkinReadResult result;
    SkinDefinition& skin = result.definition;
    SkinKeyReader keys(store, iniPath, result.corrections);

    readSkinInfo(keys, skin.info);
    readUserSettings(keys, skin.userSettings);
    readActionButton(keys, "ExitButton", "Exit", skin.actionButtons[0]);
    readActionButton(keys, "ShortcutButton", "SC", skin.actionButtons[1]);
    readActionButton(keys, "SkinButton", "Skin", skin.actionButtons[2]);
    readClock(keys, skin.clock);
    readShading(keys, skin.shading);
    for (int n = 1; n <= kFilmLoopCount; ++n)
        readFilmLoop(keys, n, skin.filmLoops[static_cast<size_t>(n - 1)]);

    skin.sections.resize(static_cast<size_t>(skin.info.sectionNum));
    for (int i = 0; i < skin.info.sectionNum; ++i)
        readSection(keys, i, skin.info.sectionNum, skin.info.actionButtonStyles, skin.sections[static_cast<size_t>(i)]);
    skin.styles.resize(static_cast<size_t>(skin.info.actionButtonStyles));
    for (int i = 0; i < skin.info.actionButtonStyles; ++i)
        readStyle(keys, i, skin.styles[static_cast<size_t>(i)]);
    return result;
}

} // namespace launcher
