#include "shape/control/FormShapeDesignImage.h"

namespace quorvex::shape {

using platform::component::Bitmap32;

namespace {

constexpr uint32_t kTile = 0xFFC0C0C0u;
constexpr uint32_t kFrame = 0xFF404040u;
constexpr uint32_t kCaption = 0xFF1C4E9Cu;
constexpr uint32_t kClient = 0xFFFFFFFFu;
constexpr uint32_t kHighlight = 0xFFF0F0F0u;

// A small window (caption bar, frame, client area) whose lower-right corner
// is carved away along a quarter circle, on a raised grey tile.
Bitmap32 drawImage(int32_t side)
{
    Bitmap32 image(side, side, kTile);
    for (int32_t i = 0; i < side; ++i) {
        image.setPixel(i, 0, kHighlight);
        image.setPixel(0, i, kHighlight);
        image.setPixel(i, side - 1, kFrame);
        image.setPixel(side - 1, i, kFrame);
    }
    const int32_t left = side / 7;
    const int32_t top = side / 7;
    const int32_t right = side - side / 7;
    const int32_t bottom = side - side / 7;
    const int32_t captionBottom = top + side / 6;
    const int32_t radius = (right - left) / 2;
    const int32_t cx = right;
    const int32_t cy = bottom;
    for (int32_t y = top; y < bottom; ++y) {
        for (int32_t x = left; x < right; ++x) {
            int32_t dx = x - cx;
            int32_t dy = y - cy;
            bool carved = dx * dx + dy * dy < radius * radius;
            if (carved)
                continue;
            bool edge = x == left || y == top || x == right - 1 || y == bottom - 1
                || (dx + 1) * (dx + 1) + (dy + 1) * (dy + 1) < radius * radius;
            if (edge)
                image.setPixel(x, y, kFrame);
            else if (y < captionBottom)
                image.setPixel(x, y, kCaption);
            else
                image.setPixel(x, y, kClient);
        }
    }
    return image;
}

} // namespace

const Bitmap32& formShapeDesignImage()
{
    static const Bitmap32 image = drawImage(27);
    return image;
}

const Bitmap32& formShapeToolboxImage()
{
    static const Bitmap32 image = drawImage(16);
    return image;
}

} // namespace quorvex::shape
