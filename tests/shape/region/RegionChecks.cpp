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

    struct Band {
        int top, bottom;
        std::vector<std::pair<int, int>> spans;
    };
    std::vector<Band> bands;
    Rect hull = rects.front();
    for (const Rect& r : rects) {
        if (r.isEmpty())
            return false;
        hull = Rect{std::min(hull.left, r.left), std::min(hull.top, r.top), std::max(hull.right, r.right),
                    std::max(hull.bottom, r.bottom)};
        if (bands.empty() || r.top != bands.back().top) {
            if (!bands.empty() && r.top < bands.back().bottom)
                return false; // bands overlap or are out of order
            bands.push_back(Band{r.top, r.bottom, {}});
        } else if (r.bottom != bands.back().bottom || r.left <= bands.back().spans.back().second) {
            return false; // ragged band, or spans touching, overlapping or unsorted
        }
        bands.back().spans.push_back({r.left, r.right});
    }
    for (std::size_t i = 1; i < bands.size(); ++i)
        if (bands[i - 1].bottom == bands[i].top && bands[i - 1].spans == bands[i].spans)
            return false; // should have been one band
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
