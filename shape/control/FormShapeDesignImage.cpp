#include "shape/control/FormShapeDesignImage.h"

namespace quorvex::shape {

using platform::component::Bitmap32;

namespace {

constexpr uint32_t kTile = 0xFFC0C0C0u;
constexpr uint32_t kFrame = 0xFF404040u;
constexpr uint32_t kCaption = 0xFF1C4E9Cu;
constexpr uint32_t kClient = 0xFFFFFFFFu;
constexpr uint32_t kHighlight = 0xFFF0F0F0u;
constexpr uint32_t kClear = 0x00000000u;

enum class Ground {
    RaisedTile,
    Clear,
};

// A small window (caption bar, frame, client area) whose lower-right corner
// is carved away along a quarter circle, on a raised grey tile or on nothing
// (the carved corner then shows what lies behind).
Bitmap32 drawImage(int32_t side, Ground ground)
{
    Bitmap32 image(side, side, ground == Ground::RaisedTile ? kTile : kClear);
    for (int32_t i = 0; i < side && ground == Ground::RaisedTile; ++i) {
        image.setPixel(i, 0, kHighlight);
        image.setPixel(0, i, kHighlight);
        image.setPixel(i, side - 1, kFrame);
        image.setPixel(side - 1, i, kFrame);
    }
    const int32_t margin = ground == Ground::RaisedTile ? side / 7 : side / 16;
    const int32_t left = margin;
    const int32_t top = margin;
    const int32_t right = side - margin;
    const int32_t bottom = side - margin;
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
    static const Bitmap32 image = drawImage(27, Ground::RaisedTile);
    return image;
}

const Bitmap32& formShapeToolboxImage()
{
    static const Bitmap32 image = drawImage(16, Ground::RaisedTile);
    return image;
}

Bitmap32 formShapeIconImage(int32_t side)
{
    return drawImage(side, Ground::Clear);
}

} // namespace quorvex::shape
