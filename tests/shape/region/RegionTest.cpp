#include "RegionChecks.h"

#include "shape/region/Region.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace quorvex::shape {
namespace {

using testing::isCanonical;
using Pixels = std::set<std::pair<int, int>>;

Pixels pixelsOf(const std::vector<Rect>& rects)
{
    Pixels pixels;
    for (const Rect& r : rects)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                pixels.insert({x, y});
    return pixels;
}

Pixels pixelsOf(const Region& region)
{
    return pixelsOf(region.rects());
}

std::vector<Rect> randomRects(std::mt19937& random, int count)
{
    std::uniform_int_distribution<int> coordinate(-10, 30);
    std::vector<Rect> rects;
    for (int i = 0; i < count; ++i) {
        const int x1 = coordinate(random), x2 = coordinate(random);
        const int y1 = coordinate(random), y2 = coordinate(random);
        rects.push_back(Rect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)});
    }
    return rects;
}

TEST(RegionTest, EmptyRegionHasZeroBoundingBoxAndNoRectangles)
{
    const Region empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.boundingBox(), Rect{});
    EXPECT_TRUE(empty.rects().empty());
    EXPECT_EQ(empty.area(), 0u);
    EXPECT_EQ(Region(Rect{5, 5, 5, 9}), empty);
    EXPECT_EQ(Region(Rect{5, 5, 2, 9}), empty);
}

TEST(RegionTest, EmptiedRegionsEqualTheEmptyRegion)
{
    // pixman leaves stale extents on a region emptied by an operation; two
    // empty regions must still compare equal and report no bounding box.
    Region disjoint(Rect{0, 0, 5, 5});
    disjoint.combine(Region(Rect{10, 10, 20, 20}), CombineMode::Intersect);
    Region cancelled(Rect{3, 3, 9, 9});
    cancelled.combine(Region(Rect{3, 3, 9, 9}), CombineMode::Xor);
    Region subtracted(Rect{-4, -4, 4, 4});
    subtracted.combine(Region(Rect{-8, -8, 8, 8}), CombineMode::Difference);
    for (const Region* r : {&disjoint, &cancelled, &subtracted}) {
        EXPECT_EQ(*r, Region());
        EXPECT_EQ(r->boundingBox(), Rect{});
    }
    EXPECT_EQ(disjoint, cancelled);
    EXPECT_NE(disjoint, Region(Rect{0, 0, 1, 1}));
}

TEST(RegionTest, FromRectsIsTheUnionInCanonicalForm)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const std::vector<Rect> rects = randomRects(random, 1 + round % 9);
        const Region region = Region::fromRects(rects);
        ASSERT_TRUE(isCanonical(region)) << testing::describeRegion(region);
        ASSERT_EQ(pixelsOf(region), pixelsOf(rects));
        EXPECT_EQ(region.area(), pixelsOf(rects).size());
    }
}

TEST(RegionTest, CombineModesMatchPixelSetsAndAreasAddUp)
{
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        const Region a = Region::fromRects(randomRects(random, 1 + round % 5));
        const Region b = Region::fromRects(randomRects(random, 1 + round % 7));
        const Pixels pa = pixelsOf(a);
        const Pixels pb = pixelsOf(b);

        Region both = a, either = a, oneOf = a, onlyA = a, copied = a;
        both.combine(b, CombineMode::Intersect);
        either.combine(b, CombineMode::Union);
        oneOf.combine(b, CombineMode::Xor);
        onlyA.combine(b, CombineMode::Difference);
        copied.combine(b, CombineMode::Copy);

        Pixels expectBoth, expectEither = pa, expectOneOf, expectOnlyA;
        for (const auto& p : pa) {
            if (pb.count(p))
                expectBoth.insert(p);
            else {
                expectOnlyA.insert(p);
                expectOneOf.insert(p);
            }
        }
        for (const auto& p : pb) {
            expectEither.insert(p);
            if (!pa.count(p))
                expectOneOf.insert(p);
        }
        EXPECT_EQ(pixelsOf(both), expectBoth);
        EXPECT_EQ(pixelsOf(either), expectEither);
        EXPECT_EQ(pixelsOf(oneOf), expectOneOf);
        EXPECT_EQ(pixelsOf(onlyA), expectOnlyA);
        EXPECT_EQ(copied, b);
        for (const Region* r : {&both, &either, &oneOf, &onlyA})
            EXPECT_TRUE(isCanonical(*r)) << testing::describeRegion(*r);

        EXPECT_EQ(either.area() + both.area(), a.area() + b.area());
        EXPECT_EQ(oneOf.area(), either.area() - both.area());
    }
}

