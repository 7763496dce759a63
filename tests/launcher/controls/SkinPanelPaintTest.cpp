#include "launcher/controls/PanelTestHelpers.h"
#include "launcher/controls/SkinPanel.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace controls {
namespace {

using testing::FilledWindow;
using testing::pixelAt;
using testing::solidPixmap;

const QColor kWindowColor(0, 0, 200);
const QColor kMagenta(255, 0, 255);

// A panel on a blue "window", placed at (10, 10) with the given pixel size.
struct PanelOnWindow {
    FilledWindow window{kWindowColor};
    SkinPanel* panel = new SkinPanel(&window);

    explicit PanelOnWindow(QSize size = {40, 30})
    {
        panel->setGeometryTwips(150, 150, size.width() * 15, size.height() * 15);
    }
    QImage windowImage() { return window.grab().toImage(); }
    QImage panelImage() { return window.grab(panel->geometry()).toImage(); }
};

// A picture whose left half is red and right half magenta.
QPixmap halfMagenta(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height(), kMagenta);
    return QPixmap::fromImage(image);
}

TEST(SkinPanelPaint, BackgroundPictureCoversThePanelUntilRemoved)
{
    PanelOnWindow fixture;
    fixture.panel->setBackgroundPicture(solidPixmap(40, 30, Qt::green));
    QImage image = fixture.windowImage();
    EXPECT_EQ(pixelAt(image, 10, 10), QColor(Qt::green));
    EXPECT_EQ(pixelAt(image, 49, 39), QColor(Qt::green));
    EXPECT_EQ(pixelAt(image, 50, 40), kWindowColor);

    fixture.panel->setBackgroundPicture(QPixmap());
    image = fixture.windowImage();
    EXPECT_EQ(pixelAt(image, 10, 10), kWindowColor);
    EXPECT_EQ(pixelAt(image, 30, 25), kWindowColor);
}

TEST(SkinPanelPaint, TransparencyDecidesWhetherTheWindowShowsThrough)
{
    struct Case {
        int transparency; // given to BackStyle and the masked background alike
        bool withPicture;
        QColor leftHalf;
        QColor rightHalf;
    };
    const QColor grey(0xC0, 0xC0, 0xC0);
    const Case cases[] = {
        {0, true, Qt::red, kWindowColor},   // magenta is see-through
        {1, true, Qt::red, kMagenta},       // drawn as it is
        {0, false, kWindowColor, kWindowColor}, // region-only panel: the window shows
        {1, false, grey, grey},             // opaque panel in its back colour
    };
    for (const Case& c : cases) {
        PanelOnWindow fixture;
        fixture.panel->setBackStyle(c.transparency);
        fixture.panel->setMaskedBackground(c.transparency);
        if (c.withPicture)
            fixture.panel->setBackgroundPicture(halfMagenta({40, 30}));
        const QImage image = fixture.panelImage();
        EXPECT_EQ(pixelAt(image, 5, 15), c.leftHalf) << c.transparency << c.withPicture;
        EXPECT_EQ(pixelAt(image, 35, 15), c.rightHalf) << c.transparency << c.withPicture;
    }
}

TEST(SkinPanelPaint, ChangingTransparencyAfterThePictureRepaintsIt)
{
    PanelOnWindow fixture;
    fixture.panel->setBackgroundPicture(halfMagenta({40, 30}));
    ASSERT_EQ(pixelAt(fixture.panelImage(), 35, 15), kWindowColor);
    fixture.panel->setMaskedBackground(1);
    EXPECT_EQ(pixelAt(fixture.panelImage(), 35, 15), kMagenta);
    fixture.panel->setMaskedBackground(0);
    EXPECT_EQ(pixelAt(fixture.panelImage(), 35, 15), kWindowColor);
}

