#include "FormShapeFixture.h"

#include "platform/component/Container.h"
#include "platform/component/MemoryStream.h"
#include "support/HostileShapeStrings.h"

namespace quorvex::shape::testing {
namespace {

using namespace platform::component;

constexpr const char16_t* kSquare = u"{(0,0)(100,0)(100,100)(0,100)}";

TEST_F(FormShapeTest, NewControlHasTheDocumentedDefaults)
{
    int32_t window = -1;
    int16_t type = -1;
    uint32_t colour = 1;
    VariantBool autoScale = 0;
    double sx = 0, sy = 0;
    std::u16string text = u"x";
    m_shape->getHWnd(&window);
    m_shape->getShapeType(&type);
    m_shape->getMaskColor(&colour);
    m_shape->getAutoScale(&autoScale);
    m_shape->getScaleX(&sx);
    m_shape->getScaleY(&sy);
    m_shape->getShapeString(&text);
    EXPECT_EQ(window, 0);
    EXPECT_EQ(type, 0);
    EXPECT_EQ(colour, 0u);
    EXPECT_EQ(autoScale, -1);
    EXPECT_EQ(sx, 1.0);
    EXPECT_EQ(sy, 1.0);
    EXPECT_EQ(text, u"");
    EXPECT_EQ(as<IPersistStreamInit>()->isDirty(), kFalse);
    EXPECT_EQ(m_shape->getHWnd(nullptr), kPointer);
}

TEST_F(FormShapeTest, NothingIsShapedUntilTheWindowIsSet)
{
    m_shape->putAutoScale(kVariantFalse);
    m_shape->putShapeString(kSquare);
    EXPECT_EQ(windowCalls(), 0u);
    m_shape->putHWnd(kWindowA);
    EXPECT_EQ(regionOf(kWindowA), rectsOf({ { 0, 0, 100, 100 } }));
}

TEST_F(FormShapeTest, SettingShapeTypeToItsValueNeitherAppliesNorNotifies)
{
    m_shape->putHWnd(kWindowA);
    resetRecords();
    EXPECT_EQ(m_shape->putShapeType(kShapeFromString), kOk);
    EXPECT_EQ(windowCalls(), 0u);
    EXPECT_TRUE(m_sink.changed.empty());

    m_shape->putShapeType(kShapeNone);
    EXPECT_EQ(m_sink.changed, std::vector<DispId> { kDispIdShapeType });
    EXPECT_EQ(windowCalls(), 1u) << "ShapeType 2 removes the outline";
}

TEST_F(FormShapeTest, SettingHWndToItsValueAppliesAndNotifiesAgain)
{
    m_shape->putShapeString(kSquare);
    m_shape->putHWnd(kWindowA);
    resetRecords();
    m_shape->putHWnd(kWindowA);
    EXPECT_EQ(m_sink.changed, std::vector<DispId> { kDispIdHWnd });
    ASSERT_EQ(windowCalls(), 1u);
    EXPECT_EQ(m_windows.calls()[0].kind, platform::RecordingWindowRegionSystem::Call::Kind::Set)
        << "the same window is not cleared first";
}

TEST_F(FormShapeTest, MovingToAnotherWindowLeavesTheFirstRectangular)
{
    m_shape->putShapeString(kSquare);
    m_shape->putHWnd(kWindowA);
    ASSERT_TRUE(regionOf(kWindowA));
    m_shape->putHWnd(kWindowB);
    EXPECT_EQ(regionOf(kWindowA), std::nullopt);
    EXPECT_TRUE(regionOf(kWindowB));
}

TEST_F(FormShapeTest, ScaleChangesWaitUntilAutoScaleIsSwitchedOff)
{
    m_shape->putShapeString(u"{(0,0)(100,0)(100,50)(0,50)}");
    m_shape->putHWnd(kWindowB); // 300 x 100: auto scale 3 x 2
    EXPECT_EQ(regionOf(kWindowB), rectsOf({ { 0, 0, 300, 100 } }));

    resetRecords();
    m_shape->putScaleX(0.5);
    EXPECT_EQ(windowCalls(), 0u);
    EXPECT_EQ(m_sink.changed, std::vector<DispId> { kDispIdScaleX }) << "stored and reported all the same";

    m_shape->putAutoScale(kVariantFalse);
    EXPECT_EQ(regionOf(kWindowB), rectsOf({ { 0, 0, 50, 50 } }));
    resetRecords();
    m_shape->putAutoScale(kVariantFalse);
    EXPECT_EQ(windowCalls(), 0u);
    EXPECT_TRUE(m_sink.changed.empty());
    m_shape->putScaleY(2.0);
    EXPECT_EQ(regionOf(kWindowB), rectsOf({ { 0, 0, 50, 100 } }));
}

TEST_F(FormShapeTest, ShapeStringWhileShowingAPictureIsOnlyStored)
{
    m_shape->putHWnd(kWindowA);
    m_shape->putShapeType(kShapeFromPicture);
    resetRecords();
    m_shape->putShapeString(kSquare);
    EXPECT_EQ(windowCalls(), 0u);
    EXPECT_EQ(m_sink.changed, std::vector<DispId> { kDispIdShapeString });

    m_shape->putAutoScale(kVariantFalse);
    m_shape->putShapeType(kShapeFromString);
    EXPECT_EQ(regionOf(kWindowA), rectsOf({ { 0, 0, 100, 100 } }));
}

TEST_F(FormShapeTest, EmptyOrFigurelessTextRemovesTheOutline)
{
    m_shape->putAutoScale(kVariantFalse);
    m_shape->putShapeString(kSquare);
    m_shape->putHWnd(kWindowA);
    ASSERT_TRUE(regionOf(kWindowA));
    m_shape->putShapeString(u"no figure here");
    EXPECT_EQ(regionOf(kWindowA), std::nullopt);
}

// Diagonal stripes from far above to far below: cheap over a window, too
// much work over the whole canvas. Without AutoScale only the window's part
// is ever rasterised; with it the whole outline sets the factors, and an
// outline that big is refused like a text without figures.
TEST_F(FormShapeTest, OutlinesAreRasterisedOverTheWindowOnlyWhenNotAutoScaled)
{
    const std::string stripes = hostile::diagonalStripes(100);
    const std::u16string text(stripes.begin(), stripes.end());
    m_shape->putAutoScale(kVariantFalse);
    m_shape->putHWnd(kWindowB);
    m_shape->putShapeString(text);
    const auto fixed = regionOf(kWindowB);
    ASSERT_TRUE(fixed) << "the window is shaped";
    for (const platform::RegionRect& r : *fixed) {
        EXPECT_GE(r.left, -kWindowMargin);
        EXPECT_LE(r.right, 300 + kWindowMargin);
        EXPECT_LE(r.bottom, 100 + kWindowMargin);
    }

    m_shape->putAutoScale(kVariantTrue);
    EXPECT_EQ(regionOf(kWindowB), std::nullopt);
    m_shape->putAutoScale(kVariantFalse);
    EXPECT_EQ(regionOf(kWindowB), fixed) << "switching back rasterises over the window again";

    // Set before the window is known, the outline is refused over the whole
    // canvas, then built once the window is.
    m_shape->putHWnd(0);
    m_shape->putShapeString(text);
    m_shape->putHWnd(kWindowB);
    EXPECT_EQ(regionOf(kWindowB), fixed);
}

TEST_F(FormShapeTest, RefreshReappliesForStringsAndPicturesButNotForNone)
{
    m_shape->putAutoScale(kVariantFalse);
    m_shape->putShapeString(kSquare);
    m_shape->putHWnd(kWindowA);
    resetRecords();
    m_shape->refresh();
    EXPECT_EQ(windowCalls(), 1u);
    EXPECT_TRUE(m_sink.changed.empty()) << "Refresh is not a property change";

    m_shape->putShapeType(kShapeNone);
    ASSERT_EQ(regionOf(kWindowA), std::nullopt);
    const platform::RegionRect elsewhere[] = { { 1, 1, 2, 2 } };
    m_windows.setRegion(kWindowA, elsewhere); // someone else shapes the window
    resetRecords();
    m_shape->refresh();
    EXPECT_EQ(windowCalls(), 0u);
    EXPECT_TRUE(regionOf(kWindowA)) << "the window keeps its current region";
}

TEST_F(FormShapeTest, DestroyingTheControlLeavesTheWindowShaped)
{
    m_shape->putAutoScale(kVariantFalse);
    m_shape->putShapeString(kSquare);
    m_shape->putHWnd(kWindowA);
    resetRecords();
    as<IOleObject>()->close();
    m_shape.reset();
    EXPECT_EQ(windowCalls(), 0u);
    EXPECT_TRUE(regionOf(kWindowA));
}

TEST_F(FormShapeTest, EverySetterMarksTheControlDirtyAndReportsItsDispid)
{
    struct Step {
        const char* name;
        Variant value;
        DispId id;
    };
    const Step steps[] = {
        { "hWnd", Variant(int32_t(kWindowA)), kDispIdHWnd },
        { "ShapeType", Variant(int16_t(1)), kDispIdShapeType },
        { "ShapeString", Variant(u"{}"), kDispIdShapeString },
        { "MaskColor", Variant(uint32_t(5)), kDispIdMaskColor },
        { "AutoScale", Variant::boolean(false), kDispIdAutoScale },
        { "ScaleX", Variant(2.0), kDispIdScaleX },
        { "ScaleY", Variant(3.0), kDispIdScaleY },
    };
    for (const Step& step : steps) {
        Ref<MemoryStream> sink = MemoryStream::create();
        as<IPersistStreamInit>()->save(sink.get(), true);
        ASSERT_EQ(as<IPersistStreamInit>()->isDirty(), kFalse);
        resetRecords();
        ASSERT_EQ(setProperty(m_shape.get(), step.name, step.value), kOk) << step.name;
        EXPECT_EQ(m_sink.changed, std::vector<DispId> { step.id }) << step.name;
        EXPECT_EQ(as<IPersistStreamInit>()->isDirty(), kOk) << step.name;
        Variant read;
        ASSERT_EQ(getProperty(m_shape.get(), step.name, &read), kOk);
        EXPECT_EQ(read, step.value) << step.name;
    }
}

TEST_F(FormShapeTest, DispatchCoercesArgumentsAndRefusesWhatDoesNotFit)
{
    EXPECT_EQ(setProperty(m_shape.get(), "shapetype", Variant(u"2")), kOk);
    int16_t type = 0;
    m_shape->getShapeType(&type);
    EXPECT_EQ(type, 2);
    EXPECT_EQ(setProperty(m_shape.get(), "ShapeType", Variant(int32_t(70000))), kOverflow);
    EXPECT_EQ(setProperty(m_shape.get(), "ScaleX", Variant(u"wide")), kTypeMismatch);
    EXPECT_EQ(setProperty(m_shape.get(), "MaskColor", Variant(int32_t(0x80000005))), kOk)
        << "a system colour passed as a signed number";
    uint32_t colour = 0;
    m_shape->getMaskColor(&colour);
    EXPECT_EQ(colour, 0x80000005u);
    EXPECT_EQ(setProperty(m_shape.get(), "Nonexistent", Variant(int32_t(1))), kUnknownName);
    EXPECT_EQ(setPropertyByRef(m_shape.get(), "ScaleX", Variant(1.0)), kMemberNotFound);
    EXPECT_EQ(callMethod(m_shape.get(), "Refresh"), kOk);
    Variant argument(int32_t(1));
    EXPECT_EQ(callMethod(m_shape.get(), "Refresh", std::span<const Variant>(&argument, 1)), kBadParamCount);
    EXPECT_EQ(m_shape->invoke(kDispIdScaleX, InvokeKind::PropertyPut, {}, nullptr), kBadParamCount);
    EXPECT_EQ(m_shape->invoke(42, InvokeKind::PropertyGet, {}, &argument), kMemberNotFound);
}

} // namespace
} // namespace quorvex::shape::testing
