#include "launcher/library/LaunchButtons.h"

#include "LibraryFixture.h"

namespace {

class LaunchButtonsTest : public librarytest::LibraryFixture {
protected:
    // Section "Apps" (the only folder) with `files` shortcut files a00.lnk ...
    void fillSection(int files)
    {
        addFolder("Apps");
        for (int i = files - 1; i >= 0; --i)
            addFile("Apps/a" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".lnk");
        library->ScanSectionFolders();
    }
};

TEST_F(LaunchButtonsTest, ShowsOneButtonPerShortcutAndHidesTheRest)
{
    skin.sections[0].launchSlots.resize(10);
    fillSection(3);
    const launcher::LaunchButtonSet set = launcher::PopulateLaunchButtons(*library);
    EXPECT_EQ(set.VisibleButtonCount, 3);
    for (int i = 0; i < launcher::kMaxSlotsPerSection; ++i)
        EXPECT_EQ(set.buttons[static_cast<size_t>(i)].visible, i < 3) << i;
    EXPECT_EQ(set.buttons[2].fileName, "a02.lnk");
    EXPECT_EQ(set.sectionFolder, folder.str() + "shortcuts/Apps");
}

TEST_F(LaunchButtonsTest, MoreShortcutsThanSlotsShowsTheFirstInNameOrder)
{
    skin.sections[0].launchSlots.resize(8);
    fillSection(12);
    const launcher::LaunchButtonSet set = launcher::PopulateLaunchButtons(*library);
    EXPECT_EQ(set.VisibleButtonCount, 8);
    EXPECT_EQ(set.buttons[0].caption, "a00");
    EXPECT_EQ(set.buttons[7].caption, "a07");
    EXPECT_FALSE(set.buttons[8].visible);
}

TEST_F(LaunchButtonsTest, NoCurrentSectionShowsNothing)
{
    fillSection(3);
    for (const int current : {0, -1, 4, 13, 200}) {
        state.CurrentSection = current;
        const launcher::LaunchButtonSet set = launcher::PopulateLaunchButtons(*library);
        EXPECT_EQ(set.VisibleButtonCount, 0) << current;
        EXPECT_FALSE(set.buttons[0].visible) << current;
    }
}

TEST_F(LaunchButtonsTest, StyleDecidesCaptionsImageAndIcon)
{
    skin.styles.resize(4);
    launcher::StyleKeys& labelOnly = skin.styles[0];
    labelOnly.textAlignment = 2;
    labelOnly.textLeft = 3;
    labelOnly.textTop = 40;
    labelOnly.iconSize = 1;
    labelOnly.iconAlignment = 4;
    labelOnly.fontColor = {1, 2, 3};
    labelOnly.fontName = "Sans";
    labelOnly.fontSize = 11;
    labelOnly.fontBold = true;

    launcher::StyleKeys& bare = skin.styles[1]; // icon and picture only
    bare.captionAlignment = 255;
    bare.textAlignment = 255;
    bare.iconSize = 2;

    launcher::StyleKeys& regionOnly = skin.styles[2];
    regionOnly.regionOnly = true;
    regionOnly.captionAlignment = 5;
    regionOnly.transparency = 1;

    skin.sections[1].launchSlots = {{10, 20, 0}, {50, 20, 1}, {90, 20, 2}, {130, 20, 3}};
    addFolder("A");
    addFolder("B");
    for (const char* file : {"B/Web.url", "B/Editor.lnk", "B/Game.pif", "B/Viewer.desktop"})
        addFile(file);
    library->ScanSectionFolders();
    state.CurrentSection = 2;

    const launcher::LaunchButtonSet set = launcher::PopulateLaunchButtons(*library);
    ASSERT_EQ(set.VisibleButtonCount, 4);
    const launcher::LaunchButtonView& first = set.buttons[0];
    EXPECT_EQ(first.caption, "Editor");
    EXPECT_EQ(first.toolTip, " Editor ");
    EXPECT_FALSE(first.panelDrawsCaption);
    EXPECT_EQ(first.panelCaption, "");
    EXPECT_TRUE(first.labelVisible);
    EXPECT_EQ(first.labelAlignment, 2);
    EXPECT_EQ(first.labelLeftPx, 13);
    EXPECT_EQ(first.labelTopPx, 60);
    EXPECT_EQ(first.labelWidthPx, 50);
    EXPECT_EQ(first.labelHeightPx, 20);
    EXPECT_EQ(first.font.color, (launcher::RgbColor{1, 2, 3}));
    EXPECT_EQ(first.font.name, "Sans");
    EXPECT_TRUE(first.font.bold);
    EXPECT_EQ(first.icon, launcher::LaunchIcon::Large);
    EXPECT_EQ(first.iconKey, "S02_00");
    EXPECT_EQ(first.iconAlignment, 4);
    EXPECT_TRUE(first.showStateImage);

    const launcher::LaunchButtonView& second = set.buttons[1];
    EXPECT_EQ(second.caption, "Game");
    EXPECT_FALSE(second.panelDrawsCaption);
    EXPECT_FALSE(second.labelVisible);
    EXPECT_EQ(second.toolTip, " Game ");
    EXPECT_EQ(second.icon, launcher::LaunchIcon::Small);
    EXPECT_EQ(second.iconKey, "S02_01");
    EXPECT_EQ(second.leftPx, 50);

    const launcher::LaunchButtonView& third = set.buttons[2];
    EXPECT_EQ(third.caption, "Viewer");
    EXPECT_FALSE(third.showStateImage);
    EXPECT_EQ(third.style, 2) << "still sized from its style's picture";
    EXPECT_TRUE(third.panelDrawsCaption);
    EXPECT_EQ(third.captionAlignment, 5);
    EXPECT_EQ(third.panelCaption, "Viewer");
    EXPECT_EQ(third.transparency, 1);
    EXPECT_EQ(third.icon, launcher::LaunchIcon::None);
    EXPECT_EQ(third.iconKey, "");

    EXPECT_EQ(set.buttons[3].caption, "Web");
}

TEST_F(LaunchButtonsTest, SlotWithAStyleTheSkinLacksUsesTheDefaultStyle)
{
    skin.styles.clear(); // ActionButtonStyles=0
    skin.sections[0].launchSlots = {{0, 0, 7}};
    fillSection(1);
    const launcher::LaunchButtonSet set = launcher::PopulateLaunchButtons(*library);
    ASSERT_EQ(set.VisibleButtonCount, 1);
    EXPECT_EQ(set.buttons[0].style, 0);
    EXPECT_TRUE(set.buttons[0].labelVisible);
    EXPECT_EQ(set.buttons[0].labelWidthPx, 50);
}

} // namespace