TEST(SkinPanelPaint, CaptionAlignmentPlacesTheText)
{
    struct Case {
        int code;
        const char* where;
    };
    const Case cases[] = {{0, "left top"},  {1, "left middle"},  {3, "right top"},
                          {5, "right bottom"}, {7, "centre middle"}, {8, "centre bottom"}};
    const QSize size(200, 60);
    for (const Case& c : cases) {
        PanelOnWindow fixture(size);
        fixture.panel->setCaption("Games");
        fixture.panel->setForeColor(Qt::yellow);
        fixture.panel->setFontSize(12);
        fixture.panel->setCaptionAlignment(c.code);
        const QRect text = testing::extentOfNonBackground(fixture.panelImage(), kWindowColor);
        ASSERT_FALSE(text.isEmpty()) << c.where;
        ASSERT_LT(text.width(), size.width() / 3) << c.where;
        ASSERT_LT(text.height(), size.height() / 2) << c.where;

        const int column = c.code / 3; // 0 left, 1 right, 2 centre
        const int row = c.code % 3;    // 0 top, 1 middle, 2 bottom
        const int slackX = size.width() - text.width();
        const int slackY = size.height() - text.height();
        const double leftShare = double(text.left()) / slackX;
        const double topShare = double(text.top()) / slackY;
        const double expectedX[] = {0.0, 1.0, 0.5};
        const double expectedY[] = {0.0, 0.5, 1.0};
        EXPECT_NEAR(leftShare, expectedX[column], 0.1) << c.where;
        EXPECT_NEAR(topShare, expectedY[row], 0.25) << c.where;
    }
}

TEST(SkinPanelPaint, CaptionFollowsForeColorAndFont)
{
    PanelOnWindow fixture({200, 60});
    fixture.panel->setCaption("Games");
    fixture.panel->setFontSize(10);
    fixture.panel->setForeColor(Qt::yellow);
    const QRect small = testing::extentOfNonBackground(fixture.panelImage(), kWindowColor);
    fixture.panel->setFontSize(20);
    fixture.panel->setFontName("");
    const QRect large = testing::extentOfNonBackground(fixture.panelImage(), kWindowColor);
    EXPECT_GT(large.width(), small.width() * 3 / 2);

    fixture.panel->setForeColor(Qt::green);
    const QImage image = fixture.panelImage();
    bool sawGreen = false;
    for (int x = large.left(); x <= large.right(); ++x)
        sawGreen = sawGreen || pixelAt(image, x, large.center().y()) == QColor(Qt::green);
    EXPECT_TRUE(sawGreen);

    fixture.panel->setCaption("");
    EXPECT_TRUE(testing::extentOfNonBackground(fixture.panelImage(), kWindowColor).isEmpty());
}

TEST(SkinPanelPaint, PictureAlignmentPlacesTheIconOverTheBackground)
{
    struct Case {
        int code;
        QPoint topLeft;
    };
    // A 16 x 16 icon on a 64 x 48 button.
    const Case cases[] = {{0, {0, 0}},   {2, {0, 32}},  {4, {48, 16}},
                          {6, {24, 0}},  {7, {24, 16}}, {255, {24, 16}}};
    for (const Case& c : cases) {
        PanelOnWindow fixture({64, 48});
        fixture.panel->setBackgroundPicture(solidPixmap(64, 48, Qt::green));
        fixture.panel->setPicture(solidPixmap(16, 16, Qt::red));
        fixture.panel->setPictureAlignment(c.code);
        const QImage image = fixture.panelImage();
        EXPECT_EQ(testing::extentOfNonBackground(image, Qt::green), QRect(c.topLeft, QSize(16, 16)))
            << "code " << c.code;
    }
}

TEST(SkinPanelPaint, FilmLoopShowsOneFrameOfTheStripAtATime)
{
    PanelOnWindow fixture({10, 8});
    const std::vector<QColor> colors = {Qt::red, Qt::green, Qt::yellow};
    fixture.panel->setPicture(testing::frameStrip(10, 8, colors));
    fixture.panel->setFrameCount(3);
    for (int step = 0; step < 4; ++step) {
        const QImage image = fixture.panelImage();
        const QColor expected = colors[step % 3];
        EXPECT_EQ(testing::extentOfNonBackground(image, expected), QRect()) << "step " << step;
        fixture.panel->advanceFrame();
    }
}

