#include "platform/metafile/FakeMetafileRenderer.h"
#include "shape/region/ApplyShape.h"
#include "shape/region/BitmapRegion.h"
#include "shape/region/ShapeRegion.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace quorvex::shape {
namespace {

constexpr WindowHandle kWindow = 0x4200007;

class RecordingWindows : public WindowRegionService {
public:
    struct Call {
        WindowHandle window;
        bool cleared;
        std::vector<Rect> rects;
    };

    std::map<WindowHandle, Rect> geometry;
    std::vector<Call> calls;

    std::optional<Rect> windowRect(WindowHandle window) const override
    {
        const auto it = geometry.find(window);
        return it == geometry.end() ? std::nullopt : std::optional<Rect>(it->second);
    }
    void setWindowRegion(WindowHandle window, const std::vector<Rect>& rects) override
    {
        calls.push_back(Call{window, false, rects});
    }
    void clearWindowRegion(WindowHandle window) override { calls.push_back(Call{window, true, {}}); }

    Region installed() const
    {
        EXPECT_EQ(calls.size(), 1u);
        EXPECT_FALSE(calls.empty() || calls.back().cleared);
        return calls.empty() ? Region() : Region::fromRects(calls.back().rects);
    }
};

class ApplyShapeTest : public ::testing::Test {
protected:
    void setShape(const char* text)
    {
        shape.text = text;
        ParseShapeString(shape);
        base = BuildShapeRegion(shape, 1.0, 1.0, FillRule::Alternate, CombineMode::Xor);
    }

    ShapeApplyRequest request(std::int16_t shapeType)
    {
        ShapeApplyRequest r;
        r.window = kWindow;
        r.shapeType = shapeType;
        r.parsedShape = &shape;
        r.baseRegion = &base;
        r.autoScale = false;
        return r;
    }

