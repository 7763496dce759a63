#include "launcher/window/QuorvexForm.h"

#include <QCloseEvent>
#include <QPainter>

namespace launcher {

QuorvexForm::QuorvexForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName("QUORVEXform");
    setWindowTitle("Quorvex");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void QuorvexForm::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void QuorvexForm::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_picture.isNull()) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    painter.drawPixmap(event->rect(), m_picture, event->rect());
}

void QuorvexForm::closeEvent(QCloseEvent* event)
{
    // The launcher never refuses to close.
    if (m_closeHandler)
        m_closeHandler();
    event->accept();
}

} // namespace launcher
