#include "RegionChecks.h"

#include "platform/metafile/FakeMetafileRenderer.h"
#include "shape/region/BitmapRegion.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace quorvex::shape {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

std::vector<Rect> randomRects(std::mt19937& random, int width, int height, int count)
{
    std::uniform_int_distribution<int> xs(-3, width + 3), ys(-3, height + 3);
    std::vector<Rect> rects;
    for (int i = 0; i < count; ++i) {
        const int x1 = xs(random), x2 = xs(random), y1 = ys(random), y2 = ys(random);
        rects.push_back(Rect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)});
    }
    return rects;
}

// Paints `region` into a bitmap whose other pixels are the mask colour. Opaque
// pixels get colours that differ from the mask colour by one bit somewhere,
// and mask pixels carry random alpha, which must not matter. Rows are padded
// with opaque junk that lies beyond the width.
std::vector<std::uint32_t> paint(const Region& region, int width, int height, int stridePixels,
                                 std::mt19937& random)
{
    std::vector<std::uint32_t> pixels(std::size_t(stridePixels) * std::size_t(height), 0x12345678);
    std::uniform_int_distribution<int> bit(0, 23);
    std::uniform_int_distribution<std::uint32_t> alpha(0, 255);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[std::size_t(y) * std::size_t(stridePixels) + std::size_t(x)] =
                region.contains(x, y) ? (kMagenta ^ (1u << bit(random))) | (alpha(random) << 24)
                                      : kMagenta | (alpha(random) << 24);
    return pixels;
}

TEST(BitmapRegionTest, MaskRoundTripGivesTheSameRegion)
{
    std::mt19937 random(5);
    for (int round = 0; round < 150; ++round) {
        const int width = 1 + round % 37, height = 1 + (round * 7) % 23;
        const int stride = width + round % 3;
        Region region = Region::fromRects(randomRects(random, width, height, 1 + round % 6));
        region.combine(Region(Rect{0, 0, width, height}), CombineMode::Intersect);
        const std::vector<std::uint32_t> pixels = paint(region, width, height, stride, random);
        const std::optional<Region> back = BuildMaskRegion(
            BitmapView{pixels.data(), width, height, std::size_t(stride) * 4}, kMagenta);
        ASSERT_TRUE(back);
        ASSERT_EQ(*back, region) << testing::describeRegion(*back) << " vs " << testing::describeRegion(region);
        EXPECT_TRUE(testing::isCanonical(*back));
    }
}

TEST(BitmapRegionTest, RepeatedRowsBecomeOneBand)
{
    // A frame: identical rows must merge so the region stays small.
    const int width = 40, height = 30;
    std::vector<std::uint32_t> pixels(std::size_t(width * height), 0x808080);
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 30; ++x)
            pixels[std::size_t(y * width + x)] = kMagenta;
    const std::optional<Region> region = BuildMaskRegion(BitmapView{pixels.data(), width, height, width * 4u}, kMagenta);
    ASSERT_TRUE(region);
    EXPECT_EQ(region->rectCount(), 4u);
    EXPECT_EQ(region->area(), 40u * 30u - 20u * 10u);
}

TEST(BitmapRegionTest, AllMaskColourIsEmptyNotNull)
{
    const std::vector<std::uint32_t> pixels(64, kMagenta | 0xFF000000u);
    const std::optional<Region> region = BuildMaskRegion(BitmapView{pixels.data(), 8, 8, 32}, kMagenta);
    ASSERT_TRUE(region);
    EXPECT_TRUE(region->isEmpty());
    // The mask colour's own top byte is ignored as well.
    EXPECT_TRUE(BuildMaskRegion(BitmapView{pixels.data(), 8, 8, 32}, 0xAAFF00FF)->isEmpty());
}

TEST(BitmapRegionTest, BadBitmapsGiveNoRegion)
{
    const std::vector<std::uint32_t> pixels(16, 0);
    EXPECT_FALSE(BuildMaskRegion(BitmapView{nullptr, 4, 4, 16}, 0));
    EXPECT_FALSE(BuildMaskRegion(BitmapView{pixels.data(), -1, 4, 16}, 0));
    EXPECT_FALSE(BuildMaskRegion(BitmapView{pixels.data(), 4, -1, 16}, 0));
    EXPECT_FALSE(BuildMaskRegion(BitmapView{pixels.data(), 4, 4, 12}, 0)); // stride shorter than a row
    const std::optional<Region> none = BuildMaskRegion(BitmapView{pixels.data(), 0, 0, 0}, 0);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->isEmpty());
}

