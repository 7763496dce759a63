#include "shape/region/ShapeRegion.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <numbers>
#include <vector>

namespace quorvex::shape {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Combining reads both rectangle lists and writes at most as many.
void combineWithin(WorkBudget& budget, Region& into, const Region& other, CombineMode mode)
{
    budget.spend(into.rectCount() + other.rectCount());
    into.combine(other, mode);
}

Point scaledPoint(double x, double y, double scaleX, double scaleY)
{
    return Point{TruncateCoordinate(scaleX * x), TruncateCoordinate(scaleY * y)};
}

// The part of an arc's circle cut off by its chord, as the circle (scaled to
// an ellipse) intersected with a polygon that runs from the arc's start out
// to the bounding corners of every quadrant the arc passes and back to its
// end. The corners lie 50 units beyond the radius, so the polygon always
// encloses the arc itself.
Region arcCap(const ShapeRecord& arc, const Region& circle, double scaleX, double scaleY, const Rect& clip,
              WorkBudget& budget)
{
    std::vector<Point> outline;
    outline.push_back(scaledPoint(arc.startX, arc.startY, scaleX, scaleY));

    int quadrant;
    if (arc.startX > arc.centreX)
        quadrant = arc.startY > arc.centreY ? 0 : 3;
    else
        quadrant = arc.startY > arc.centreY ? 1 : 2;
    static constexpr int kCornerX[4] = {+1, -1, -1, +1};
    static constexpr int kCornerY[4] = {+1, +1, -1, -1};
    const double cornerDistance = arc.radius + 50.0;

    const int direction = arc.sweep < 0 ? -1 : 1;
    const double step = std::numbers::pi * 0.5 * direction;
    double turned = 0.0;
    do {
        outline.push_back(Point{
            TruncateCoordinate((cornerDistance * kCornerX[quadrant] + arc.centreX) * scaleX),
            TruncateCoordinate((cornerDistance * kCornerY[quadrant] + arc.centreY) * scaleY)});
        turned += step;
        quadrant = (quadrant + direction + 4) % 4;
    } while (outline.size() < 5 && ((direction > 0 && turned <= arc.sweep) || (direction < 0 && turned >= arc.sweep)));
    outline.push_back(scaledPoint(arc.endX, arc.endY, scaleX, scaleY));

    Region cap = Region::polygon(outline, FillRule::Winding, clip, &budget);
    combineWithin(budget, cap, circle, CombineMode::Intersect);
    return cap;
}

std::optional<Region> figureRegion(std::span<const ShapeRecord> records, FillRule rule, double scaleX,
                                   double scaleY, const Rect& clip, WorkBudget& budget)
{
    budget.spend(records.size());
    std::vector<Point> vertices;
    vertices.reserve(records.size());
    for (const ShapeRecord& record : records) {
        const Point vertex = scaledPoint(record.startX, record.startY, scaleX, scaleY);
        if (vertices.empty() || vertex != vertices.back())
            vertices.push_back(vertex);
    }

    // A single vertex makes no outline at all, which is not the same as an
    // outline without area: the figure is left out rather than made empty.
    std::optional<Region> figure;
    if (vertices.size() >= 2)
        figure = Region::polygon(vertices, rule, clip, &budget);

    const CombineMode pieceMode = rule == FillRule::Winding ? CombineMode::Union : CombineMode::Xor;
    for (const ShapeRecord& record : records) {
        if (record.kind != ShapeRecordKind::Arc)
            continue;
        const Region circle = Region::ellipse(
            Rect{TruncateCoordinate(scaleX * (record.centreX - record.radius)),
                 TruncateCoordinate(scaleY * (record.centreY - record.radius)),
                 TruncateCoordinate(scaleX * (record.centreX + record.radius)),
                 TruncateCoordinate(scaleY * (record.centreY + record.radius))},
            clip, &budget);
        const bool fullTurn = record.sweep >= kTwoPi || record.sweep <= -kTwoPi;
        Region piece = fullTurn ? circle : arcCap(record, circle, scaleX, scaleY, clip, budget);
        if (!figure)
            figure = std::move(piece);
        else
            combineWithin(budget, *figure, piece, pieceMode);
    }
    return figure;
}

} // namespace