    ParsedShape shape;
    std::optional<Region> base;
    RecordingWindows windows;
    platform::FakeMetafileRenderer renderer;
};

// Requests that must not install a region: they either remove the window's
// region or leave the window as it is.
TEST_F(ApplyShapeTest, CasesThatRemoveOrKeepTheWindowsRegion)
{
    enum class Outcome { Untouched, Cleared };
    struct Case {
        const char* name;
        const char* shapeText; // also builds the base region at scale 1
        std::int16_t shapeType;
        PictureKind picture;
        bool autoScale;
        bool knownWindow;
        bool failingRenderer;
        WindowHandle window;
        Outcome outcome;
    };
    const char* square = "{(0,0)(4,0)(4,4)(0,4)}";
    // Two figures that cancel: a region, but one without a size to scale by.
    const char* cancelled = "{(0,0)(4,0)(4,4)(0,4)}{(0,0)(4,0)(4,4)(0,4)}";
    const Case cases[] = {
        {"NoWindow", square, 0, PictureKind::None, false, true, false, 0, Outcome::Untouched},
        {"NoWindowTypeNone", square, 2, PictureKind::None, false, true, false, 0, Outcome::Untouched},
        {"NullShape", "no figure", 0, PictureKind::None, false, true, false, kWindow, Outcome::Cleared},
        {"TypeNone", square, 2, PictureKind::None, false, true, false, kWindow, Outcome::Cleared},
        {"TypeUnknown", square, -3, PictureKind::None, false, true, false, kWindow, Outcome::Cleared},
        {"EmptyOutlineAutoScale", cancelled, 0, PictureKind::None, true, true, false, kWindow, Outcome::Cleared},
        {"EmptyBitmapAutoScale", cancelled, 1, PictureKind::Bitmap, true, true, false, kWindow, Outcome::Cleared},
        {"NullBitmapRegion", "no figure", 1, PictureKind::Bitmap, false, true, false, kWindow, Outcome::Cleared},
        {"UnknownWindowShape", square, 0, PictureKind::None, true, false, false, kWindow, Outcome::Untouched},
        {"UnknownWindowBitmap", square, 1, PictureKind::Bitmap, true, false, false, kWindow, Outcome::Untouched},
        {"NoPicture", square, 1, PictureKind::None, false, true, false, kWindow, Outcome::Untouched},
        {"Icon", square, 1, PictureKind::Icon, false, true, false, kWindow, Outcome::Untouched},
        {"UndrawableMetafile", square, 1, PictureKind::EnhancedMetafile, false, true, true, kWindow, Outcome::Untouched},
        {"MetafileUnknownWindow", square, 1, PictureKind::Metafile, false, false, false, kWindow, Outcome::Untouched},
    };
    for (const Case& c : cases) {
        windows.calls.clear();
        windows.geometry.clear();
        if (c.knownWindow)
            windows.geometry[kWindow] = Rect{0, 0, 100, 100};
        setShape(c.shapeText);
        renderer.setFailing(c.failingRenderer);
        ShapeApplyRequest r = request(c.shapeType);
        r.window = c.window;
        r.pictureKind = c.picture;
        r.autoScale = c.autoScale;
        ApplyShape(r, windows, &renderer);
        if (c.outcome == Outcome::Untouched) {
            EXPECT_TRUE(windows.calls.empty()) << c.name;
        } else {
            ASSERT_EQ(windows.calls.size(), 1u) << c.name;
            EXPECT_TRUE(windows.calls[0].cleared) << c.name;
            EXPECT_EQ(windows.calls[0].window, kWindow) << c.name;
        }
    }
    // Without a renderer a metafile cannot be drawn either.
    windows.calls.clear();
    windows.geometry[kWindow] = Rect{0, 0, 100, 100};
    ShapeApplyRequest r = request(1);
    r.pictureKind = PictureKind::EnhancedMetafile;
    ApplyShape(r, windows, nullptr);
    EXPECT_TRUE(windows.calls.empty());
}

TEST_F(ApplyShapeTest, ShapeStringAutoScaleRebuildsAtTheWindowSize)
{
    setShape("{(0,0)(100,0)(100,50)(0,50)}");
    windows.geometry[kWindow] = Rect{500, 300, 800, 400}; // 300 x 100
    ShapeApplyRequest r = request(0);
    r.autoScale = true;
    r.scaleX = 7; // ignored under AutoScale
    ApplyShape(r, windows, nullptr);
    EXPECT_EQ(windows.installed(), Region(Rect{0, 0, 300, 100}));
}

TEST_F(ApplyShapeTest, ShapeStringIsRerasterisedNotStretched)
{
    // A disc scaled by 3 is the disc of three times the radius, not a
    // stretched pixel pattern.
    setShape("{(10,5)[5,5,360]}");
    ShapeApplyRequest r = request(0);
    r.scaleX = 3;
    r.scaleY = 3;
    ApplyShape(r, windows, nullptr);
    EXPECT_EQ(windows.installed(), Region::ellipse(Rect{0, 0, 30, 30}));
}

TEST_F(ApplyShapeTest, BitmapAutoScaleDividesByTheFarEdges)
{
    struct Case {
        Rect base;
        Rect window;
        Rect expected;
    };
    const Case cases[] = {
        // Opaque from x = 10 to 99 on a window 200 wide: doubled and moved to 0.
        {{10, 0, 100, 20}, {0, 0, 200, 40}, {0, 0, 180, 40}},
        // Exactly 1.0 both ways: the region is not moved and keeps its margin.
        {{10, 3, 100, 20}, {50, 50, 150, 70}, {10, 3, 100, 20}},
        // 1.0 one way only still moves the region to the origin.
        {{10, 3, 100, 20}, {0, 0, 100, 40}, {0, 0, 90, 34}},
        // A window of no width squeezes the outline to nothing, it does not
        // unshape the window.
        {{10, 3, 100, 20}, {0, 0, 0, 40}, {}},
    };
    for (const Case& c : cases) {
        windows.calls.clear();
        base = Region(c.base);
        windows.geometry[kWindow] = c.window;
        ShapeApplyRequest r = request(1);
        r.pictureKind = PictureKind::Bitmap;
        r.autoScale = true;
        ApplyShape(r, windows, nullptr);
        EXPECT_EQ(windows.installed(), Region(c.expected)) << c.window.right;
    }
}

TEST_F(ApplyShapeTest, BitmapOfOnlyTheMaskColourMakesTheWindowInvisible)
{
    const std::vector<std::uint32_t> pixels(100, 0xFF00FF);
    base = BuildMaskRegion(BitmapView{pixels.data(), 10, 10, 40}, 0xFF00FF);
    ShapeApplyRequest r = request(1);
    r.pictureKind = PictureKind::Bitmap;
    ApplyShape(r, windows, nullptr);
    ASSERT_EQ(windows.calls.size(), 1u);
    EXPECT_FALSE(windows.calls[0].cleared);
    EXPECT_TRUE(windows.calls[0].rects.empty());
}

TEST_F(ApplyShapeTest, BitmapUsesTheScalePropertiesWithoutAutoScale)
{
    base = Region(Rect{4, 4, 8, 8});
    ShapeApplyRequest r = request(1);
    r.pictureKind = PictureKind::Bitmap;
    r.scaleX = 2.5;
    r.scaleY = 0.5;
    ApplyShape(r, windows, nullptr);
    EXPECT_EQ(windows.installed(), Region(Rect{0, 0, 10, 2}));
}

TEST_F(ApplyShapeTest, MetafileIsStretchedOverTheWholeWindow)
{
    windows.geometry[kWindow] = Rect{10, 10, 60, 40}; // 50 x 30
    renderer.setPaints({{0, 0, 50, 10, false}});
    const std::vector<std::uint8_t> bytes(120, 1);
    for (PictureKind kind : {PictureKind::EnhancedMetafile, PictureKind::Metafile}) {
        windows.calls.clear();
        ShapeApplyRequest r = request(1);
        r.pictureKind = kind;
        r.metafileBytes = bytes;
        r.scaleX = 4; // plays no part
        ApplyShape(r, windows, &renderer);
        EXPECT_EQ(windows.installed(), Region(Rect{0, 0, 50, 10}));
    }
    ASSERT_EQ(renderer.calls().size(), 4u);
    EXPECT_EQ(renderer.calls()[0].format, platform::MetafileFormat::Enhanced);
    EXPECT_EQ(renderer.calls()[2].format, platform::MetafileFormat::Windows);
    EXPECT_EQ(renderer.calls()[0].width, 50);
    EXPECT_EQ(renderer.calls()[0].height, 30);
}

} // namespace
} // namespace quorvex::shape