TEST(SkinPanelPaint, MaskTransparentFramesLetTheWindowThrough)
{
    PanelOnWindow fixture({10, 8});
    fixture.panel->setPicture(testing::frameStrip(10, 8, {kMagenta, Qt::red}));
    fixture.panel->setFrameCount(2);
    EXPECT_EQ(pixelAt(fixture.panelImage(), 5, 4), kMagenta);
    fixture.panel->setMaskTransparent(true);
    EXPECT_EQ(pixelAt(fixture.panelImage(), 5, 4), kWindowColor);
    fixture.panel->advanceFrame();
    EXPECT_EQ(pixelAt(fixture.panelImage(), 5, 4), QColor(Qt::red));
}

TEST(SkinPanelPaint, StripNarrowerThanItsFrameCountDrawsNothing)
{
    PanelOnWindow fixture({10, 8});
    fixture.panel->setPicture(solidPixmap(3, 8, Qt::red));
    fixture.panel->setFrameCount(5);
    EXPECT_TRUE(testing::extentOfNonBackground(fixture.panelImage(), kWindowColor).isEmpty());
}

// What a screen of device-pixel ratio 2 shows of the panel: twice as many
// pixels each way.
QImage highDensityImage(PanelOnWindow& fixture)
{
    QImage image(fixture.window.size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    fixture.window.render(&image);
    return image.copy(QRect(fixture.panel->geometry().topLeft() * 2, fixture.panel->size() * 2));
}

// Two colours in a 1-pixel checkerboard: any blending while enlarging shows
// as a third colour.
QPixmap checkerboard(QSize size, QColor a, QColor b)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, ((x + y) % 2 ? a : b).rgb());
    return QPixmap::fromImage(image);
}

// Pictures without a high-density version are enlarged by the painter; pixel
// art must come out as whole 2 x 2 blocks of its own colours, not smoothed.
TEST(SkinPanelPaint, OrdinaryPicturesStaySharpOnAHighDensityScreen)
{
    PanelOnWindow fixture({8, 6});
    fixture.panel->setBackgroundPicture(checkerboard({8, 6}, Qt::red, Qt::blue));
    const QImage seen = highDensityImage(fixture);
    ASSERT_EQ(seen.size(), QSize(16, 12));
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x)
            ASSERT_EQ(pixelAt(seen, x, y), QColor(((x / 2 + y / 2) % 2) ? Qt::red : Qt::blue)) << x << "," << y;
}

// A high-density picture keeps all its device pixels: a 1-pixel checkerboard
// of 16 x 12 device pixels over a panel of 8 x 6 logical pixels.
TEST(SkinPanelPaint, HighDensityPicturesAreDrawnPixelForPixel)
{
    PanelOnWindow fixture({8, 6});
    QPixmap fine = checkerboard({16, 12}, Qt::red, Qt::blue);
    fine.setDevicePixelRatio(2);
    fixture.panel->setBackgroundPicture(fine);
    const QImage seen = highDensityImage(fixture);
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x)
            ASSERT_EQ(pixelAt(seen, x, y), QColor(((x + y) % 2) ? Qt::red : Qt::blue)) << x << "," << y;
}

// The frames of a high-density strip are cut where the ordinary strip's are,
// even when its width does not divide by the frame count.
TEST(SkinPanelPaint, HighDensityFilmLoopStepsThroughWholeFrames)
{
    PanelOnWindow fixture({10, 8});
    const std::vector<QColor> colors = {Qt::red, Qt::green, Qt::yellow};
    QImage strip = testing::frameStrip(20, 16, colors).toImage();
    strip = strip.copy(0, 0, strip.width() + 4, strip.height()); // two logical columns left over
    QPixmap picture = QPixmap::fromImage(strip);
    picture.setDevicePixelRatio(2);
    fixture.panel->setPicture(picture);
    fixture.panel->setFrameCount(3);
    for (int step = 0; step < 3; ++step) {
        EXPECT_EQ(testing::extentOfNonBackground(highDensityImage(fixture), colors[step]), QRect()) << step;
        fixture.panel->advanceFrame();
    }
}

} // namespace
} // namespace controls