std::int32_t TruncateCoordinate(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= kCoordinateLimit)
        return kCoordinateLimit;
    if (value <= -kCoordinateLimit)
        return -kCoordinateLimit;
    return static_cast<std::int32_t>(value); // truncates towards zero
}

RasterLimits RasterLimitsForWindow(std::int64_t width, std::int64_t height)
{
    auto within = [](std::int64_t value, std::int32_t low, std::int32_t high) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, low, high));
    };
    const Rect& canvas = kRasterCanvas;
    return RasterLimits{Rect{within(-kWindowMargin, canvas.left, canvas.right),
                             within(-kWindowMargin, canvas.top, canvas.bottom),
                             within(std::max<std::int64_t>(width, 0) + kWindowMargin, canvas.left, canvas.right),
                             within(std::max<std::int64_t>(height, 0) + kWindowMargin, canvas.top, canvas.bottom)}};
}

std::optional<Region> BuildFigureRegion(std::span<const ShapeRecord> records, FillRule rule,
                                        double scaleX, double scaleY, const RasterLimits& limits)
{
    // A figure too large for the memory there is counts as no figure, and the
    // rest of the shape is still built.
    try {
        WorkBudget budget(limits.work);
        return figureRegion(records, rule, scaleX, scaleY, limits.clip, budget);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    } catch (const WorkBudgetExceeded&) {
        return std::nullopt;
    }
}

std::optional<Region> BuildShapeRegion(const ParsedShape& shape, double scaleX, double scaleY,
                                       FillRule rule, CombineMode mode, const RasterLimits& limits)
{
    WorkBudget budget(limits.work);
    std::optional<Region> result;
    try {
        for (std::size_t i = 0; i < shape.figureCount(); ++i) {
            const std::size_t begin = shape.figureBegin(i);
            const std::size_t end = shape.figureEnd(i);
            if (begin >= end || end > shape.records.size())
                continue;
            std::optional<Region> figure;
            try {
                figure = figureRegion(std::span<const ShapeRecord>(shape.records).subspan(begin, end - begin), rule,
                                      scaleX, scaleY, limits.clip, budget);
            } catch (const std::bad_alloc&) {
                continue;
            }
            if (!figure)
                continue;
            if (!result)
                result = std::move(figure);
            else
                combineWithin(budget, *result, *figure, mode);
        }
    } catch (const WorkBudgetExceeded&) {
        return std::nullopt;
    }
    return result;
}

void ScaleRegion(Region& region, std::int32_t offsetX, std::int32_t offsetY, double scaleX,
                 double scaleY)
{
    const Rect box = region.boundingBox();
    std::vector<Rect> scaled;
    scaled.reserve(region.rectCount());
    for (const Rect& r : region.rects()) {
        const double left = (double(r.left) - box.left + offsetX) * scaleX;
        const double top = (double(r.top) - box.top + offsetY) * scaleY;
        const double right = left + double(r.width()) * scaleX;
        const double bottom = top + double(r.height()) * scaleY;
        std::int32_t x1 = TruncateCoordinate(left);
        std::int32_t y1 = TruncateCoordinate(top);
        std::int32_t x2 = TruncateCoordinate(right);
        std::int32_t y2 = TruncateCoordinate(bottom);
        if (x2 < x1)
            std::swap(x1, x2);
        if (y2 < y1)
            std::swap(y1, y2);
        scaled.push_back(Rect{x1, y1, x2, y2});
    }
    region = Region::fromRects(scaled);
}

std::optional<Region> CopyRegion(const std::optional<Region>& source)
{
    return source;
}

} // namespace quorvex::shape
