#include "launcher/controls/MaskColour.h"
#include "launcher/controls/MaskedPixmapCache.h"
#include "launcher/controls/PanelTestHelpers.h"

#include <gtest/gtest.h>

namespace controls {
namespace {

TEST(MaskColour, OnlyOpaqueMagentaBecomesTransparent)
{
    QImage image(5, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(255, 0, 255));
    image.setPixel(1, 0, qRgb(254, 0, 255)); // nearly magenta stays
    image.setPixel(2, 0, qRgba(255, 0, 255, 128)); // half-transparent magenta keeps its alpha
    image.setPixel(3, 0, qRgb(10, 20, 30));
    image.setPixel(4, 0, qRgb(255, 0, 255));

    int keyedOut = -1;
    const QImage result = withMaskColourTransparent(image, kMaskColour, &keyedOut);

    EXPECT_EQ(keyedOut, 2);
    EXPECT_EQ(qAlpha(result.pixel(0, 0)), 0);
    EXPECT_EQ(result.pixel(1, 0), qRgb(254, 0, 255));
    EXPECT_GT(qAlpha(result.pixel(2, 0)), 100);
    EXPECT_EQ(result.pixel(3, 0), qRgb(10, 20, 30));
    EXPECT_EQ(qAlpha(result.pixel(4, 0)), 0);
}

TEST(MaskColour, WorksOnEveryInputFormatAndOnNull)
{
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888, QImage::Format_Indexed8}) {
        // Filled before the conversion: an indexed image takes its colour table
        // from the pixels it is converted from, and uninitialised ones may not
        // leave room for the mask colour.
        QImage source(3, 2, QImage::Format_RGB32);
        source.fill(QColor(255, 0, 255));
        QImage image = source.convertToFormat(format);
        int keyedOut = 0;
        withMaskColourTransparent(image, kMaskColour, &keyedOut);
        EXPECT_EQ(keyedOut, 6) << format;
    }
    EXPECT_TRUE(withMaskColourTransparent(QImage()).isNull());
}

TEST(MaskedPixmapCache, PictureWithoutMaskColourIsReturnedAsItIs)
{
    MaskedPixmapCache cache;
    const QPixmap plain = testing::solidPixmap(4, 4, Qt::green);
    EXPECT_EQ(cache.masked(plain).cacheKey(), plain.cacheKey());
    EXPECT_TRUE(cache.masked(QPixmap()).isNull());
}

TEST(MaskedPixmapCache, RepeatedPictureIsKeyedOnceAndOldestIsEvicted)
{
    MaskedPixmapCache cache(2);
    const QPixmap a = testing::solidPixmap(2, 2, QColor(255, 0, 255));
    const QPixmap b = testing::solidPixmap(2, 2, QColor(255, 0, 255));
    const QPixmap c = testing::solidPixmap(2, 2, QColor(255, 0, 255));

    const qint64 firstA = cache.masked(a).cacheKey();
    EXPECT_NE(firstA, a.cacheKey());
    EXPECT_EQ(cache.masked(a).cacheKey(), firstA);
    EXPECT_EQ(qAlpha(cache.masked(a).toImage().pixel(0, 0)), 0);

    cache.masked(b); // a, b held; a used last below
    cache.masked(a);
    cache.masked(c); // evicts b
    EXPECT_EQ(cache.size(), 2);
    EXPECT_EQ(cache.masked(a).cacheKey(), firstA);
}

} // namespace
} // namespace controls
