#include "launcher/controls/PixelScale.h"

#include <cmath>
#include <cstring>

namespace controls {

QSize logicalSize(const QPixmap& picture)
{
    const QSizeF size = picture.deviceIndependentSize();
    return {static_cast<int>(std::lround(size.width())), static_cast<int>(std::lround(size.height()))};
}

QImage scaledNearest(const QImage& image, int factor)
{
    if (factor < 2 || image.isNull())
        return image;
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.width() * factor, source.height() * factor, QImage::Format_ARGB32);
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
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    const int width = source.width() / factor;
    const int height = source.height() / factor;
    QImage result(width, height, QImage::Format_ARGB32);
    const QRgb mask = maskColour | 0xFF000000u;
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            QRgb kept = reinterpret_cast<const QRgb*>(source.constScanLine(y * factor))[x * factor];
            for (int j = 0; j < factor && kept != mask; ++j) {
                const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y * factor + j));
                for (int i = 0; i < factor; ++i) {
                    if ((in[x * factor + i] | 0xFF000000u) == mask) {
                        kept = mask;
                        break;
                    }
                }
            }
            out[x] = kept;
        }
    }
    return result;
}

} // namespace controls
