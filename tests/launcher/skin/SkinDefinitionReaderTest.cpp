#include "launcher/skin/SkinDefinitionReader.h"
#include "launcher/skin/SkinFileNames.h"
#include "launcher/skin/WindowPlacement.h"
#include "platform/profile/MemoryProfileStore.h"

#include <gtest/gtest.h>

using namespace launcher;

namespace {

SkinReadResult readSkin(const std::string& text)
{
    platform::MemoryProfileStore store;
    store.setText("skin.ini", text);
    return ReadSkinDefinition(store, "skin.ini");
}

bool corrected(const SkinReadResult& result, const std::string& section, const std::string& key)
{
    for (const SkinCorrection& c : result.corrections)
        if (c.section == section && c.key == key)
            return true;
    return false;
}

} // namespace

TEST(SkinDefinition, EmptyFileGivesTheDefaultSkin)
{
    const SkinReadResult result = readSkin("");
    const SkinDefinition& skin = result.definition;
    EXPECT_TRUE(result.corrections.empty());
    EXPECT_EQ(skin.info.hotkey, "ScrollLock");
    EXPECT_EQ(skin.info.positionX, 2);
    EXPECT_EQ(skin.info.positionY, 1);
    EXPECT_EQ(skin.info.enableSound, 1);
    EXPECT_EQ(skin.info.alwaysOnTop, 0);
    EXPECT_TRUE(skin.sections.empty());
    ASSERT_EQ(skin.styles.size(), 1u); // one style unless the skin says otherwise
    EXPECT_EQ(skin.styles[0].textWidth, 50);
    EXPECT_EQ(skin.styles[0].textHeight, 20);
    EXPECT_EQ(skin.userSettings.startupLeft, -1);
    EXPECT_EQ(skin.userSettings.startupTop, -1);
    EXPECT_FALSE(skin.clock.hasClock());
    EXPECT_EQ(skin.clock.format, "h:mm am/pm");
    EXPECT_EQ(skin.clock.fontColor, (RgbColor{0, 0, 0}));
    EXPECT_EQ(skin.shading.shadingSize(), 0);
    for (const FilmLoopKeys& loop : skin.filmLoops)
        EXPECT_FALSE(loop.useFilmLoop);
}

TEST(SkinDefinition, CountsAreCappedAndReported)
{
    const SkinReadResult result = readSkin("[SkinInfo]\nSectionNum=20\nActionButtonStyles=500\n"
                                           "[Section00]\nActionButtonNumber=40\n");
    EXPECT_EQ(result.definition.sections.size(), 12u);
    EXPECT_EQ(result.definition.styles.size(), 300u);
    EXPECT_EQ(result.definition.sections[0].launchSlots.size(), 25u);
    EXPECT_TRUE(corrected(result, "SkinInfo", "SectionNum"));
    EXPECT_TRUE(corrected(result, "SkinInfo", "ActionButtonStyles"));
    EXPECT_TRUE(corrected(result, "Section00", "ActionButtonNumber"));
}

TEST(SkinDefinition, AbsurdNumbersBecomeSafeValues)
{
    const SkinReadResult result = readSkin("[SkinInfo]\nSectionNum=-3\nActionButtonStyles=2\n"
                                           "[ExitButton]\nLeft=99999999\nTop=abc\n"
                                           "[Style000]\nFontSize=0\n[Style001]\nTextWidth=-5\n");
    const SkinDefinition& skin = result.definition;
    EXPECT_TRUE(skin.sections.empty());
    EXPECT_EQ(skin.actionButtons[0].left, kMaxSkinCoordinatePx);
    EXPECT_EQ(skin.actionButtons[0].top, 0);
    EXPECT_EQ(skin.styles[0].fontSize, 1);
    EXPECT_EQ(skin.styles[1].textWidth, 0);
    EXPECT_TRUE(corrected(result, "SkinInfo", "SectionNum"));
    EXPECT_TRUE(corrected(result, "ExitButton", "Left"));
    EXPECT_TRUE(corrected(result, "ExitButton", "Top"));
}

TEST(SkinDefinition, SlotStylesAndBackgroundsStayInRange)
{
    const SkinReadResult result = readSkin("[SkinInfo]\nSectionNum=2\nActionButtonStyles=2\n"
                                           "[Section00]\nStyle=1\nActionButtonNumber=3\n"
                                           "Button00Style=1\nButton01Style=2\nButton02Style=-4\n"
                                           "[Section01]\nStyle=7\n");
    const SkinDefinition& skin = result.definition;
    EXPECT_EQ(skin.sections[0].style, 1);
    EXPECT_EQ(skin.sections[0].launchSlots[0].style, 1);
    EXPECT_EQ(skin.sections[0].launchSlots[1].style, 0);
    EXPECT_EQ(skin.sections[0].launchSlots[2].style, 0);
    EXPECT_EQ(skin.sections[1].style, 0);
    EXPECT_TRUE(corrected(result, "Section00", "Button01Style"));
    EXPECT_TRUE(corrected(result, "Section01", "Style"));
}

