#include "RegionChecks.h"

#include "shape/region/ShapeRegion.h"
#include "support/HostileShapeStrings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex::shape {
namespace {

ParsedShape parsed(const std::string& text)
{
    ParsedShape shape;
    shape.text = text;
    ParseShapeString(shape);
    return shape;
}

std::optional<Region> build(const std::string& text, const RasterLimits& limits, double scale = 1.0)
{
    return BuildShapeRegion(parsed(text), scale, scale, FillRule::Alternate, CombineMode::Xor, limits);
}

Region clipped(Region region, const Rect& clip)
{
    region.combine(Region(clip), CombineMode::Intersect);
    return region;
}

bool inside(const Rect& box, const Rect& clip)
{
    return box.left >= clip.left && box.top >= clip.top && box.right <= clip.right && box.bottom <= clip.bottom;
}

// Rasterising within a clip gives exactly the pixels of the whole outline
// that lie in the clip: polygons, discs, caps and their combinations.
TEST(ShapeLimitsTest, ClippedOutlineIsTheWholeOutlineCutToTheClip)
{
    const char* shapes[] = {
        "{(0,0)(100,0)(100,100)(0,100)}",
        "{(100,50)[50,50,360]}",
        "{(0,0)(200,0)(200,200)(0,200)}{(50,50)(150,50)(150,150)(50,150)}",
        "{(0,0)(100,0)[100,50,180](0,100)}",
        "{(10,10)(190,30)[120,120,-135](20,170)}{(60,60)[80,80,360]}",
        "{(-50,-40)(260,-10)(120,250)}",
    };
    const Rect clips[] = {{-10, -10, 300, 300}, {30, 20, 90, 70}, {0, 0, 1, 1}, {150, -100, 400, 60}, {500, 500, 600, 600}};
    for (const char* text : shapes) {
        const std::optional<Region> whole = build(text, RasterLimits{});
        ASSERT_TRUE(whole) << text;
        for (const Rect& clip : clips) {
            SCOPED_TRACE(std::string(text) + " in " + std::to_string(clip.left) + "," + std::to_string(clip.top)
                         + "," + std::to_string(clip.right) + "," + std::to_string(clip.bottom));
            const std::optional<Region> part = build(text, RasterLimits{clip});
            ASSERT_TRUE(part) << "clipping never turns an outline into no outline";
            EXPECT_EQ(*part, clipped(*whole, clip));
            EXPECT_TRUE(testing::isCanonical(*part));
        }
    }
}

TEST(ShapeLimitsTest, WindowLimitsCoverTheWindowAndAMargin)
{
    EXPECT_EQ(RasterLimitsForWindow(640, 480).clip,
              (Rect{-kWindowMargin, -kWindowMargin, 640 + kWindowMargin, 480 + kWindowMargin}));
    EXPECT_EQ(RasterLimitsForWindow(0, -5).clip, (Rect{-kWindowMargin, -kWindowMargin, kWindowMargin, kWindowMargin}));
    EXPECT_EQ(RasterLimitsForWindow(1 << 20, 1 << 20).clip,
              (Rect{-kWindowMargin, -kWindowMargin, kRasterCanvas.right, kRasterCanvas.bottom}));
    EXPECT_EQ(RasterLimitsForWindow(640, 480).work, kShapeWorkLimit);
}

// An outline that needs more work than allowed is refused as a whole, the
// way a text without figures is, never cut short.
TEST(ShapeLimitsTest, OutlineBeyondTheBudgetIsRefusedWhole)
{
    // Two overlapping diamonds of 100 slanted rows each: every row of each
    // costs a step and one per edge crossing it.
    const std::string twoDiamonds = "{(50,0)(100,50)(50,100)(0,50)}{(100,0)(150,50)(100,100)(50,50)}";
    const std::optional<Region> full = build(twoDiamonds, RasterLimits{});
    ASSERT_TRUE(full);
    EXPECT_FALSE(full->isEmpty());

    EXPECT_EQ(build(twoDiamonds, RasterLimits{kRasterCanvas, 2}), std::nullopt);
    EXPECT_EQ(build(twoDiamonds, RasterLimits{kRasterCanvas, 400}), std::nullopt) << "one figure is not enough";
    EXPECT_EQ(build(twoDiamonds, RasterLimits{kRasterCanvas, 100'000}), full);

    const std::vector<ShapeRecord> records = parsed(twoDiamonds).records;
    EXPECT_EQ(BuildFigureRegion(std::span(records).first(4), FillRule::Alternate, 1.0, 1.0, RasterLimits{kRasterCanvas, 2}),
              std::nullopt);
}

// The inputs that used to take half a minute and gigabytes: within a
// window they come back, built when the window's part of them is within
// the budget and refused otherwise.
TEST(ShapeLimitsTest, HostileTextsComeBackWithinAWindow)
{
    const RasterLimits window = RasterLimitsForWindow(640, 480);

    const std::optional<Region> stripes = build(hostile::diagonalStripes(100), window);
    ASSERT_TRUE(stripes) << "the window's part of the stripes is cheap";
    EXPECT_TRUE(inside(stripes->boundingBox(), window.clip));
    std::vector<Rect> rows;
    for (int i = 0; i < 100; ++i) {
        const int x = i * 20 - 1000; // each stripe covers [x + y, x + y + 5) on row y
        for (int y = window.clip.top; y < window.clip.bottom; ++y)
            rows.push_back(Rect{x + y, y, x + y + 5, y + 1});
    }
    EXPECT_EQ(*stripes, clipped(Region::fromRects(rows), window.clip));

    const std::optional<Region> zigZag = build(hostile::zigZag(10'000), window);
    ASSERT_TRUE(zigZag);
    EXPECT_TRUE(inside(zigZag->boundingBox(), window.clip));
    EXPECT_TRUE(zigZag->contains(0, 0) != zigZag->contains(1, 0)) << "alternate columns are inside";

    // Thousands of discs overlapping everywhere exceed any reasonable budget.
    EXPECT_EQ(build(hostile::overlappingCircles(5'000), window), std::nullopt);
}

// Without a window the whole canvas counts, and the same stripes are too
// much work there: refused rather than scanned for half a minute.
TEST(ShapeLimitsTest, HostileTextsAreRefusedOnTheWholeCanvas)
{
    EXPECT_EQ(build(hostile::diagonalStripes(100), RasterLimits{}), std::nullopt);
    EXPECT_EQ(build(hostile::zigZag(10'000), RasterLimits{}), std::nullopt);
}

} // namespace
} // namespace quorvex::shape
