#include "RegionChecks.h"

#include <algorithm>
#include <vector>

namespace quorvex::shape::testing {

bool isCanonical(const Region& region)
{
    const std::vector<Rect> rects = region.rects();
    const Rect box = region.boundingBox();
    if (rects.empty())
        return box == Rect{};
    Rect hull{rects[0].left, rects[0].top, rects[0].right, rects[0].bottom};
    std::size_t bandStart = 0;
    std::size_t previousBandStart = 0;
    bool havePreviousBand = false;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const Rect& r = rects[i];
        if (r.isEmpty())
            return false;
        if (r.left < box.left || r.right > box.right || r.top < box.top || r.bottom > box.bottom)
            return false;
        hull.left = std::min(hull.left, r.left);
        hull.right = std::max(hull.right, r.right);
        hull.bottom = std::max(hull.bottom, r.bottom);
        if (i == 0)
            continue;
        const Rect& p = rects[i - 1];
        if (r.top == p.top) {
            if (r.bottom != p.bottom || r.left <= p.right)
                return false;
            continue;
        }
        if (r.top < p.bottom)
            return false;
        // A band ended at i - 1: compare it with the band before it when the
        // two touch vertically and carry the same spans.
        if (havePreviousBand && rects[previousBandStart].bottom == rects[bandStart].top) {
            const std::size_t lengthA = bandStart - previousBandStart;
            const std::size_t lengthB = i - bandStart;
            if (lengthA == lengthB
                && std::equal(rects.begin() + std::ptrdiff_t(previousBandStart), rects.begin() + std::ptrdiff_t(bandStart),
                              rects.begin() + std::ptrdiff_t(bandStart),
                              [](const Rect& a, const Rect& b) { return a.left == b.left && a.right == b.right; }))
                return false;
        }
        previousBandStart = bandStart;
        havePreviousBand = true;
        bandStart = i;
    }
    if (havePreviousBand && rects[previousBandStart].bottom == rects[bandStart].top) {
        const std::size_t lengthA = bandStart - previousBandStart;
        const std::size_t lengthB = rects.size() - bandStart;
        if (lengthA == lengthB
            && std::equal(rects.begin() + std::ptrdiff_t(previousBandStart), rects.begin() + std::ptrdiff_t(bandStart),
                          rects.begin() + std::ptrdiff_t(bandStart),
                          [](const Rect& a, const Rect& b) { return a.left == b.left && a.right == b.right; }))
            return false;
    }
    return hull == box;
}

std::string describeRegion(const Region& region)
{
    std::string text;
    for (const Rect& r : region.rects())
        text += "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + ","
                + std::to_string(r.bottom) + ")";
    return text.empty() ? "(empty)" : text;
}

bool samePixels(const Region& a, const Region& b)
{
    const Rect boxA = a.boundingBox();
    const Rect boxB = b.boundingBox();
    const int left = std::min(boxA.left, boxB.left);
    const int top = std::min(boxA.top, boxB.top);
    const int right = std::max(boxA.right, boxB.right);
    const int bottom = std::max(boxA.bottom, boxB.bottom);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (a.contains(x, y) != b.contains(x, y))
                return false;
    return true;
}

} // namespace quorvex::shape::testing
