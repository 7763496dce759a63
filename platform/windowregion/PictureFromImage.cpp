#include "platform/windowregion/PictureFromImage.h"

#include <QImage>

#include <cstring>

namespace quorvex::platform {

component::Ref<component::IPicture> pictureFromImage(const QImage& image)
{
    if (image.isNull())
        return {};
    // ARGB32 lays each pixel out as 0xAARRGGBB, the picture's own format.
    QImage converted = image.convertToFormat(QImage::Format_ARGB32);
    component::Bitmap32 bitmap(converted.width(), converted.height());
    for (int y = 0; y < converted.height(); ++y)
        std::memcpy(&bitmap.pixels[size_t(y) * size_t(bitmap.width)], converted.constScanLine(y),
                    size_t(bitmap.width) * 4);
    return component::createPictureFromBitmap(std::move(bitmap));
}

} // namespace quorvex::platform
