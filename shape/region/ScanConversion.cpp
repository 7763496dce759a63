// Polygon and ellipse scan conversion into banded regions.
//
// Polygons follow the X11 rasteriser exactly. For every scan line y, each
// non-horizontal edge whose vertical extent [top, bottom) holds y crosses it at
// ceil(exact x intercept at y). Sorting the crossings, a pixel x is inside when
// the crossings at or left of x count odd (even-odd) or carry a non-zero sum
// of directions (winding). The ceiling is kept incrementally per edge as an
// integer plus a remainder, so no scan line divides.
//
// Ellipses use the pixel-centre rule, evaluated in doubled integer coordinates
// so that centres and half axes are integers and the test is exact.
//
// Only pixels inside the caller's clip are ever covered (at most
// kRasterCanvas), so absurd figures (a radius of a billion) never scan a
// billion rows, and the cost of a figure is bounded by the window it shapes.

#include "shape/region/BandBuilder.h"
#include "shape/region/Region.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

namespace quorvex::shape {

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

struct Edge {
    std::int64_t topY;
    std::int64_t bottomY; // exclusive
    std::int64_t dy;      // > 0
    std::int64_t stepWhole;
    std::int64_t stepRemainder; // in [0, dy)
    std::int64_t x;             // ceil of the intercept on the current scan line
    std::int64_t remainder;     // x * dy - exact numerator, in [0, dy)
    std::int32_t direction;     // +1 downwards, -1 upwards

    void startAt(std::int64_t y, std::int64_t topX, std::int64_t dx)
    {
        // Numerator of the intercept relative to topX: (y - topY) * dx / dy.
        const std::int64_t numerator = (y - topY) * dx;
        const std::int64_t q = -floorDiv(-numerator, dy); // ceil
        x = topX + q;
        remainder = q * dy - numerator;
    }

    void advance()
    {
        // Branch-free: whether the remainder wraps is data-dependent and
        // mispredicts on about every other slanted edge.
        const std::int64_t r = remainder - stepRemainder;
        const std::int64_t wrapped = r >> 63; // -1 when r < 0
        remainder = r + (dy & wrapped);
        x += stepWhole - wrapped;
    }
};

} // namespace

