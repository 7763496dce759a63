#include "X11PolygonReference.h"
#include "RegionChecks.h"

#include "shape/region/Region.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace quorvex::shape {
namespace {

using testing::x11PolygonRegion;

std::string describe(const std::vector<Point>& points)
{
    std::string text;
    for (const Point& p : points)
        text += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    return text;
}

struct RandomPolygonCase {
    const char* name;
    int minVertices;
    int maxVertices;
    int coordinateMin;
    int coordinateMax;
    int count;
};

class PolygonMatchesX11 : public ::testing::TestWithParam<RandomPolygonCase> {};

TEST_P(PolygonMatchesX11, OnRandomPolygons)
{
    const RandomPolygonCase& c = GetParam();
    std::mt19937 random(20261208u + static_cast<unsigned>(c.maxVertices * 7 + c.coordinateMax));
    std::uniform_int_distribution<int> vertexCount(c.minVertices, c.maxVertices);
    std::uniform_int_distribution<int> coordinate(c.coordinateMin, c.coordinateMax);
    for (int i = 0; i < c.count; ++i) {
        std::vector<Point> points(static_cast<std::size_t>(vertexCount(random)));
        for (Point& p : points)
            p = Point{coordinate(random), coordinate(random)};
        for (FillRule rule : {FillRule::Alternate, FillRule::Winding}) {
            const Region ours = Region::polygon(points, rule);
            const Region theirs = x11PolygonRegion(points, rule);
            ASSERT_EQ(ours, theirs) << "rule " << int(rule) << " polygon " << describe(points)
                                    << "\nours:   " << testing::describeRegion(ours)
                                    << "\ntheirs: " << testing::describeRegion(theirs);
            EXPECT_TRUE(testing::isCanonical(ours)) << describe(points);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, PolygonMatchesX11,
    ::testing::Values(
        RandomPolygonCase{"Triangles", 3, 3, 0, 40, 200},
        RandomPolygonCase{"SmallTangles", 4, 12, -20, 20, 200},
        RandomPolygonCase{"SteepAndFlat", 3, 8, -3, 200, 100},
        RandomPolygonCase{"ManyVertices", 30, 80, -100, 100, 60},
        RandomPolygonCase{"Large", 3, 10, -2000, 2000, 40}),
    [](const auto& info) { return std::string(info.param.name); });

// Degenerate and special outlines where rasterisers commonly disagree.
TEST(PolygonTest, SpecialOutlinesMatchX11)
{
    const std::vector<std::vector<Point>> outlines = {
        {{0, 0}, {100, 0}, {100, 100}, {0, 100}},                   // axis-aligned rectangle
        {{0, 0}, {0, 100}, {100, 100}, {100, 0}},                   // the same, other way round
        {{0, 0}, {10, 10}},                                         // two points
        {{5, 5}, {5, 5}, {5, 5}},                                   // one point thrice
        {{0, 0}, {10, 0}, {20, 0}},                                 // collinear
        {{0, 0}, {10, 10}, {20, 20}, {10, 10}},                     // back on itself
        {{0, 0}, {10, 0}, {0, 10}, {10, 10}},                       // bow tie
        {{0, 0}, {30, 0}, {30, 30}, {0, 30}, {0, 0}, {10, 10}, {20, 10}, {20, 20}, {10, 20}, {10, 10}}, // keyhole
        {{50, 0}, {61, 35}, {98, 35}, {68, 57}, {79, 91}, {50, 70}, {21, 91}, {32, 57}, {2, 35}, {39, 35}}, // star
        {{50, 0}, {79, 91}, {2, 35}, {98, 35}, {21, 91}},            // self-crossing pentagram
        {{-30, -40}, {-5, -60}, {-1, -2}},                          // negative coordinates
        {{0, 0}, {1, 0}, {1, 1}},                                   // one pixel's worth
        {{0, 0}, {1000, 1}, {0, 2}},                                // very flat
        {{0, 0}, {1, 1000}, {2, 0}},                                // very steep
    };
    for (const auto& outline : outlines) {
        for (FillRule rule : {FillRule::Alternate, FillRule::Winding}) {
            EXPECT_EQ(Region::polygon(outline, rule), x11PolygonRegion(outline, rule))
                << "rule " << int(rule) << " polygon " << describe(outline);
        }
    }
}

TEST(PolygonTest, SquareCoversExactlyItsRectangle)
{
    const std::vector<Point> square = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};
    const Region region = Region::polygon(square, FillRule::Alternate);
    ASSERT_EQ(region.rects(), (std::vector<Rect>{{0, 0, 100, 100}}));
}

TEST(PolygonTest, FillRulesDifferOnlyWhereTheOutlineWindsTwice)
{
    // A square traced twice in the same direction: even-odd cancels, winding fills.
    const std::vector<Point> twice = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0},
                                      {10, 0}, {10, 10}, {0, 10}};
    EXPECT_TRUE(Region::polygon(twice, FillRule::Alternate).isEmpty());
    EXPECT_EQ(Region::polygon(twice, FillRule::Winding), Region(Rect{0, 0, 10, 10}));
}

TEST(PolygonTest, AbsurdCoordinatesStayBoundedAndDoNotOverflow)
{
    // A triangle far larger than any window: only the rasterised range is
    // covered, and the part near the origin is still correct.
    const std::vector<Point> huge = {{-2000000000, -2000000000}, {2000000000, -2000000000}, {0, 2000000000}};
    const Region region = Region::polygon(huge, FillRule::Alternate);
    EXPECT_TRUE(region.contains(0, 0));
    EXPECT_TRUE(region.contains(-1000, -1000));
    const Rect box = region.boundingBox();
    EXPECT_GE(box.left, -65536);
    EXPECT_LE(box.right, 65536);
    EXPECT_TRUE(testing::isCanonical(region));
}

} // namespace
} // namespace quorvex::shape
