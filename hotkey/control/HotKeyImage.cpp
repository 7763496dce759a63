#include "hotkey/control/HotKeyImage.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>

namespace quorvex::hotkey {

QImage hotKeyImage(int scale)
{
    QImage image(kHotKeyImageSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(192, 192, 192));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    const QRectF cap(3.5, 3.5, 25, 25);
    QLinearGradient shade(cap.topLeft(), cap.bottomRight());
    shade.setColorAt(0.0, QColor(250, 250, 245));
    shade.setColorAt(1.0, QColor(170, 172, 180));
    painter.setPen(QPen(QColor(60, 60, 70), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(cap, 4, 4);
    painter.setBrush(QColor(235, 236, 240));
    painter.drawRoundedRect(cap.adjusted(4, 3, -4, -6), 2, 2);

    // Text needs the font database, which exists only in a GUI application.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        painter.end();
        return image;
    }
    QFont font;
    font.setPixelSize(9);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(30, 40, 120));
    painter.drawText(cap.adjusted(4, 3, -4, -6), Qt::AlignCenter, QStringLiteral("HK"));
    painter.end();
    return image;
}

} // namespace quorvex::hotkey
