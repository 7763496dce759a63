#include "FormShapeFixture.h"

#include "platform/component/MemoryStream.h"
#include "platform/component/OleColor.h"

namespace quorvex::shape::testing {
namespace {

using namespace platform::component;

constexpr uint32_t kMagenta = 0xFF00FF;
constexpr uint32_t kBlue = 0x0000FF;

// A 20 x 10 magenta bitmap with an opaque blue block at x 5..15, y 2..8.
Ref<IDispatch> blockPicture()
{
    return makePicture(makeBitmap(20, 10, kMagenta, kBlue, 5, 2, 15, 8));
}

class FormShapePictureTest : public FormShapeTest {
protected:
    FormShapePictureTest()
    {
        m_shape->putMaskColor(oleColorFromRgb(kMagenta));
        m_shape->putAutoScale(kVariantFalse);
        m_shape->putShapeType(kShapeFromPicture);
        m_shape->putHWnd(kWindowA);
        resetRecords();
    }

    Ref<IDispatch> heldPicture()
    {
        IDispatch* picture = nullptr;
        m_shape->getShapePicture(&picture);
        return Ref<IDispatch>::adopt(picture);
    }
};

std::vector<platform::RegionRect> blockRows()
{
    std::vector<platform::RegionRect> rows;
    rows.push_back({ 5, 2, 15, 8 });
    return rows;
}

TEST_F(FormShapePictureTest, MaskColourPixelsAreCutAwayAtScaleOne)
{
    ASSERT_EQ(m_shape->putShapePicture(blockPicture().get()), kOk);
    EXPECT_EQ(regionOf(kWindowA), blockRows()) << "at exactly 1.0 the margin is kept";
    EXPECT_EQ(m_sink.requested, std::vector<DispId> { kDispIdShapePicture });
    EXPECT_EQ(m_sink.changed, std::vector<DispId> { kDispIdShapePicture });
}

TEST_F(FormShapePictureTest, MaskColourIsStoredBlueGreenRed)
{
    // Pure red as a control colour is 0x000000FF; the blue block must stay.
    m_shape->putShapePicture(makePicture(makeBitmap(4, 1, 0xFF0000, kBlue, 0, 0, 2, 1)).get());
    m_shape->putMaskColor(0x000000FFu);
    EXPECT_EQ(regionOf(kWindowA), rectsOf({ { 0, 0, 2, 1 } }));
}

TEST_F(FormShapePictureTest, AutoScaleStretchesToTheWindowByTheFarEdges)
{
    m_shape->putShapePicture(blockPicture().get());
    m_shape->putAutoScale(kVariantTrue);
    // Window A is 200 x 100; the block's far edges are 15 and 8.
    std::optional<std::vector<platform::RegionRect>> region = regionOf(kWindowA);
    ASSERT_TRUE(region);
    ASSERT_FALSE(region->empty());
    EXPECT_EQ(region->front().left, 0) << "a scaled region starts at the origin";
    EXPECT_EQ(region->front().top, 0);
}

TEST_F(FormShapePictureTest, AByValuePictureIsACopyUnaffectedByTheCaller)
{
    Ref<IDispatch> mine = blockPicture();
    m_shape->putShapePicture(mine.get());
    Ref<IDispatch> held = heldPicture();
    ASSERT_TRUE(held);
    EXPECT_NE(held.get(), mine.get());

    // The caller reloads its own picture with other pixels.
    Ref<IPicture> other = createPictureFromBitmap(makeBitmap(3, 3, kBlue, kBlue, 0, 0, 0, 0));
    Ref<MemoryStream> stream = MemoryStream::create();
    queryInterface<IPersistStream>(other)->save(stream.get(), true);
    stream->seek(0, SeekOrigin::Begin, nullptr);
    ASSERT_EQ(queryInterface<IPersistStream>(mine)->load(stream.get()), kOk);

    const Bitmap32* bitmap = nullptr;
    queryInterface<IPicture>(held)->getBitmap(&bitmap);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->width, 20);
    m_shape->refresh();
    EXPECT_EQ(regionOf(kWindowA), blockRows());
}

TEST_F(FormShapePictureTest, AByReferencePictureIsTheCallersObject)
{
    Ref<IDispatch> mine = blockPicture();
    ASSERT_EQ(m_shape->putRefShapePicture(mine.get()), kOk);
    EXPECT_EQ(heldPicture().get(), mine.get());
}

TEST_F(FormShapePictureTest, RefusedEditKeepsTheOldPictureAndReturnsOne)
{
    Ref<IDispatch> first = blockPicture();
    m_shape->putRefShapePicture(first.get());
    resetRecords();
    m_sink.refuseEdits = true;
    EXPECT_EQ(m_shape->putShapePicture(blockPicture().get()), kFalse);
    EXPECT_EQ(m_shape->putRefShapePicture(nullptr), kFalse);
    EXPECT_EQ(heldPicture().get(), first.get());
    EXPECT_TRUE(m_sink.changed.empty());
    EXPECT_EQ(windowCalls(), 0u);
}

// A dispatch object that cannot save itself, so no copy can be made.
class OpaqueObject final : public IDispatch {
public:
    HResult queryInterface(const Guid& iid, void** out) override { return answerQuery<IDispatch>(this, iid, out); }
    uint32_t addRef() override { return 2; }
    uint32_t release() override { return 1; }
    HResult getIdsOfNames(std::span<const std::string_view>, std::span<DispId>) override { return kUnknownName; }
    HResult invoke(DispId, InvokeKind, std::span<const Variant>, Variant*) override { return kMemberNotFound; }
};

TEST_F(FormShapePictureTest, UncopyablePictureIsDroppedAndTheWindowKeepsItsOutline)
{
    m_shape->putShapePicture(blockPicture().get());
    ASSERT_TRUE(regionOf(kWindowA));
    OpaqueObject opaque;
    EXPECT_EQ(m_shape->putShapePicture(&opaque), kOk);
    EXPECT_FALSE(heldPicture());
    // No picture: the window keeps what it had.
    EXPECT_EQ(regionOf(kWindowA), blockRows());
}

TEST_F(FormShapePictureTest, AllMaskColourBitmapGivesAnEmptyOutlineNotNone)
{
    m_shape->putShapePicture(makePicture(makeBitmap(8, 8, kMagenta, kMagenta, 0, 0, 0, 0)).get());
    EXPECT_EQ(regionOf(kWindowA), std::vector<platform::RegionRect> {});
}

TEST_F(FormShapePictureTest, IconPictureLeavesTheWindowAsItWas)
{
    m_shape->putShapePicture(blockPicture().get());
    resetRecords();
    Ref<IDispatch> icon = queryInterface<IDispatch>(createPictureFromData(PictureKind::Icon, { 0, 0, 1, 0 }));
    m_shape->putRefShapePicture(icon.get());
    EXPECT_EQ(windowCalls(), 0u);
    EXPECT_EQ(regionOf(kWindowA), blockRows());
}

TEST_F(FormShapePictureTest, MaskColourChangesRebuildOnlyWhileShowingThePicture)
{
    m_shape->putShapePicture(blockPicture().get());
    m_shape->putMaskColor(oleColorFromRgb(kBlue));
    // Now the magenta surround is kept and the block cut out.
    std::optional<std::vector<platform::RegionRect>> region = regionOf(kWindowA);
    ASSERT_TRUE(region);
    EXPECT_EQ(region->front(), (platform::RegionRect { 0, 0, 20, 2 }));

    m_shape->putShapeType(kShapeNone);
    resetRecords();
    m_shape->putMaskColor(oleColorFromRgb(kMagenta));
    EXPECT_EQ(windowCalls(), 0u);
}

TEST_F(FormShapePictureTest, UntranslatableMaskColourRemovesTheOutline)
{
    m_shape->putShapePicture(blockPicture().get());
    m_shape->putMaskColor(0x01000002u); // a palette index, with no palette
    EXPECT_EQ(regionOf(kWindowA), std::nullopt);
}

} // namespace
} // namespace quorvex::shape::testing
