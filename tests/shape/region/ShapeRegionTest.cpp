#include "RegionChecks.h"

#include "shape/region/ShapeRegion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace quorvex::shape {
namespace {

std::optional<Region> shapeRegion(const std::string& text, double scaleX = 1.0, double scaleY = 1.0)
{
    ParsedShape shape;
    shape.text = text;
    ParseShapeString(shape);
    return BuildShapeRegion(shape, scaleX, scaleY, FillRule::Alternate, CombineMode::Xor);
}

Region rect(int left, int top, int right, int bottom)
{
    return Region(Rect{left, top, right, bottom});
}

Region combined(Region a, const Region& b, CombineMode mode)
{
    a.combine(b, mode);
    return a;
}

TEST(ShapeRegionTest, SquareIsExactlyItsRectangle)
{
    const std::optional<Region> region = shapeRegion("{(0,0)(100,0)(100,100)(0,100)}");
    ASSERT_TRUE(region);
    EXPECT_EQ(region->rects(), (std::vector<Rect>{{0, 0, 100, 100}}));
}

TEST(ShapeRegionTest, FullTurnGivesTheWholeDisc)
{
    const std::optional<Region> region = shapeRegion("{(100,50)[50,50,360]}");
    ASSERT_TRUE(region);
    EXPECT_EQ(*region, Region::ellipse(Rect{0, 0, 100, 100}));
    EXPECT_TRUE(testing::isCanonical(*region));
}

TEST(ShapeRegionTest, InnerFigureCutsAHole)
{
    const std::optional<Region> region =
        shapeRegion("{(0,0)(200,0)(200,200)(0,200)}{(50,50)(150,50)(150,150)(50,150)}");
    ASSERT_TRUE(region);
    EXPECT_EQ(*region, combined(rect(0, 0, 200, 200), rect(50, 50, 150, 150), CombineMode::Difference));
}

TEST(ShapeRegionTest, OutwardArcAddsItsCap)
{
    const std::optional<Region> region = shapeRegion("{(0,0)(100,0)[100,50,180](0,100)}");
    ASSERT_TRUE(region);
    const Region cap = combined(Region::ellipse(Rect{50, 0, 150, 100}), rect(100, 0, 150, 100), CombineMode::Intersect);
    EXPECT_EQ(*region, combined(rect(0, 0, 100, 100), cap, CombineMode::Union));
}

TEST(ShapeRegionTest, InwardArcBitesItsCapOut)
{
    const std::optional<Region> region = shapeRegion("{(100,0)(0,0)(0,100)(100,100)[100,50,180]}");
    ASSERT_TRUE(region);
    const Region bite = combined(Region::ellipse(Rect{50, 0, 150, 100}), rect(0, 0, 100, 100), CombineMode::Intersect);
    EXPECT_EQ(*region, combined(rect(0, 0, 100, 100), bite, CombineMode::Difference));
}

TEST(ShapeRegionTest, ArcCapsStayInsideTheirCircleForEverySweep)
{
    // Whatever the sweep and direction, a cap is part of its circle and the
    // figure stays canonical.
    for (int degrees = -350; degrees <= 350; degrees += 25) {
        const std::string text = "{(60,20)[40,40," + std::to_string(degrees) + "]}";
        ParsedShape shape;
        shape.text = text;
        ParseShapeString(shape);
        ASSERT_EQ(shape.records.size(), 2u) << text;
        const std::optional<Region> figure = BuildFigureRegion(shape.records, FillRule::Winding, 1.0, 1.0);
        ASSERT_TRUE(figure) << text;
        EXPECT_TRUE(testing::isCanonical(*figure)) << text;
        // Under winding the chord polygon and the cap are united, so the
        // figure is the cap plus the two-vertex (empty) polygon: inside the disc.
        const Region outside = combined(*figure, Region::ellipse(Rect{11, 11, 68, 68}), CombineMode::Difference);
        EXPECT_TRUE(outside.isEmpty()) << text << " leaks " << testing::describeRegion(outside);
        if (std::abs(degrees) >= 90) {
            EXPECT_GE(figure->area(), 100u) << text;
        }
    }
}

TEST(ShapeRegionTest, FiguresThatAreSkippedGiveNoRegion)
{
    for (const char* text : {"", "no figures here", "{()(10,10)(20,20)}", "{(1,1)}", "{(5,5)(5,5)}"})
        EXPECT_FALSE(shapeRegion(text)) << '"' << text << '"';
}

TEST(ShapeRegionTest, OverlappingFiguresCancelWhereTheyOverlap)
{
    const std::optional<Region> region = shapeRegion("{(0,0)(10,0)(10,10)(0,10)}{(5,0)(15,0)(15,10)(5,10)}");
    ASSERT_TRUE(region);
    EXPECT_EQ(*region, combined(rect(0, 0, 5, 10), rect(10, 0, 15, 10), CombineMode::Union));
}

TEST(ShapeRegionTest, FiguresAreRasterisedAtTheScaleWithTruncation)
{
    EXPECT_EQ(*shapeRegion("{(0,0)(100,0)(100,50)(0,50)}", 3.0, 2.0), rect(0, 0, 300, 100));
    // 0.7 * 9 = 6.3 truncates to 6; -0.7 * 9 = -6.3 truncates to -6.
    EXPECT_EQ(*shapeRegion("{(0,0)(9,0)(9,9)(0,9)}", 0.7, 0.7), rect(0, 0, 6, 6));
    EXPECT_EQ(*shapeRegion("{(-9,-9)(0,-9)(0,0)(-9,0)}", 0.7, 0.7), rect(-6, -6, 0, 0));
}

TEST(ShapeRegionTest, NullFiguresAreSkippedAndTheRestCombined)
{
    // The middle figure collapses to one vertex and is left out.
    const std::optional<Region> region = shapeRegion("{(0,0)(4,0)(4,4)(0,4)}{(9,9)(9,9)}{(2,0)(6,0)(6,4)(2,4)}");
    ASSERT_TRUE(region);
    EXPECT_EQ(*region, combined(rect(0, 0, 2, 4), rect(4, 0, 6, 4), CombineMode::Union));
}

TEST(ShapeRegionTest, UnionModeAndWindingRule)
{
    ParsedShape shape;
    shape.text = "{(0,0)(10,0)(10,10)(0,10)}{(5,0)(15,0)(15,10)(5,10)}";
    ParseShapeString(shape);
    const std::optional<Region> region = BuildShapeRegion(shape, 1.0, 1.0, FillRule::Winding, CombineMode::Union);
    ASSERT_TRUE(region);
    EXPECT_EQ(*region, rect(0, 0, 15, 10));
}

TEST(ShapeRegionTest, ScaleRegionMovesToTheOffsetAndTruncates)
{
    // Opaque pixels from x = 10 to 99, doubled: from 0 to just before 180.
    Region region = rect(10, 5, 100, 25);
    ScaleRegion(region, 0, 0, 2.0, 2.0);
    EXPECT_EQ(region, rect(0, 0, 180, 40));

    Region holes = combined(rect(0, 0, 10, 10), rect(3, 3, 6, 6), CombineMode::Xor);
    ScaleRegion(holes, 4, 0, 1.5, 1.0);
    // Edges: (0+4)*1.5 = 6, (3+4)*1.5 = 10.5 -> 10, 10.5 + 3*1.5 = 15, 6 + 15 = 21.
    EXPECT_EQ(holes, combined(rect(6, 0, 21, 10), rect(10, 3, 15, 6), CombineMode::Xor));
}

TEST(ShapeRegionTest, ScaleRegionMirrorsNegativeFactorsInsteadOfDroppingThem)
{
    Region region = rect(0, 0, 10, 4);
    ScaleRegion(region, 0, 0, -1.0, 1.0);
    EXPECT_EQ(region, rect(-10, 0, 0, 4));
    Region empty;
    ScaleRegion(empty, 3, 3, 2.0, 2.0);
    EXPECT_TRUE(empty.isEmpty());
}

TEST(ShapeRegionTest, CopyRegionKeepsNullAndEmptyApart)
{
    EXPECT_FALSE(CopyRegion(std::nullopt));
    const std::optional<Region> empty = CopyRegion(Region());
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->isEmpty());
    std::optional<Region> original = rect(0, 0, 3, 3);
    std::optional<Region> copy = CopyRegion(original);
    original->combine(rect(0, 0, 9, 9), CombineMode::Union);
    EXPECT_EQ(*copy, rect(0, 0, 3, 3));
}