TEST(SkinDefinition, ColoursFallBackToTheFontColourText)
{
    const SkinReadResult result = readSkin("[SkinInfo]\nSectionNum=3\nActionButtonStyles=2\n"
                                           "[Section00]\nFontColor=102030\n"
                                           "[Section02]\nFontColor=00FF00\nHoverColor=0000FF\n"
                                           "[Style000]\nFontColor=000000\n"
                                           "[Style001]\nFontColor=GG80ZZ\n");
    const SkinDefinition& skin = result.definition;
    EXPECT_EQ(skin.sections[0].hoverColor, (RgbColor{0x10, 0x20, 0x30}));
    EXPECT_EQ(skin.sections[0].currentColor, (RgbColor{0x10, 0x20, 0x30}));
    // A section missing entirely is all defaults: white in every state.
    EXPECT_EQ(skin.sections[1].fontColor, (RgbColor{255, 255, 255}));
    EXPECT_EQ(skin.sections[1].currentColor, (RgbColor{255, 255, 255}));
    EXPECT_EQ(skin.sections[1].fontName, "ms sans serif");
    EXPECT_EQ(skin.sections[1].textAlignment, 7);
    EXPECT_EQ(skin.sections[2].fontColor, (RgbColor{0, 255, 0}));
    EXPECT_EQ(skin.sections[2].hoverColor, (RgbColor{0, 0, 255}));
    EXPECT_EQ(skin.sections[2].currentColor, (RgbColor{0, 255, 0}));
    EXPECT_EQ(skin.styles[0].fontHoverColor, (RgbColor{0, 0, 0}));
    EXPECT_EQ(skin.styles[0].fontHoverColorText, "000000");
    EXPECT_EQ(skin.styles[1].fontColor, (RgbColor{0, 0x80, 0}));
}

TEST(SkinDefinition, FilmLoopsNeedAtLeastOneFrame)
{
    const SkinReadResult result = readSkin("[FilmLoop1]\nUseFilmLoop=1\n"
                                           "[FilmLoop3]\nUseFilmLoop=1\nFrameCount=8\nFrameRate=12fps\nLeft=4\n"
                                           "[FilmLoop4]\nUseFilmLoop=0\nFrameCount=0\n");
    const SkinDefinition& skin = result.definition;
    EXPECT_EQ(skin.filmLoops[0].frameCount, 1);
    EXPECT_TRUE(corrected(result, "FilmLoop1", "FrameCount"));
    EXPECT_EQ(skin.filmLoops[2].frameCount, 8);
    EXPECT_EQ(skin.filmLoops[2].frameRate, 12); // leading-number rule
    EXPECT_EQ(skin.filmLoops[2].left, 4);
    EXPECT_FALSE(skin.filmLoops[3].useFilmLoop);
    EXPECT_FALSE(corrected(result, "FilmLoop4", "FrameCount"));
}

TEST(SkinDefinition, ReadsPrefixedActionButtonSounds)
{
    const SkinReadResult result = readSkin("[ShortcutButton]\nSCDownSound=d.wav\nSCUpSound=u.wav\n"
                                           "SCSound=a.wav\nSCHoverSound=h.wav\nRegionOnly=1\n");
    const ActionButtonKeys& button = result.definition.actionButtons[1];
    EXPECT_EQ(button.sounds, (std::array<std::string, 4>{"d.wav", "u.wav", "a.wav", "h.wav"}));
    EXPECT_TRUE(button.regionOnly);
}

TEST(SkinFileNames, FollowTheSkinFolderConventions)
{
    EXPECT_EQ(SectionImageKey(0, 2), "section00_2.bmp");
    EXPECT_EQ(SectionImageKey(11, 4), "section11_4.bmp");
    EXPECT_EQ(StyleImageKey(0, 1), "style000_1.bmp");
    EXPECT_EQ(StyleImageKey(299, 3), "style299_3.bmp");
    EXPECT_EQ(BackgroundFileName("Dusk", 0), "Dusk.bmp");
    EXPECT_EQ(BackgroundFileName("Dusk", 2), "Dusk2.bmp");
    EXPECT_EQ(FilmLoopFileName(8), "FilmLoop8.bmp");
}

TEST(WindowPlacement, ComputesInTwipsFromTheSkinCodes)
{
    const TwipsPoint current{111, 222};
    // A 301-pixel skin centred on a 1024-pixel screen: (15360 - 4515) / 2 = 5422.5.
    EXPECT_EQ(PlaceWindow(3, 9, 15360, 11520, 4515, 3000, current).left, 5422);
    EXPECT_EQ(PlaceWindow(3, 9, 15360, 11520, 4515, 3000, current).top, 222);
    const TwipsPoint topRight = PlaceWindow(2, 1, 15360, 11520, 4515, 3000, current);
    EXPECT_EQ(topRight.left, 15360 - 4515);
    EXPECT_EQ(topRight.top, 0);
    const TwipsPoint bottomLeft = PlaceWindow(1, 2, 15360, 11520, 4515, 3000, current);
    EXPECT_EQ(bottomLeft.left, 0);
    EXPECT_EQ(bottomLeft.top, 11520 - 3000);
    // A window wider than the screen centres to a negative whole part.
    EXPECT_EQ(PlaceWindow(3, 0, 1000, 1000, 1015, 0, current).left, -8);
}
