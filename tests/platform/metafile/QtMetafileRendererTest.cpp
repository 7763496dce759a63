#include "EmfWriter.h"

#include "platform/metafile/QtMetafileRenderer.h"

#include <gtest/gtest.h>

namespace quorvex::platform {
namespace {

using testing::EmfWriter;

struct Painted {
    std::int32_t count = 0;
    std::int32_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
    bool at(std::int32_t x, std::int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// The pixels that come out the same on both backgrounds, summarised by their
// count and bounding box.
Painted paintedPixels(const MetafileRenderer& renderer, const std::vector<std::uint8_t>& emf, int width, int height)
{
    const std::optional<MonochromeImage> black = renderer.render(emf, MetafileFormat::Enhanced, width, height,
                                                                 MonochromeFill::Black);
    const std::optional<MonochromeImage> white = renderer.render(emf, MetafileFormat::Enhanced, width, height,
                                                                 MonochromeFill::White);
    EXPECT_TRUE(black && white);
    Painted painted;
    if (!black || !white)
        return painted;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (black->pixel(x, y) == white->pixel(x, y)) {
                ++painted.count;
                painted.left = std::min(painted.left, x);
                painted.top = std::min(painted.top, y);
                painted.right = std::max(painted.right, x + 1);
                painted.bottom = std::max(painted.bottom, y + 1);
            }
    return painted;
}

std::vector<std::uint8_t> rectanglePicture(std::uint32_t brush)
{
    EmfWriter writer(100, 100);
    writer.selectStockObject(brush);
    writer.selectStockObject(EmfWriter::kNullPen);
    writer.rectangle(10, 10, 60, 40);
    return writer.finish();
}

TEST(QtMetafileRendererTest, ImagesHaveTheWordAlignedLayoutAndTheirBackground)
{
    const QtMetafileRenderer renderer;
    const std::vector<std::uint8_t> emf = rectanglePicture(EmfWriter::kBlackBrush);
    for (int width : {1, 8, 15, 16, 17, 33}) {
        const std::optional<MonochromeImage> white = renderer.render(emf, MetafileFormat::Enhanced, width, 10,
                                                                     MonochromeFill::White);
        const std::optional<MonochromeImage> black = renderer.render(emf, MetafileFormat::Enhanced, width, 10,
                                                                     MonochromeFill::Black);
        ASSERT_TRUE(white && black);
        EXPECT_EQ(white->rowBytes, std::size_t(((width + 15) >> 3) & ~1));
        EXPECT_EQ(white->bits.size(), white->rowBytes * 10);
        // The bottom row lies below the rectangle at every size.
        EXPECT_TRUE(white->pixel(width - 1, 9)) << "width " << width;
        EXPECT_FALSE(black->pixel(width - 1, 9)) << "width " << width;
    }
}

TEST(QtMetafileRendererTest, PaintedPixelsAgreeOnBothBackgroundsWhateverTheColour)
{
    const QtMetafileRenderer renderer;
    for (std::uint32_t brush : {EmfWriter::kBlackBrush, EmfWriter::kWhiteBrush}) {
        const Painted painted = paintedPixels(renderer, rectanglePicture(brush), 100, 100);
        // The rectangle, give or take the outline's pixel.
        EXPECT_NEAR(painted.left, 10, 1);
        EXPECT_NEAR(painted.top, 10, 1);
        EXPECT_NEAR(painted.right, 61, 2);
        EXPECT_NEAR(painted.bottom, 41, 2);
        EXPECT_GE(painted.count, 50 * 30);
        EXPECT_LE(painted.count, 52 * 32);
        EXPECT_TRUE(painted.at(30, 25));
        EXPECT_FALSE(painted.at(80, 80));
    }
}

TEST(QtMetafileRendererTest, PictureIsStretchedToTheRequestedSize)
{
    const QtMetafileRenderer renderer;
    const Painted painted = paintedPixels(renderer, rectanglePicture(EmfWriter::kBlackBrush), 200, 50);
    EXPECT_NEAR(painted.left, 20, 2);
    EXPECT_NEAR(painted.right, 121, 3);
    EXPECT_NEAR(painted.top, 5, 1);
    EXPECT_NEAR(painted.bottom, 20, 2);
}

TEST(QtMetafileRendererTest, UnreadableOrUnsupportedDataIsRefused)
{
    const QtMetafileRenderer renderer;
    const std::vector<std::uint8_t> garbage(300, 0xAB);
    EXPECT_FALSE(renderer.render(garbage, MetafileFormat::Enhanced, 10, 10, MonochromeFill::Black));
    EXPECT_FALSE(renderer.render({}, MetafileFormat::Enhanced, 10, 10, MonochromeFill::Black));
    std::vector<std::uint8_t> truncated = rectanglePicture(EmfWriter::kBlackBrush);
    truncated.resize(60);
    EXPECT_FALSE(renderer.render(truncated, MetafileFormat::Enhanced, 10, 10, MonochromeFill::Black));
    const std::vector<std::uint8_t> emf = rectanglePicture(EmfWriter::kBlackBrush);
    EXPECT_FALSE(renderer.render(emf, MetafileFormat::Windows, 10, 10, MonochromeFill::Black));
    EXPECT_FALSE(renderer.render(emf, MetafileFormat::Enhanced, -1, 10, MonochromeFill::Black));
    EXPECT_FALSE(renderer.render(emf, MetafileFormat::Enhanced, 100000, 10, MonochromeFill::Black));
}

} // namespace
} // namespace quorvex::platform
