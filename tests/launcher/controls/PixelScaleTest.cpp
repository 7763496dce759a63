#include "launcher/controls/MaskColour.h"
#include "launcher/controls/PixelScale.h"

#include <gtest/gtest.h>

namespace controls {
namespace {

// An irregular picture: every pixel differs from its neighbours, and some
// are the mask colour.
QImage speckled(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x * 7 + y * 3) % 5 == 0 ? kMaskColour : qRgb(x * 20, y * 30, (x + y) * 9));
    return image;
}

TEST(PixelScale, EnlargingRepeatsEveryPixelAsAWholeBlock)
{
    const QImage source = speckled(5, 3);
    for (int factor : {2, 3}) {
        const QImage big = scaledNearest(source, factor);
        ASSERT_EQ(big.size(), source.size() * factor);
        for (int y = 0; y < big.height(); ++y)
            for (int x = 0; x < big.width(); ++x)
                ASSERT_EQ(big.pixel(x, y), source.pixel(x / factor, y / factor)) << factor << " " << x << "," << y;
        // Brought back for the outline, the enlarged picture is the original.
        EXPECT_EQ(reducedForOutline(big, factor, kMaskColour), source) << factor;
    }
}

TEST(PixelScale, OneMaskPixelCutsItsWholeBlockFromTheOutline)
{
    const QRgb ink = qRgb(10, 200, 30);
    for (int corner = 0; corner < 4; ++corner) {
        QImage block(2, 2, QImage::Format_ARGB32);
        block.fill(ink);
        block.setPixel(corner % 2, corner / 2, kMaskColour);
        const QImage reduced = reducedForOutline(block, 2, kMaskColour);
        ASSERT_EQ(reduced.size(), QSize(1, 1));
        EXPECT_EQ(reduced.pixel(0, 0), kMaskColour) << "mask pixel at corner " << corner;
    }
    QImage clean(2, 2, QImage::Format_ARGB32);
    clean.fill(qRgb(1, 2, 3));
    clean.setPixel(0, 0, ink);
    EXPECT_EQ(reducedForOutline(clean, 2, kMaskColour).pixel(0, 0), ink); // the top-left pixel speaks
}

TEST(PixelScale, PartBlocksAtTheEdgesAreDroppedAndFactorOneChangesNothing)
{
    const QImage odd = speckled(7, 5);
    EXPECT_EQ(reducedForOutline(odd, 2, kMaskColour).size(), QSize(3, 2));
    EXPECT_EQ(scaledNearest(odd, 1), odd);
    EXPECT_EQ(reducedForOutline(odd, 1, kMaskColour), odd);
    EXPECT_TRUE(scaledNearest(QImage(), 2).isNull());
}

TEST(PixelScale, LogicalSizeIsTheSizeOnScreen)
{
    QPixmap picture(80, 60);
    EXPECT_EQ(logicalSize(picture), QSize(80, 60));
    picture.setDevicePixelRatio(2);
    EXPECT_EQ(logicalSize(picture), QSize(40, 30));
}

} // namespace
} // namespace controls
