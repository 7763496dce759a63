#include "platform/component/PictureStreamForm.h"
#include "shape/control/FormShapeDesignImage.h"
#include "shape/server/ServerResources.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

namespace {

using namespace quorvex;
using platform::component::Bitmap32;

// The icon is read back by an icon reader of its own (Qt's), image by image
// and pixel by pixel.
TEST(ServerIconTest, IconFileHoldsTheDrawnIconAt32And16Pixels)
{
    std::span<const uint8_t> icon = shape::findServerResource("ICON", 1);
    ASSERT_FALSE(icon.empty());
    EXPECT_EQ(platform::component::pictureKindOfData(icon), platform::component::PictureKind::Icon);

    QByteArray bytes(reinterpret_cast<const char*>(icon.data()), qsizetype(icon.size()));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "ico");
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    ASSERT_EQ(reader.imageCount(), 2);
    for (int32_t side : { 32, 16 }) {
        SCOPED_TRACE(side);
        QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        image = image.convertToFormat(QImage::Format_ARGB32);
        const Bitmap32 drawn = shape::formShapeIconImage(side);
        ASSERT_EQ(image.width(), side);
        ASSERT_EQ(image.height(), side);
        for (int32_t y = 0; y < side; ++y)
            for (int32_t x = 0; x < side; ++x)
                ASSERT_EQ(image.pixel(x, y), drawn.pixel(x, y)) << x << ", " << y;
        reader.jumpToNextImage();
    }
}

// The window shows, and both its surroundings and its carved corner are
// transparent.
TEST(ServerIconTest, CarvedCornerAndSurroundingsAreTransparent)
{
    const Bitmap32 icon = shape::formShapeIconImage(32);
    EXPECT_EQ(icon.pixel(0, 0) >> 24, 0u) << "outside the window";
    EXPECT_EQ(icon.pixel(2, 2) >> 24, 0xFFu) << "the window's top-left corner";
    EXPECT_EQ(icon.pixel(10, 20) >> 24, 0xFFu) << "the client area";
    EXPECT_EQ(icon.pixel(28, 28) >> 24, 0u) << "inside the carved corner";
}

} // namespace
