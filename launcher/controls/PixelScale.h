#pragma once

#include <QImage>
#include <QPixmap>
#include <QRgb>
#include <QSize>

namespace controls {

// Skin pictures on a high-density screen carry a device-pixel ratio: a
// picture of the skin's 40 x 30 pixels may hold 80 x 60 device pixels. Layout
// always works in the skin's own (logical) pixels.

// The size the picture covers on screen, in logical pixels.
QSize logicalSize(const QPixmap& picture);

// The picture enlarged `factor` times by repeating every pixel as a factor x
// factor block: pixel art stays sharp and no colour is mixed into a magenta
// edge. A factor below 2 or a null image gives the image unchanged.
QImage scaledNearest(const QImage& image, int factor);

// The reverse for the window's outline, which is cut in logical pixels: one
// pixel per factor x factor block, in the mask colour when any pixel of the
// block has it (so no mask-coloured pixel is ever left showing), otherwise
// the block's top-left pixel. Columns or rows beyond the last whole block are
// dropped. A factor below 2 gives the image unchanged.
QImage reducedForOutline(const QImage& image, int factor, QRgb maskColour);

} // namespace controls