TEST(ShapeRegionTest, TruncateCoordinateTruncatesTowardsZeroAndSaturates)
{
    EXPECT_EQ(TruncateCoordinate(3.9), 3);
    EXPECT_EQ(TruncateCoordinate(-3.9), -3);
    EXPECT_EQ(TruncateCoordinate(-0.5), 0);
    EXPECT_EQ(TruncateCoordinate(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(TruncateCoordinate(1e300), kCoordinateLimit);
    EXPECT_EQ(TruncateCoordinate(-std::numeric_limits<double>::infinity()), -kCoordinateLimit);
}

TEST(ShapeRegionTest, AbsurdNumbersGiveABoundedRegion)
{
    for (const char* text : {"{(0,0)(1e300,0)(0,1e300)}", "{(1e9,0)[0,0,360]}", "{(nan,0)(5,nan)(inf,-inf)}",
                             "{(0,0)[1e308,-1e308,1e308](3,3)}"}) {
        const std::optional<Region> region = shapeRegion(text, 1.0, 1.0);
        if (!region)
            continue;
        const Rect box = region->boundingBox();
        EXPECT_GE(box.left, -65536) << text;
        EXPECT_LE(box.right, 65536) << text;
        EXPECT_TRUE(testing::isCanonical(*region)) << text;
    }
}

} // namespace
} // namespace quorvex::shape