std::vector<std::uint8_t> monochrome(const Region& region, int width, int height, int alignment)
{
    const std::size_t rowBytes = (std::size_t((width + 7) / 8) + alignment - 1) / alignment * alignment;
    // Padding bits are set: they lie beyond the width and must be ignored.
    std::vector<std::uint8_t> bits(rowBytes * std::size_t(height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < int(rowBytes * 8); ++x)
            if (x >= width || region.contains(x, y))
                bits[std::size_t(y) * rowBytes + std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
    return bits;
}

TEST(BitmapRegionTest, MonochromeRoundTripForEveryAlignment)
{
    std::mt19937 random(9);
    for (int alignment : {1, 2, 4, 3}) {
        for (int round = 0; round < 60; ++round) {
            const int width = 1 + (round * 5) % 70, height = 1 + round % 19;
            Region region = Region::fromRects(randomRects(random, width, height, 1 + round % 5));
            region.combine(Region(Rect{0, 0, width, height}), CombineMode::Intersect);
            const std::vector<std::uint8_t> bits = monochrome(region, width, height, alignment);
            const std::optional<Region> back = BuildMonochromeRegion(bits, width, height, alignment);
            ASSERT_TRUE(back);
            ASSERT_EQ(*back, region) << "alignment " << alignment << " width " << width << ": "
                                     << testing::describeRegion(*back) << " vs " << testing::describeRegion(region);
        }
    }
}

TEST(BitmapRegionTest, MonochromeRejectsShortBuffersAndBadAlignment)
{
    const std::vector<std::uint8_t> bits(2 * 3, 0xFF); // 3 rows of 2 bytes
    EXPECT_TRUE(BuildMonochromeRegion(bits, 16, 3, 2));
    EXPECT_FALSE(BuildMonochromeRegion(bits, 16, 4, 2));
    EXPECT_FALSE(BuildMonochromeRegion(bits, 9, 3, 4));
    EXPECT_FALSE(BuildMonochromeRegion(bits, 8, 3, 0));
    EXPECT_FALSE(BuildMonochromeRegion(bits, -8, 3, 1));
    EXPECT_EQ(*BuildMonochromeRegion(bits, 16, 3, 2), Region(Rect{0, 0, 16, 3}));
}

TEST(BitmapRegionTest, MetafileKeepsWhatThePictureDrawsInEitherColour)
{
    platform::FakeMetafileRenderer renderer;
    renderer.setPaints({{2, 2, 10, 6, false}, {20, 0, 25, 40, true}, {-5, -5, 1, 1, true}});
    const std::vector<std::uint8_t> bytes(100, 0);
    const std::optional<Region> region =
        BuildMetafileRegion(renderer, bytes, platform::MetafileFormat::Enhanced, 23, 17);
    ASSERT_TRUE(region);
    EXPECT_EQ(*region, Region::fromRects(std::vector<Rect>{{2, 2, 10, 6}, {20, 0, 23, 17}, {0, 0, 1, 1}}));
    ASSERT_EQ(renderer.calls().size(), 2u);
    EXPECT_NE(renderer.calls()[0].fill, renderer.calls()[1].fill);
    for (const auto& call : renderer.calls()) {
        EXPECT_EQ(call.width, 23);
        EXPECT_EQ(call.height, 17);
        EXPECT_EQ(call.byteCount, 100u);
    }
}

TEST(BitmapRegionTest, MetafileThatCannotBeDrawnGivesNoRegion)
{
    platform::FakeMetafileRenderer renderer;
    renderer.setFailing(true);
    EXPECT_FALSE(BuildMetafileRegion(renderer, {}, platform::MetafileFormat::Windows, 10, 10));
    EXPECT_FALSE(BuildMetafileRegion(renderer, {}, platform::MetafileFormat::Enhanced, -1, 10));
    renderer.setFailing(false);
    const std::optional<Region> flat = BuildMetafileRegion(renderer, {}, platform::MetafileFormat::Enhanced, 0, 10);
    ASSERT_TRUE(flat);
    EXPECT_TRUE(flat->isEmpty());
    // Nothing painted: every pixel shows the two backgrounds.
    EXPECT_TRUE(BuildMetafileRegion(renderer, {}, platform::MetafileFormat::Enhanced, 9, 9)->isEmpty());
}

} // namespace
} // namespace quorvex::shape
