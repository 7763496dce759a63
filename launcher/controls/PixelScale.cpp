#include "launcher/controls/PixelScale.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace controls {

namespace {

// Pixels readable as QRgb words: opaque 32-bit pixels are already, anything
// else is converted.
QImage thirtyTwoBitPixels(const QImage& image)
{
    const QImage::Format format = image.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ? image
                                                                              : image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QSize logicalSize(const QPixmap& picture)
{
    const QSizeF size = picture.deviceIndependentSize();
    return {static_cast<int>(std::lround(size.width())), static_cast<int>(std::lround(size.height()))};
}

QImage scaledNearest(const QImage& image, int factor)
{
    if (factor < 2 || image.isNull())
        return image;
    const QImage source = thirtyTwoBitPixels(image);
    QImage result(source.width() * factor, source.height() * factor, source.format());
    if (result.isNull())
        return {};
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y * factor));
        for (int x = 0; x < source.width(); ++x)
            for (int k = 0; k < factor; ++k)
                out[x * factor + k] = in[x];
        const qsizetype rowBytes = result.bytesPerLine();
        for (int k = 1; k < factor; ++k)
            std::memcpy(result.scanLine(y * factor + k), out, static_cast<size_t>(rowBytes));
    }
    return result;
}

QImage reducedForOutline(const QImage& image, int factor, QRgb maskColour)
{
    if (factor < 2 || image.isNull())
        return image;
    const QImage source = thirtyTwoBitPixels(image);
    const int width = source.width() / factor;
    const int height = source.height() / factor;
    QImage result(width, height, QImage::Format_ARGB32);
    const QRgb mask = maskColour | 0xFF000000u;
    std::vector<const QRgb*> band(static_cast<size_t>(factor));
    for (int y = 0; y < height; ++y) {
        for (int j = 0; j < factor; ++j)
            band[static_cast<size_t>(j)] = reinterpret_cast<const QRgb*>(source.constScanLine(y * factor + j));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            bool cut = false;
            for (const QRgb* row : band)
                for (int i = x * factor; i < (x + 1) * factor; ++i)
                    cut |= (row[i] | 0xFF000000u) == mask;
            out[x] = cut ? mask : band[0][x * factor];
        }
    }
    return result;
}

} // namespace controls
