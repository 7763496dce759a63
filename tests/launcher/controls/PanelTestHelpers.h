#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <vector>

namespace controls::testing {

QPixmap solidPixmap(int width, int height, QColor color);

// A horizontal strip of equally wide frames, one colour each.
QPixmap frameStrip(int frameWidth, int height, const std::vector<QColor>& colors);

// A plain widget filled with `color`, to stand for the launcher window behind
// a panel.
class FilledWindow : public QWidget {
public:
    explicit FilledWindow(QColor color, QSize size = {120, 80});
};

// The smallest rectangle holding every pixel of `image` that differs from
// `background` (an empty rectangle when none does).
QRect extentOfNonBackground(const QImage& image, QColor background);

// The colour of one pixel, without alpha.
QColor pixelAt(const QImage& image, int x, int y);

} // namespace controls::testing
