#include "platform/windowregion/CutAwayEraser.h"

#include <QChildEvent>
#include <QPaintEvent>
#include <QPainter>

namespace quorvex::platform {

namespace {

constexpr const char* kEraserName = "quorvex-cut-away-eraser";

// Found by name: the class has no meta-object of its own to be cast by.
CutAwayEraser* eraserOf(QWidget& window)
{
    return static_cast<CutAwayEraser*>(window.findChild<QWidget*>(kEraserName, Qt::FindDirectChildrenOnly));
}

} // namespace

CutAwayEraser& CutAwayEraser::of(QWidget& window)
{
    if (CutAwayEraser* eraser = eraserOf(window))
        return *eraser;
    return *new CutAwayEraser(window);
}

void CutAwayEraser::removeFrom(QWidget& window)
{
    delete eraserOf(window);
}

CutAwayEraser::CutAwayEraser(QWidget& window)
    : QWidget(&window)
{
    setObjectName(kEraserName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    window.installEventFilter(this);
    followWindow();
    show();
}

void CutAwayEraser::keepOnly(const QRegion& outline)
{
    m_outline = outline;
    followWindow();
    update();
}

void CutAwayEraser::followWindow()
{
    const QWidget& window = *parentWidget();
    setGeometry(window.rect());
    m_erased = QRegion(window.rect()) - m_outline;
    raise();
}

bool CutAwayEraser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget()) {
        // A control added later would otherwise lie above the eraser.
        if (event->type() == QEvent::Resize ||
            (event->type() == QEvent::ChildAdded && static_cast<QChildEvent*>(event)->child() != this))
            followWindow();
    }
    return QWidget::eventFilter(watched, event);
}

void CutAwayEraser::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    for (const QRect& rect : m_erased & event->region())
        painter.fillRect(rect, Qt::transparent);
}

} // namespace quorvex::platform