TEST(RegionTest, CopiesAreIndependentAndMovesLeaveEmpty)
{
    Region original(Rect{0, 0, 10, 10});
    Region copy = original;
    copy.combine(Region(Rect{5, 5, 20, 20}), CombineMode::Union);
    EXPECT_EQ(original, Region(Rect{0, 0, 10, 10}));
    EXPECT_NE(copy, original);

    Region moved = std::move(copy);
    EXPECT_EQ(moved.area(), 100u + 225u - 25u);
    EXPECT_TRUE(copy.isEmpty()); // NOLINT(bugprone-use-after-move): moved-from state is specified

    Region assigned;
    assigned = moved;
    EXPECT_EQ(assigned, moved);
    assigned = std::move(moved);
    EXPECT_EQ(assigned.area(), 300u);
}

// Reference: a pixel is in the ellipse when its centre is strictly inside.
Pixels ellipseByPixelCentres(const Rect& box)
{
    Pixels pixels;
    const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
    const double a = (box.right - box.left) / 2.0, b = (box.bottom - box.top) / 2.0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            const double dx = (x + 0.5 - cx) / a, dy = (y + 0.5 - cy) / b;
            if (dx * dx + dy * dy < 1.0)
                pixels.insert({x, y});
        }
    return pixels;
}

TEST(RegionTest, EllipseCoversThePixelsWhoseCentresAreInside)
{
    const std::vector<Rect> boxes = {
        {0, 0, 1, 1},     {0, 0, 2, 2},     {0, 0, 3, 3},     {0, 0, 100, 100}, {0, 0, 101, 37},
        {-20, -7, 13, 9}, {10, 10, 11, 60}, {0, 0, 60, 1},    {-3, -3, 4, 4},   {5, 0, 6, 2},
    };
    for (const Rect& box : boxes) {
        const Region region = Region::ellipse(box);
        EXPECT_EQ(pixelsOf(region), ellipseByPixelCentres(box)) << box.left << "," << box.top << "," << box.right
                                                                << "," << box.bottom;
        EXPECT_TRUE(isCanonical(region));
    }
    std::mt19937 random(3);
    std::uniform_int_distribution<int> coordinate(-40, 40);
    for (int i = 0; i < 200; ++i) {
        const int x1 = coordinate(random), x2 = coordinate(random), y1 = coordinate(random), y2 = coordinate(random);
        const Rect box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
        ASSERT_EQ(pixelsOf(Region::ellipse(box)), ellipseByPixelCentres(box));
    }
}

TEST(RegionTest, EllipseNormalisesSwappedBoxesAndRejectsEmptyOnes)
{
    EXPECT_EQ(Region::ellipse(Rect{20, 30, 0, 0}), Region::ellipse(Rect{0, 0, 20, 30}));
    EXPECT_TRUE(Region::ellipse(Rect{0, 0, 0, 50}).isEmpty());
    EXPECT_TRUE(Region::ellipse(Rect{4, 4, 9, 4}).isEmpty());
}

TEST(RegionTest, HugeEllipseIsClippedNotScannedInFull)
{
    const int big = 1 << 30;
    const Region region = Region::ellipse(Rect{-big, -big, big, big});
    EXPECT_TRUE(region.contains(0, 0));
    EXPECT_TRUE(region.contains(65535, -65536));
    EXPECT_FALSE(region.contains(65536, 0));
    EXPECT_TRUE(isCanonical(region));
}

TEST(RegionTest, ContainsAndTranslate)
{
    Region region(Rect{0, 0, 4, 4});
    region.combine(Region(Rect{1, 1, 3, 3}), CombineMode::Xor);
    EXPECT_TRUE(region.contains(0, 0));
    EXPECT_FALSE(region.contains(1, 1));
    EXPECT_FALSE(region.contains(4, 0));
    region.translate(10, -5);
    EXPECT_EQ(region.boundingBox(), (Rect{10, -5, 14, -1}));
    EXPECT_FALSE(region.contains(11, -4));
    EXPECT_EQ(region.area(), 12u);
}

} // namespace
} // namespace quorvex::shape
