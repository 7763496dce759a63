#pragma once

#include <QRect>
#include <QSize>
#include <Qt>

namespace controls {

// Placement codes place a caption or a picture inside a panel. Skins write
// them as numbers, and the launcher passes those numbers on unchanged:
//
//   code  horizontal  vertical        code  horizontal  vertical
//    0    left        top              5    right       bottom
//    1    left        middle           6    centre      top
//    2    left        bottom           7    centre      middle
//    3    right       top              8    centre      bottom
//    4    right       middle
//
// That is, code / 3 picks the column in the order left, right, centre (the
// order skins also use for label alignment: 0 left, 1 right, 2 centred) and
// code % 3 the row from the top. Any other number, including the 255 that
// skins write for "not given", places at centre-middle, the default that
// skins assume (7).
inline constexpr int kPlacementCentreMiddle = 7;

bool isValidPlacement(int code);

// The Qt alignment flags for a code (Qt::AlignCenter for invalid codes).
Qt::Alignment alignmentFromPlacement(int code);

// The rectangle of `item` placed inside `area` by `code`. Centred items that
// do not divide evenly lean to the left/top; an item larger than the area
// keeps its size and overhangs in the direction of the placement.
QRect placeRect(QSize item, const QRect& area, int code);

} // namespace controls
