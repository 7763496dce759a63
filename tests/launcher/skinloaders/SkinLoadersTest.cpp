#include "launcher/skin/SkinLoaders.h"
#include "launcher/window/QuorvexForm.h"
#include "platform/profile/FileProfileStore.h"

#include "support/TempFolder.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>

using namespace launcher;
using testsupport::TempFolder;

namespace {

// Builds small skins on disk: every picture a plain colour of a given size.
class SkinLoaderTest : public testing::Test {
protected:
    void picture(const std::string& file, int w, int h, QColor color = QColor(90, 100, 110))
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(color);
        image.save(QString::fromStdString(app.str() + "skins/Test/" + file), "BMP");
    }
    void ini(const std::string& text) { app.write("skins/Test/Test.ini", text); }
    void actionButtons()
    {
        for (const char* button : {"Exit", "SC", "sm"})
            for (const char* state : {"_up", "_down", "_hover"})
                picture(std::string(button) + state + ".bmp", 12, 10);
    }
    void sectionPictures(int section, int w = 40, int h = 20)
    {
        for (int state = 1; state <= 4; ++state)
            picture(SectionFile(section, state), w, h);
    }
    static std::string SectionFile(int section, int state)
    {
        return "section0" + std::to_string(section) + "_" + std::to_string(state) + ".bmp";
    }

    SkinSource source() { return {profiles, paths, "Test"}; }

    TempFolder app;
    AppPaths paths{app.str()};
    platform::FileProfileStore profiles;
    QuorvexForm form;
    SkinDefinition skin;
    SkinWindowSettings settings;
};

} // namespace

TEST_F(SkinLoaderTest, EmptySkinFileGivesTheDefaultWindow)
{
    ini("");
    actionButtons();
    form.setFixedSize(300, 200);
    const SkinLoadErrors errors = LoadSkinOptions(source(), QSize(1024, 768), skin, settings, form.controls(),
                                                  form.images());
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(form.pos(), QPoint(1024 - 300, 0)); // top-right corner
    EXPECT_TRUE(settings.soundEnabled);
    EXPECT_FALSE(settings.alwaysOnTop);
    EXPECT_EQ(settings.hotKey, (HotKeySetting{false, false, false, 145}));
    EXPECT_FALSE(form.controls().Clock->isVisibleTo(&form));
    EXPECT_FALSE(form.controls().shading->isVisibleTo(&form));
    for (controls::SkinPanel* loop : form.controls().FilmLoop)
        EXPECT_FALSE(loop->isVisibleTo(&form));
    EXPECT_EQ(form.images().ExitIL.keys(), (QStringList{"ExitUp", "ExitDown", "ExitHover"}));
    EXPECT_FALSE(form.images().ShadeIL.contains("ShadeSkin"));
}

TEST_F(SkinLoaderTest, ActionButtonsTakeTheirUpPictureSizeAndPosition)
{
    ini("[ExitButton]\nLeft=7\nTop=3\n[SkinButton]\nRegionOnly=1\nLeft=30\n");
    actionButtons();
    picture("sm_up.bmp", 16, 14);
    ASSERT_TRUE(LoadSkinOptions(source(), QSize(800, 600), skin, settings, form.controls(), form.images()).empty());
    const controls::SkinPanel& exit = *form.controls().SSExit;
    EXPECT_EQ(exit.geometry(), QRect(7, 3, 12, 10));
    EXPECT_FALSE(exit.backgroundPicture().isNull());
    const controls::SkinPanel& skinButton = *form.controls().SSSkin;
    EXPECT_EQ(skinButton.geometry(), QRect(30, 0, 16, 14));
    EXPECT_TRUE(skinButton.backgroundPicture().isNull()); // region only: no picture of its own
    EXPECT_EQ(form.images().SkinIL.count(), 3);           // but its pictures are loaded
}

