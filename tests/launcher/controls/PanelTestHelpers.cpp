#include "launcher/controls/PanelTestHelpers.h"

#include <QPainter>

namespace controls::testing {

QPixmap solidPixmap(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return QPixmap::fromImage(image);
}

QPixmap frameStrip(int frameWidth, int height, const std::vector<QColor>& colors)
{
    QImage image(frameWidth * static_cast<int>(colors.size()), height, QImage::Format_RGB32);
    QPainter painter(&image);
    for (size_t i = 0; i < colors.size(); ++i)
        painter.fillRect(static_cast<int>(i) * frameWidth, 0, frameWidth, height, colors[i]);
    painter.end();
    return QPixmap::fromImage(image);
}

FilledWindow::FilledWindow(QColor color, QSize size)
{
    QPalette palette;
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
    setAutoFillBackground(true);
    resize(size);
}

QRect extentOfNonBackground(const QImage& image, QColor background)
{
    QRect extent;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            if (QColor(rgb.pixel(x, y)) != background)
                extent |= QRect(x, y, 1, 1);
        }
    }
    return extent;
}

QColor pixelAt(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y)).toRgb();
}

} // namespace controls::testing
