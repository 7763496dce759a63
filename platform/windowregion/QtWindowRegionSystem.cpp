#include "platform/windowregion/QtWindowRegionSystem.h"

#include "platform/windowregion/CutAwayEraser.h"
#include "platform/windowregion/X11ShapeMask.h"

#include <QRect>
#include <QRegion>
#include <QVector>
#include <QWidget>

namespace quorvex::platform {

namespace {

QWidget* findWindow(RegionWindowId window)
{
    if (window == 0)
        return nullptr;
    QWidget* widget = QWidget::find(static_cast<WId>(window));
    return widget && widget->isWindow() ? widget : nullptr;
}

// A translucent window is also painted transparent outside its outline, for
// desktops that do not cut windows to their shape; an opaque one relies on
// the shape alone, as plain X11 does.
void eraseOutside(QWidget& window, const QRegion& outline)
{
    if (window.testAttribute(Qt::WA_TranslucentBackground))
        CutAwayEraser::of(window).keepOnly(outline);
}

} // namespace

QRegion QtWindowRegionSystem::toQRegion(std::span<const RegionRect> rects, int frameLeft, int frameTop)
{
    QVector<QRect> qtRects;
    qtRects.reserve(static_cast<qsizetype>(rects.size()));
    for (const RegionRect& r : rects) {
        if (r.right <= r.left || r.bottom <= r.top)
            continue;
        qtRects.append(QRect(r.left - frameLeft, r.top - frameTop, r.right - r.left, r.bottom - r.top));
    }
    QRegion region;
    region.setRects(qtRects.constData(), static_cast<int>(qtRects.size()));
    return region;
}

void QtWindowRegionSystem::setRegion(RegionWindowId window, std::span<const RegionRect> rects)
{
    QWidget* widget = findWindow(window);
    if (!widget)
        return;
    QPoint frameOffset = widget->geometry().topLeft() - widget->frameGeometry().topLeft();
    QRegion region = toQRegion(rects, frameOffset.x(), frameOffset.y());
    // QWidget treats an empty mask as "no mask"; a region that hides every
    // pixel needs a mask that covers none of the widget.
    if (region.isEmpty())
        region = QRegion(-1, -1, 1, 1);
    eraseOutside(*widget, region);
    if (static_cast<std::size_t>(region.rectCount()) > X11ShapeMask::kLargestRectangleList) {
        // Qt keeps no mask of its own then, so that it never sends the
        // outline it holds over the one installed here.
        widget->clearMask();
        if (X11ShapeMask::install(static_cast<std::uint32_t>(widget->winId()),
                                  std::span<const QRect>(region.begin(), region.end()), widget->devicePixelRatioF())) {
            widget->update();
            return;
        }
    }
    widget->setMask(region);
    widget->update();
}

void QtWindowRegionSystem::clearRegion(RegionWindowId window)
{
    if (QWidget* widget = findWindow(window)) {
        CutAwayEraser::removeFrom(*widget);
        widget->clearMask();
        widget->update();
    }
}

std::optional<RegionRect> QtWindowRegionSystem::windowRect(RegionWindowId window) const
{
    QWidget* widget = findWindow(window);
    if (!widget)
        return std::nullopt;
    QRect outer = widget->frameGeometry();
    return RegionRect { outer.left(), outer.top(), outer.left() + outer.width(), outer.top() + outer.height() };
}

} // namespace quorvex::platform