TEST_F(SkinLoaderTest, MissingRequiredPicturesAreNamed)
{
    ini("[FilmLoop2]\nUseFilmLoop=1\nFrameCount=4\n");
    actionButtons();
    std::filesystem::remove(app.path() / "skins/Test/SC_down.bmp");
    const SkinLoadErrors errors = LoadSkinOptions(source(), QSize(800, 600), skin, settings, form.controls(),
                                                  form.images());
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_NE(errors[0].find("SC_down.bmp"), std::string::npos);
    EXPECT_NE(errors[1].find("FilmLoop2.bmp"), std::string::npos);
}

// A picture that decodes only partly is no picture: a required one refuses
// the skin, an optional one is as good as missing.
TEST_F(SkinLoaderTest, CutPicturesCountAsMissing)
{
    ini("[Shading]\nWidth=100\nHeight=10\n");
    actionButtons();
    picture("shade.bmp", 100, 12);
    for (const char* file : {"Exit_hover.bmp", "shade.bmp"})
        std::filesystem::resize_file(app.path() / "skins/Test" / file, 100);
    const SkinLoadErrors errors = LoadSkinOptions(source(), QSize(800, 600), skin, settings, form.controls(),
                                                  form.images());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("Exit_hover.bmp"), std::string::npos);
    EXPECT_NE(errors[0].find("cut short"), std::string::npos);
    EXPECT_FALSE(form.images().ExitIL.contains("ExitHover"));
    EXPECT_FALSE(form.images().ShadeIL.contains("ShadeSkin"));
}

