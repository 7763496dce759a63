#include "FormShapeFixture.h"

#include "platform/component/Container.h"
#include "shape/control/FormShapeDesignImage.h"

#include <set>

namespace quorvex::shape::testing {
namespace {

using namespace platform::component;

TEST_F(FormShapeTest, ShapeTypeOffersThreeNamedChoices)
{
    Ref<IPerPropertyBrowsing> browsing = as<IPerPropertyBrowsing>();
    std::vector<std::u16string> strings;
    std::vector<uint32_t> cookies;
    ASSERT_EQ(browsing->getPredefinedStrings(kDispIdShapeType, &strings, &cookies), kOk);
    EXPECT_EQ(strings, (std::vector<std::u16string> { u"0 - Shape String", u"1 - Shape Picture", u"2 - None" }));
    EXPECT_EQ(cookies, (std::vector<uint32_t> { 0, 1, 2 }));

    Variant chosen;
    ASSERT_EQ(browsing->getPredefinedValue(kDispIdShapeType, 2, &chosen), kOk);
    EXPECT_EQ(chosen, Variant(int16_t(2)));
    EXPECT_EQ(browsing->getPredefinedValue(kDispIdShapeType, 3, &chosen), kInvalidArg);

    std::u16string shown;
    m_shape->putShapeType(1);
    browsing->getDisplayString(kDispIdShapeType, &shown);
    EXPECT_EQ(shown, u"1 - Shape Picture");
    m_shape->putShapeType(-7);
    browsing->getDisplayString(kDispIdShapeType, &shown);
    EXPECT_EQ(shown, u"-7");

    EXPECT_EQ(browsing->getDisplayString(kDispIdMaskColor, &shown), kNotImplemented);
    EXPECT_EQ(browsing->getPredefinedStrings(kDispIdScaleX, &strings, &cookies), kNotImplemented);
}

TEST_F(FormShapeTest, OnlyThePictureMapsToThePicturePage)
{
    Ref<IPerPropertyBrowsing> browsing = as<IPerPropertyBrowsing>();
    Guid page;
    ASSERT_EQ(browsing->mapPropertyToPage(kDispIdShapePicture, &page), kOk);
    EXPECT_EQ(page, kStockPicturePage);
    EXPECT_EQ(browsing->mapPropertyToPage(kDispIdShapeString, &page), kNotImplemented);
    EXPECT_TRUE(page.isNull());
    std::vector<Guid> pages;
    as<ISpecifyPropertyPages>()->getPages(&pages);
    EXPECT_EQ(pages, std::vector<Guid> { kStockPicturePage });
}

TEST_F(FormShapeTest, DrawingAtAForeignExtentResetsItAndAsksForARedraw)
{
    Ref<AmbientSite> site = AmbientSite::create(false);
    Ref<IOleObject> ole = as<IOleObject>();
    ole->setClientSite(site.get());
    ole->setExtent({ 5080, 5080 });

    Bitmap32 canvas(40, 40, 0xFF123456u);
    const DrawRect bounds { 2, 3, 40, 40 };
    ASSERT_EQ(as<IViewObject>()->draw(canvas, bounds), kOk);
    EXPECT_EQ(canvas, Bitmap32(40, 40, 0xFF123456u)) << "nothing is drawn this time";
    EXPECT_EQ(site->redrawRequests(), 1);
    Extent extent;
    ole->getExtent(&extent);
    EXPECT_EQ(extent, (Extent { 714, 714 })) << "27 pixels at 96 per inch";

    ASSERT_EQ(as<IViewObject>()->draw(canvas, bounds), kOk);
    const Bitmap32& image = formShapeDesignImage();
    ASSERT_EQ(image.width, 27);
    for (int32_t y = 0; y < 27; ++y)
        for (int32_t x = 0; x < 27; ++x)
            ASSERT_EQ(canvas.pixel(x + 2, y + 3), image.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(canvas.pixel(30, 31), 0xFF123456u) << "unscaled: nothing beyond 27 pixels";
    EXPECT_EQ(canvas.pixel(1, 3), 0xFF123456u);
}

TEST_F(FormShapeTest, DrawingIsClippedToASmallRectangleAndTheCanvas)
{
    Bitmap32 canvas(10, 10, 0u);
    ASSERT_EQ(as<IViewObject>()->draw(canvas, { 5, 5, 8, 30 }), kOk);
    EXPECT_EQ(canvas.pixel(7, 9), formShapeDesignImage().pixel(2, 4));
    EXPECT_EQ(canvas.pixel(8, 5), 0u) << "the rectangle is 3 pixels wide";
}

TEST_F(FormShapeTest, DesignImageIsNotPlain)
{
    const Bitmap32& image = formShapeDesignImage();
    std::set<uint32_t> colours(image.pixels.begin(), image.pixels.end());
    EXPECT_GE(colours.size(), 3u);
}

TEST_F(FormShapeTest, ClassInformationDescribesTheInterface)
{
    const ClassInfo* info = nullptr;
    ASSERT_EQ(as<IProvideClassInfo2>()->getClassInfo(&info), kOk);
    EXPECT_EQ(info->clsid, kFormShapeClsid);
    EXPECT_EQ(info->defaultInterface.helpString, "IFormShape Interface");
    ASSERT_EQ(info->defaultInterface.members.size(), 9u);
    // Every member the type information names answers through dispatch.
    for (const MemberInfo& member : info->defaultInterface.members)
        EXPECT_EQ(dispatchIdOf(m_shape.get(), member.name), member.id) << member.name;
    EXPECT_TRUE(info->defaultInterface.members[0].hidden) << "hWnd is hidden";
    uint32_t status = 0;
    as<IOleObject>()->getMiscStatus(&status);
    EXPECT_EQ(status, 132497u);
}

TEST_F(FormShapeTest, AnswersEveryInterfaceOfTheControlContract)
{
    const Guid interfaces[] = { IFormShape::kIid,          IDispatch::kIid,          IViewObject::kIid,
                                IOleObject::kIid,          IOleControl::kIid,        IPersistStream::kIid,
                                IPersistStreamInit::kIid,  IPersistPropertyBag::kIid, IPersistStorage::kIid,
                                IConnectionPointContainer::kIid, IPerPropertyBrowsing::kIid,
                                ISpecifyPropertyPages::kIid, IProvideClassInfo::kIid, IProvideClassInfo2::kIid,
                                IUnknown::kIid };
    for (const Guid& iid : interfaces) {
        Ref<IUnknown> answered;
        EXPECT_EQ(m_shape->queryInterface(iid, answered.putVoid()), kOk) << iid.toString();
    }
    Ref<IUnknown> none;
    EXPECT_EQ(m_shape->queryInterface(IPicture::kIid, none.putVoid()), kNoInterface);
    EXPECT_FALSE(none);
}

} // namespace
} // namespace quorvex::shape::testing
