#include "launcher/skin/SkinFileNames.h"
#include "launcher/skin/SkinPictures.h"

#include "support/TempFolder.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>

using namespace launcher;
using testsupport::TempFolder;

namespace {

QImage plain(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

constexpr QRgb kBase = 0xFF305070;
constexpr QRgb kFine = 0xFFE0A040;

} // namespace

TEST(HighDensityPictures, ScaleFollowsTheScreensRatio)
{
    const struct {
        double ratio;
        int scale;
    } cases[] = {{1.0, 1}, {1.25, 1}, {1.5, 1}, {1.51, 2}, {2.0, 2}, {2.4, 2}, {2.5, 3}, {3.0, 3}, {4.0, 4}, {9.0, 4},
                 {0.5, 1}, {0.0, 1}, {-2.0, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(PictureScaleForRatio(c.ratio), c.scale) << c.ratio;
}

TEST(HighDensityPictures, DoubleSizeNameGoesBeforeTheExtension)
{
    EXPECT_EQ(DoubleSizeFileName("Exit_up.bmp"), "Exit_up@2x.bmp");
    EXPECT_EQ(DoubleSizeFileName("My.Skin.bmp"), "My.Skin@2x.bmp");
    EXPECT_EQ(DoubleSizeFileName("shade"), "shade@2x");
}

// Which source a screen gets: the double-size picture only when it fits, at
// even scales; everything else is the base picture enlarged pixel by pixel.
TEST(HighDensityPictures, ThePictureChosenForEachScale)
{
    const QImage base = plain(4, 3, kBase);
    const struct {
        const char* name;
        QImage doubleSize;
        int scale;
        QSize deviceSize;
        QRgb colour;
        bool warned;
    } cases[] = {
        {"ordinary screen", plain(8, 6, kFine), 1, {4, 3}, kBase, false},
        {"no double-size picture", QImage(), 2, {8, 6}, kBase, false},
        {"double-size picture", plain(8, 6, kFine), 2, {8, 6}, kFine, false},
        {"too wide", plain(9, 6, kFine), 2, {8, 6}, kBase, true},
        {"same size as the base", plain(4, 3, kFine), 2, {8, 6}, kBase, true},
        {"odd scale enlarges the base", plain(8, 6, kFine), 3, {12, 9}, kBase, false},
        {"scale 4 doubles the double-size picture", plain(8, 6, kFine), 4, {16, 12}, kFine, false},
    };
    for (const auto& c : cases) {
        const ScaledPicture result = PictureForScale(base, c.doubleSize, c.scale, "skins/x/a@2x.bmp");
        EXPECT_EQ(result.image.size(), c.deviceSize) << c.name;
        EXPECT_EQ(result.image.devicePixelRatio(), c.scale) << c.name;
        EXPECT_EQ(result.image.pixel(result.image.width() - 1, result.image.height() - 1), c.colour) << c.name;
        EXPECT_EQ(!result.warning.empty(), c.warned) << c.name;
        if (c.warned)
            EXPECT_NE(result.warning.find("skins/x/a@2x.bmp"), std::string::npos) << result.warning;
    }
}

// Enlarging a picture at the pixel limit would need sixteen times its memory;
// it stays as it is and Qt enlarges it while drawing.
TEST(HighDensityPictures, PicturesTooLargeToEnlargeStayAsTheyAre)
{
    const QImage base = plain(8192, 2048, kBase);
    const ScaledPicture result = PictureForScale(base, QImage(), 4, "");
    EXPECT_EQ(result.image.size(), base.size());
    EXPECT_EQ(result.image.devicePixelRatio(), 1.0);
}

TEST(HighDensityPictures, LoadingFindsTheDoubleSizeFileWithoutRegardToCase)
{
    TempFolder skin;
    plain(6, 4, kBase).save(QString::fromStdString(skin.str() + "Exit_up.bmp"), "BMP");
    plain(12, 8, kFine).save(QString::fromStdString(skin.str() + "EXIT_UP@2X.BMP"), "BMP");
    plain(6, 4, kBase).save(QString::fromStdString(skin.str() + "shade.bmp"), "BMP");
    plain(13, 8, kFine).save(QString::fromStdString(skin.str() + "shade@2x.bmp"), "BMP");
    skin.write("sm_up.bmp", std::string(60, 'x'));
    plain(12, 8, kFine).save(QString::fromStdString(skin.str() + "sm_up@2x.bmp"), "BMP");
    plain(6, 4, kBase).save(QString::fromStdString(skin.str() + "SC_up.bmp"), "BMP");
    skin.write("SC_up@2x.bmp", std::string(60, 'x'));

    const SkinPicture exit = LoadSkinPicture(skin.str(), "Exit_up.bmp", 2);
    ASSERT_TRUE(exit.error.empty()) << exit.error;
    EXPECT_EQ(exit.picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(exit.picture.toImage().pixel(0, 0), kFine);
    EXPECT_EQ(LoadSkinPicture(skin.str(), "Exit_up.bmp", 1).picture.toImage().pixel(0, 0), kBase);

    // A double-size picture of the wrong size, or one that cannot be read, is
    // passed over; the base picture is what the skin must have.
    for (const char* name : {"shade.bmp", "SC_up.bmp"}) {
        const SkinPicture loaded = LoadSkinPicture(skin.str(), name, 2);
        ASSERT_TRUE(loaded.error.empty()) << name;
        EXPECT_EQ(loaded.picture.size(), QSize(12, 8)) << name;
        EXPECT_EQ(loaded.picture.toImage().pixel(11, 7), kBase) << name;
    }
    const SkinPicture broken = LoadSkinPicture(skin.str(), "sm_up.bmp", 2);
    EXPECT_TRUE(broken.picture.isNull());
    EXPECT_NE(broken.error.find("sm_up.bmp"), std::string::npos);
}
