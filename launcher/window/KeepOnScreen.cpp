#include "launcher/window/KeepOnScreen.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace launcher {

namespace {

// Overlap of [a, a + aLength) and [b, b + bLength); 0 when they are apart.
int64_t overlap(int a, int aLength, int b, int bLength)
{
    const int64_t start = std::max<int64_t>(a, b);
    const int64_t end = std::min<int64_t>(int64_t{a} + aLength, int64_t{b} + bLength);
    return std::max<int64_t>(0, end - start);
}

// Distance between [a, a + aLength) and [b, b + bLength); 0 when they overlap.
int64_t gap(int a, int aLength, int b, int bLength)
{
    if (int64_t{a} + aLength <= b)
        return int64_t{b} - a - aLength;
    if (int64_t{b} + bLength <= a)
        return int64_t{a} - b - bLength;
    return 0;
}

bool showsUsablePart(const PixelRect& window, const PixelRect& screen)
{
    return overlap(window.left, window.width, screen.left, screen.width) >= std::min(kUsablePartPx, window.width) &&
           overlap(window.top, window.height, screen.top, screen.height) >= std::min(kUsablePartPx, window.height);
}

// Nearest by the gap between the two rectangles; among screens the window
// touches, the one that shows most of it.
struct Nearness {
    int64_t squaredGap;
    int64_t sharedArea;
    bool operator<(const Nearness& other) const
    {
        return squaredGap != other.squaredGap ? squaredGap < other.squaredGap : sharedArea > other.sharedArea;
    }
};

Nearness nearness(const PixelRect& window, const PixelRect& screen)
{
    const int64_t dx = gap(window.left, window.width, screen.left, screen.width);
    const int64_t dy = gap(window.top, window.height, screen.top, screen.height);
    return {dx * dx + dy * dy, overlap(window.left, window.width, screen.left, screen.width) *
                                   overlap(window.top, window.height, screen.top, screen.height)};
}

// The start that puts [start, start + length) inside the screen's span, or
// at its start when it does not fit.
int intoSpan(int start, int length, int spanStart, int spanLength)
{
    const int64_t last = int64_t{spanStart} + spanLength - length;
    if (last < spanStart)
        return spanStart;
    return static_cast<int>(std::clamp<int64_t>(start, spanStart, last));
}

} // namespace

PixelPoint KeepOnScreen(const PixelRect& window, const std::vector<PixelRect>& screens)
{
    const PixelPoint unchanged{window.left, window.top};
    const PixelRect* nearest = nullptr;
    Nearness best{std::numeric_limits<int64_t>::max(), 0};
    for (const PixelRect& screen : screens) {
        if (screen.width <= 0 || screen.height <= 0)
            continue;
        if (showsUsablePart(window, screen))
            return unchanged;
        const Nearness candidate = nearness(window, screen);
        if (!nearest || candidate < best) {
            nearest = &screen;
            best = candidate;
        }
    }
    if (!nearest)
        return unchanged;
    return {intoSpan(window.left, window.width, nearest->left, nearest->width),
            intoSpan(window.top, window.height, nearest->top, nearest->height)};
}

} // namespace launcher