TEST_F(SkinLoaderTest, ClockShadeStripAndFilmLoop)
{
    ini("[Clock]\nLeft=5\nTop=6\nWidth=50\nHeight=12\nAlignment=2\nFontColor=00FF00\nFontSize=9\n"
        "[Shading]\nLeft=1\nTop=2\nWidth=100\nHeight=10\n"
        "[FilmLoop3]\nUseFilmLoop=1\nFrameCount=8\nFrameRate=10\nLeft=20\nTop=30\n");
    actionButtons();
    picture("FilmLoop3.bmp", 400, 50);
    picture("shade.bmp", 100, 12);
    ASSERT_TRUE(LoadSkinOptions(source(), QSize(800, 600), skin, settings, form.controls(), form.images()).empty());
    const QLabel& clock = *form.controls().Clock;
    EXPECT_TRUE(clock.isVisibleTo(&form));
    EXPECT_EQ(clock.geometry(), QRect(5, 6, 50, 12));
    EXPECT_EQ(clock.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(clock.palette().color(QPalette::WindowText), QColor(0, 255, 0));
    EXPECT_EQ(skin.shading.shadingSize(), 110);
    EXPECT_EQ(form.controls().shading->geometry(), QRect(1, 2, 100, 10));
    const controls::SkinPanel& loop = *form.controls().FilmLoop[2];
    EXPECT_TRUE(loop.isVisibleTo(&form));
    EXPECT_EQ(loop.geometry(), QRect(20, 30, 50, 50)); // a 400 x 50 strip of 8 frames
    EXPECT_TRUE(loop.isAnimationEnabled());
    EXPECT_TRUE(form.images().ShadeIL.contains("ShadeSkin"));
}

TEST_F(SkinLoaderTest, SectionPanelsAreLaidOutWithColoursAndBackgroundsLoadedOnce)
{
    ini("[SkinInfo]\nSectionNum=4\n"
        "[Section00]\nLeft=10\nTop=40\nFontColor=102030\n"
        "[Section01]\nTextAlignment=255\nRegionOnly=1\nActionButtonNumber=30\n");
    for (int i = 0; i < 4; ++i)
        sectionPictures(i);
    picture("Test.bmp", 200, 100, Qt::red);
    picture("Test1.bmp", 200, 100, Qt::green);
    // Test2.bmp is missing: backgrounds 2 and 3 are not loaded, the sections still are.
    picture("Test3.bmp", 200, 100, Qt::blue);

    ASSERT_TRUE(LoadSectionPanels(source(), skin, form.controls(), form.images()).empty());
    EXPECT_EQ(form.images().SectionStyle.keys(), (QStringList{"Style0", "Style1"}));
    ASSERT_EQ(skin.sections.size(), 4u);
    EXPECT_EQ(skin.sections[0].hoverColor, (RgbColor{0x10, 0x20, 0x30}));
    EXPECT_EQ(skin.sections[1].launchSlots.size(), 25u);
    const controls::SkinPanel& first = *form.controls().SSPanel1[0];
    EXPECT_EQ(first.geometry(), QRect(10, 40, 40, 20));
    EXPECT_EQ(first.foreColor(), QColor(0x10, 0x20, 0x30));
    EXPECT_TRUE(first.isVisibleTo(&form));
    EXPECT_TRUE(form.controls().SSPanel1[1]->backgroundPicture().isNull());
    EXPECT_FALSE(form.controls().SSPanel1[4]->isVisibleTo(&form)); // beyond the count: untouched

    // A second run (after the library changed) keeps the first backgrounds,
    // even when the files changed meanwhile.
    picture("Test.bmp", 200, 100, Qt::yellow);
    picture("Test2.bmp", 200, 100, Qt::yellow);
    ASSERT_TRUE(LoadSectionPanels(source(), skin, form.controls(), form.images()).empty());
    EXPECT_EQ(form.images().SectionStyle.keys(), (QStringList{"Style0", "Style1"}));
    EXPECT_EQ(form.images().SectionStyle.picture("Style0").toImage().pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(SkinLoaderTest, NoSectionsTouchesNothing)
{
    ini("[SkinInfo]\nSectionNum=0\n");
    form.images().SectionsIL[3].add("kept", QPixmap(2, 2));
    ASSERT_TRUE(LoadSectionPanels(source(), skin, form.controls(), form.images()).empty());
    EXPECT_TRUE(form.images().SectionsIL[3].contains("kept"));
    EXPECT_TRUE(form.images().SectionStyle.isEmpty());
}

TEST_F(SkinLoaderTest, ButtonStylesFillOneListPerStyleAndClearTheRest)
{
    ini("[SkinInfo]\nActionButtonStyles=2\n[Style001]\nFontColor=000000\n");
    for (int style = 0; style < 2; ++style)
        for (int state = 1; state <= 4; ++state)
            picture("style00" + std::to_string(style) + "_" + std::to_string(state) + ".bmp", 30, 30);
    form.images().ButtonIL[299].add("Button1", QPixmap(2, 2));
    ASSERT_TRUE(LoadButtonStyles(source(), skin, form.images()).empty());
    EXPECT_EQ(form.images().ButtonIL[1].keys(), (QStringList{"Button1", "Button2", "Button3", "Button4"}));
    EXPECT_TRUE(form.images().ButtonIL[299].isEmpty());
    ASSERT_EQ(skin.styles.size(), 2u);
    EXPECT_EQ(skin.styles[1].fontHoverColor, (RgbColor{0, 0, 0}));

    ini("[SkinInfo]\nActionButtonStyles=0\n");
    ASSERT_TRUE(LoadButtonStyles(source(), skin, form.images()).empty());
    for (const controls::ImageList& list : form.images().ButtonIL)
        EXPECT_TRUE(list.isEmpty());
}

// Only a style a launch-button slot uses can be shown, so only its pictures
// are indispensable; the pictures of the others are still loaded when there.
TEST_F(SkinLoaderTest, StylePicturesAreRequiredOnlyForStylesASlotUses)
{
    struct Case {
        const char* name;
        std::string ini;
        std::vector<int> stylesOnDisk;
        size_t errors;
        std::vector<int> stylesLoaded;
    };
    const Case cases[] = {
        {"no sections, the default single style", "[SkinInfo]\nSectionNum=0\n", {}, 0, {}},
        {"a section without slots", "[SkinInfo]\nSectionNum=1\n", {}, 0, {}},
        {"a slot of the default style", "[SkinInfo]\nSectionNum=1\n[Section00]\nActionButtonNumber=1\n", {}, 4, {}},
        {"only style 1 is used", "[SkinInfo]\nSectionNum=1\nActionButtonStyles=3\n"
                                 "[Section00]\nActionButtonNumber=2\nButton00Style=1\nButton01Style=1\n",
         {1, 2}, 0, {1, 2}},
        {"a style of a slot beyond the section's count",
         "[SkinInfo]\nSectionNum=1\nActionButtonStyles=2\n[Section00]\nActionButtonNumber=1\nButton00Style=1\n"
         "Button01Style=0\n",
         {1}, 0, {1}},
        {"a used style missing, an unused one there",
         "[SkinInfo]\nSectionNum=2\nActionButtonStyles=2\n[Section01]\nActionButtonNumber=1\nButton00Style=1\n",
         {0}, 4, {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(app.path() / "skins/Test");
        ini(c.ini);
        for (int style : c.stylesOnDisk)
            for (int state = 1; state <= 4; ++state)
                picture("style00" + std::to_string(style) + "_" + std::to_string(state) + ".bmp", 30, 30);
        platform::FileProfileStore freshStore; // each case rewrites the same file
        const SkinLoadErrors errors = LoadButtonStyles({freshStore, paths, "Test"}, skin, form.images());
        EXPECT_EQ(errors.size(), c.errors);
        std::vector<int> loaded;
        for (int style = 0; style < kMaxButtonStyles; ++style)
            if (form.images().ButtonIL[static_cast<size_t>(style)].count() == 4)
                loaded.push_back(style);
        EXPECT_EQ(loaded, c.stylesLoaded);
    }
}

// On a screen of ratio 2 every control keeps the place and size the skin
// gives in its own pixels, while its pictures hold twice the pixels each way:
// the skin's @2x picture where there is one, the ordinary one enlarged
// otherwise.
TEST_F(SkinLoaderTest, HighDensityPicturesKeepTheSkinsLayout)
{
    ini("[ExitButton]\nLeft=7\nTop=3\n[SkinInfo]\nSectionNum=1\n[Section00]\nLeft=10\nTop=40\n"
        "[FilmLoop1]\nUseFilmLoop=1\nFrameCount=8\nLeft=20\nTop=30\n");
    actionButtons();
    picture("EXIT_UP@2x.bmp", 24, 20, Qt::yellow);
    picture("FilmLoop1.bmp", 400, 50);
    picture("FilmLoop1@2x.bmp", 800, 100, Qt::cyan);
    sectionPictures(0);
    SkinSource highDensity = source();
    highDensity.pictureScale = 2;
    ASSERT_TRUE(LoadSkinOptions(highDensity, QSize(800, 600), skin, settings, form.controls(), form.images()).empty());
    ASSERT_TRUE(LoadSectionPanels(highDensity, skin, form.controls(), form.images()).empty());

    const controls::SkinPanel& exit = *form.controls().SSExit;
    EXPECT_EQ(exit.geometry(), QRect(7, 3, 12, 10));
    EXPECT_EQ(exit.backgroundPicture().size(), QSize(24, 20));
    EXPECT_EQ(exit.backgroundPicture().toImage().pixelColor(23, 19), QColor(Qt::yellow));
    EXPECT_EQ(form.images().ExitIL.picture("ExitDown").size(), QSize(24, 20)); // enlarged
    EXPECT_EQ(form.controls().FilmLoop[0]->geometry(), QRect(20, 30, 50, 50));
    EXPECT_EQ(form.controls().FilmLoop[0]->picture().toImage().pixelColor(0, 0), QColor(Qt::cyan));
    const controls::SkinPanel& section = *form.controls().SSPanel1[0];
    EXPECT_EQ(section.geometry(), QRect(10, 40, 40, 20));
    EXPECT_EQ(section.backgroundPicture().devicePixelRatio(), 2.0);
}
