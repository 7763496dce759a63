#include "launcher/controls/MaskColour.h"

namespace controls {

QImage withMaskColourTransparent(const QImage& image, QRgb maskColour, int* keyedOut)
{
    if (keyedOut)
        *keyedOut = 0;
    if (image.isNull())
        return {};
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Premultiplied opaque pixels carry their colour unchanged, so comparing
    // the whole word finds exactly the opaque mask-coloured pixels.
    const QRgb opaqueMask = maskColour | 0xFF000000u;
    int count = 0;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (line[x] == opaqueMask) {
                line[x] = 0;
                ++count;
            }
        }
    }
    if (keyedOut)
        *keyedOut = count;
    return result;
}

} // namespace controls