Region Region::polygon(std::span<const Point> points, FillRule rule, const Rect& clip, WorkBudget* budget)
{
    const std::size_t n = points.size();
    if (n < 3 || clip.isEmpty())
        return Region();

    std::int64_t minY = INT64_MAX;
    std::int64_t maxY = INT64_MIN;
    struct PendingEdge {
        Edge edge;
        std::int64_t topX;
        std::int64_t dx;
    };
    std::vector<PendingEdge> pending;
    pending.reserve(n);
    auto clamped = [](Point p) {
        p.x = std::clamp(p.x, -kCoordinateLimit, kCoordinateLimit);
        p.y = std::clamp(p.y, -kCoordinateLimit, kCoordinateLimit);
        return p;
    };
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = clamped(points[i]);
        const Point b = clamped(points[(i + 1) % n]);
        if (a.y == b.y)
            continue;
        const Point& top = a.y < b.y ? a : b;
        const Point& bottom = a.y < b.y ? b : a;
        Edge edge{};
        edge.topY = top.y;
        edge.bottomY = bottom.y;
        edge.dy = std::int64_t(bottom.y) - top.y;
        const std::int64_t dx = std::int64_t(bottom.x) - top.x;
        edge.stepWhole = floorDiv(dx, edge.dy);
        edge.stepRemainder = dx - edge.stepWhole * edge.dy;
        edge.direction = a.y < b.y ? 1 : -1;
        pending.push_back(PendingEdge{edge, top.x, dx});
        minY = std::min(minY, edge.topY);
        maxY = std::max(maxY, edge.bottomY);
    }
    if (pending.empty())
        return Region();

    const std::int64_t clipTop = clip.top;
    const std::int64_t firstRow = std::max(minY, clipTop);
    const std::int64_t endRow = std::min<std::int64_t>(maxY, clip.bottom);
    std::sort(pending.begin(), pending.end(), [clipTop](const PendingEdge& a, const PendingEdge& b) {
        return std::max(a.edge.topY, clipTop) < std::max(b.edge.topY, clipTop);
    });

    // Active edges stay sorted by their crossing; from one scan line to the
    // next the order changes only where edges cross, so insertion sort does
    // linear work.
    std::vector<Edge> active;
    std::vector<BandBuilder::Span> spans;
    BandBuilder bands;
    std::size_t nextPending = 0;
    std::int64_t nextEnd = INT64_MAX; // the first row on which an active edge has ended

    for (std::int64_t y = firstRow; y < endRow; ++y) {
        if (y >= nextEnd) {
            std::erase_if(active, [y](const Edge& e) { return e.bottomY <= y; });
            nextEnd = INT64_MAX;
            for (const Edge& e : active)
                nextEnd = std::min(nextEnd, e.bottomY);
        }
        // Edges carried over from the last scan line are still nearly in
        // order: insertion sort moves each only past the edges it crossed.
        // Every move is paid for before it is made, so a polygon whose edges
        // all cross on one line cannot stall here.
        if (budget)
            budget->spend(1 + active.size());
        for (std::size_t i = 1; i < active.size(); ++i) {
            if (active[i - 1].x <= active[i].x)
                continue;
            const Edge e = active[i];
            std::size_t j = i;
            while (j > 0 && active[j - 1].x > e.x) {
                active[j] = active[j - 1];
                --j;
            }
            active[j] = e;
            if (budget)
                budget->spend(i - j);
        }
        // Edges that start here come in any order: sorted on their own, then
        // merged in.
        const std::size_t carried = active.size();
        while (nextPending < pending.size() && std::max(pending[nextPending].edge.topY, clipTop) <= y) {
            PendingEdge& p = pending[nextPending++];
            if (p.edge.bottomY <= y)
                continue;
            p.edge.startAt(y, p.topX, p.dx);
            active.push_back(p.edge);
            nextEnd = std::min(nextEnd, p.edge.bottomY);
        }
        if (active.size() > carried) {
            const std::size_t added = active.size() - carried;
            if (budget)
                budget->spend(active.size() + added * std::bit_width(added));
            const auto byCrossing = [](const Edge& a, const Edge& b) { return a.x < b.x; };
            const auto firstAdded = active.begin() + static_cast<std::ptrdiff_t>(carried);
            std::sort(firstAdded, active.end(), byCrossing);
            if (carried > 0 && active[carried - 1].x > active[carried].x)
                std::inplace_merge(active.begin(), firstAdded, active.end(), byCrossing);
        }

        spans.clear();
        std::int32_t count = 0;
        std::int64_t spanStart = 0;
        for (const Edge& e : active) {
            const std::int64_t x = std::clamp<std::int64_t>(e.x, clip.left, clip.right);
            const bool wasInside = rule == FillRule::Alternate ? (count & 1) != 0 : count != 0;
            count += rule == FillRule::Alternate ? 1 : e.direction;
            const bool isInside = rule == FillRule::Alternate ? (count & 1) != 0 : count != 0;
            if (!wasInside && isInside) {
                spanStart = x;
            } else if (wasInside && !isInside && x > spanStart) {
                const auto left = static_cast<std::int32_t>(spanStart);
                const auto right = static_cast<std::int32_t>(x);
                if (!spans.empty() && spans.back().right == left)
                    spans.back().right = right;
                else
                    spans.push_back(BandBuilder::Span{left, right});
            }
        }
        bands.addRow(static_cast<std::int32_t>(y), spans);

        bool allVertical = true;
        for (Edge& e : active) {
            e.advance();
            allVertical = allVertical && e.stepWhole == 0 && e.stepRemainder == 0;
        }
        // With only vertical edges active, the rows that follow repeat this
        // one until an edge ends or starts: a rectangle costs one scan line,
        // not one per row.
        if (allVertical) {
            std::int64_t next = std::min(nextEnd, endRow);
            if (nextPending < pending.size())
                next = std::min(next, std::max(pending[nextPending].edge.topY, clipTop));
            if (next > y + 1) {
                bands.repeatLastRow(static_cast<std::int32_t>(next - y - 1));
                y = next - 1;
            }
        }
    }
    return fromBandedRects(bands.finish());
}

