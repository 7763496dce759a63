#pragma once

#include <QImage>
#include <QRegion>

class QWidget;

namespace launcher {

inline constexpr QRgb kOutlineMaskColour = 0xffff00ff; // magenta

// The pixels of the picture that are not the mask colour, as a region.
QRegion OutlineOfPicture(const QImage& picture, QRgb maskColour = kOutlineMaskColour);

// Cuts the window to its picture's outline.
void ApplyPictureOutline(QWidget& window, const QImage& picture);

} // namespace launcher
