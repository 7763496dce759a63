#include "launcher/dialogs/PictureOutline.h"

#include <QWidget>

#include <vector>

namespace launcher {

QRegion OutlineOfPicture(const QImage& picture, QRgb maskColour)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb mask = maskColour | 0xff000000;
    // One rectangle per run of kept pixels; QRegion merges them into bands.
    std::vector<QRect> runs;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < image.width()) {
            while (x < image.width() && (row[x] | 0xff000000) == mask)
                ++x;
            const int start = x;
            while (x < image.width() && (row[x] | 0xff000000) != mask)
                ++x;
            if (x > start)
                runs.emplace_back(start, y, x - start, 1);
        }
    }
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

void ApplyPictureOutline(QWidget& window, const QImage& picture)
{
    window.setMask(OutlineOfPicture(picture));
}

} // namespace launcher
