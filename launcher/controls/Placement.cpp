#include "launcher/controls/Placement.h"

namespace controls {

namespace {

enum class Column { Left, Right, Centre };
enum class Row { Top, Middle, Bottom };

Column columnOf(int code)
{
    return static_cast<Column>((isValidPlacement(code) ? code : kPlacementCentreMiddle) / 3);
}

Row rowOf(int code)
{
    return static_cast<Row>((isValidPlacement(code) ? code : kPlacementCentreMiddle) % 3);
}

} // namespace

bool isValidPlacement(int code)
{
    return code >= 0 && code <= 8;
}

Qt::Alignment alignmentFromPlacement(int code)
{
    Qt::Alignment alignment;
    switch (columnOf(code)) {
    case Column::Left: alignment |= Qt::AlignLeft; break;
    case Column::Right: alignment |= Qt::AlignRight; break;
    case Column::Centre: alignment |= Qt::AlignHCenter; break;
    }
    switch (rowOf(code)) {
    case Row::Top: alignment |= Qt::AlignTop; break;
    case Row::Middle: alignment |= Qt::AlignVCenter; break;
    case Row::Bottom: alignment |= Qt::AlignBottom; break;
    }
    return alignment;
}

QRect placeRect(QSize item, const QRect& area, int code)
{
    int x = area.left();
    switch (columnOf(code)) {
    case Column::Left: break;
    case Column::Right: x = area.left() + area.width() - item.width(); break;
    case Column::Centre: x = area.left() + (area.width() - item.width()) / 2; break;
    }
    int y = area.top();
    switch (rowOf(code)) {
    case Row::Top: break;
    case Row::Middle: y = area.top() + (area.height() - item.height()) / 2; break;
    case Row::Bottom: y = area.top() + area.height() - item.height(); break;
    }
    return {QPoint(x, y), item};
}

} // namespace controls
