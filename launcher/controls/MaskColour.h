#pragma once

#include <QImage>
#include <QRgb>

namespace controls {

// Skin bitmaps mark "no pixel here" with pure magenta, the same colour that
// cuts the launcher window's outline.
inline constexpr QRgb kMaskColour = 0xFFFF00FF;

// A copy of `image` in premultiplied ARGB in which every opaque pixel of the
// mask colour has become fully transparent. Other pixels keep their colour and
// alpha. A null image gives a null image. When `keyedOut` is given it receives
// the number of pixels made transparent.
QImage withMaskColourTransparent(const QImage& image, QRgb maskColour = kMaskColour,
                                 int* keyedOut = nullptr);

} // namespace controls