Region Region::ellipse(const Rect& box, const Rect& clip, WorkBudget* budget)
{
    const std::int64_t left = std::clamp<std::int64_t>(std::min(box.left, box.right), -kCoordinateLimit, kCoordinateLimit);
    const std::int64_t right = std::clamp<std::int64_t>(std::max(box.left, box.right), -kCoordinateLimit, kCoordinateLimit);
    const std::int64_t top = std::clamp<std::int64_t>(std::min(box.top, box.bottom), -kCoordinateLimit, kCoordinateLimit);
    const std::int64_t bottom = std::clamp<std::int64_t>(std::max(box.top, box.bottom), -kCoordinateLimit, kCoordinateLimit);
    if (right <= left || bottom <= top || clip.isEmpty())
        return Region();

    // In doubled coordinates the centre is (sumX, sumY), the pixel centre of
    // (x, y) is (2x + 1, 2y + 1) and the half axes are a and b. A pixel is
    // inside when X^2 b^2 + Y^2 a^2 < a^2 b^2 with X, Y its offsets.
    using Wide = __int128;
    const std::int64_t sumX = left + right;
    const std::int64_t sumY = top + bottom;
    const Wide a = right - left;
    const Wide b = bottom - top;
    const Wide a2 = a * a;
    const Wide b2 = b * b;

    const std::int64_t firstRow = std::max<std::int64_t>(top, clip.top);
    const std::int64_t endRow = std::min<std::int64_t>(bottom, clip.bottom);
    if (budget && endRow > firstRow)
        budget->spend(static_cast<std::uint64_t>(endRow - firstRow));
    // Row y and row sumY - 1 - y lie at the same distance from the centre
    // and have the same span: the lower half reuses the upper one's.
    std::vector<BandBuilder::Span> rowSpans(static_cast<std::size_t>(std::max<std::int64_t>(endRow - firstRow, 0)));
    BandBuilder bands;
    for (std::int64_t y = firstRow; y < endRow; ++y) {
        BandBuilder::Span& span = rowSpans[static_cast<std::size_t>(y - firstRow)];
        const std::int64_t mirror = sumY - 1 - y;
        if (mirror < y && mirror >= firstRow) {
            span = rowSpans[static_cast<std::size_t>(mirror - firstRow)];
        } else {
            span = BandBuilder::Span{0, 0};
            const Wide offsetY = 2 * y + 1 - sumY;
            const Wide room = a2 * (b2 - offsetY * offsetY); // X^2 b^2 must stay below this
            auto inside = [&](std::int64_t x) {
                const Wide offsetX = 2 * x + 1 - sumX;
                return offsetX * offsetX * b2 < room;
            };
            const std::int64_t centre = floorDiv(sumX - 1, 2);
            if (room > 0 && inside(centre)) {
                const double halfWidth = std::sqrt(static_cast<double>(room)) / static_cast<double>(b);
                std::int64_t last = static_cast<std::int64_t>(std::floor((static_cast<double>(sumX) - 1 + halfWidth) / 2));
                last = std::clamp(last, centre, right);
                while (last + 1 < right && inside(last + 1))
                    ++last;
                while (last > centre && !inside(last))
                    --last;
                const std::int64_t first = sumX - 1 - last; // mirror image of `last`
                const std::int64_t spanLeft = std::clamp<std::int64_t>(first, clip.left, clip.right);
                const std::int64_t spanRight = std::clamp<std::int64_t>(last + 1, clip.left, clip.right);
                if (spanRight > spanLeft)
                    span = BandBuilder::Span{static_cast<std::int32_t>(spanLeft), static_cast<std::int32_t>(spanRight)};
            }
        }
        bands.addRow(static_cast<std::int32_t>(y), &span, span.right > span.left ? 1 : 0);
    }
    return fromBandedRects(bands.finish());
}

} // namespace quorvex::shape
