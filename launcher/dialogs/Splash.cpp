#include "launcher/dialogs/Splash.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace launcher {

namespace {

constexpr int kSplashSizePx = 300;

} // namespace

Splash::Splash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_picture(drawPicture())
    , m_status(new QLabel(this))
{
    setObjectName("Splash");
    setWindowTitle("Quorvex Splash");
    setFixedSize(kSplashSizePx, kSplashSizePx);
    setAttribute(Qt::WA_TranslucentBackground);

    m_status->setObjectName("Status");
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setGeometry(40, 222, kSplashSizePx - 80, 20);
    m_status->setStyleSheet("color: #9fb3c8; font-size: 11px;");

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void Splash::setStatus(const QString& text)
{
    m_status->setText(text);
    m_status->repaint();
}

void Splash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

QPixmap Splash::drawPicture()
{
    QPixmap picture(kSplashSizePx, kSplashSizePx);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath disc;
    disc.addEllipse(QRectF(6, 6, kSplashSizePx - 12, kSplashSizePx - 12));
    QLinearGradient slate(0, 0, 0, kSplashSizePx);
    slate.setColorAt(0, QColor(0x3b, 0x4a, 0x5c));
    slate.setColorAt(1, QColor(0x1c, 0x24, 0x2e));
    painter.fillPath(disc, slate);
    painter.setPen(QPen(QColor(0x8a, 0xa4, 0xbf), 3));
    painter.drawPath(disc);

    QFont title = painter.font();
    title.setPixelSize(40);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(0xe8, 0xee, 0xf4));
    painter.drawText(QRect(0, 100, kSplashSizePx, 50), Qt::AlignCenter, "Quorvex");

    QFont version = painter.font();
    version.setPixelSize(13);
    version.setBold(false);
    painter.setFont(version);
    painter.setPen(QColor(0x9f, 0xb3, 0xc8));
    painter.drawText(QRect(0, 150, kSplashSizePx, 20), Qt::AlignCenter, "Version 1.02");
    return picture;
}

} // namespace launcher
