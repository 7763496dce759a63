#include "FormShapeFixture.h"

namespace quorvex::shape::testing {

using namespace platform::component;

FormShapeTest::FormShapeTest()
{
    m_windows.addWindow(kWindowA, { 0, 0, 200, 100 });
    m_windows.addWindow(kWindowB, { 50, 50, 350, 150 });
    m_shape = Ref<IFormShape>::adopt(FormShape::create(m_windows, nullptr));
    uint32_t cookie = 0;
    Ref<IConnectionPointContainer> container = as<IConnectionPointContainer>();
    Ref<IConnectionPoint> point;
    EXPECT_EQ(container->findConnectionPoint(IPropertyNotifySink::kIid, point.put()), kOk);
    EXPECT_EQ(point->advise(&m_sink, &cookie), kOk);
}

FormShapeTest::~FormShapeTest()
{
    if (Ref<IOleObject> ole = as<IOleObject>())
        ole->close();
}

Bitmap32 makeBitmap(int32_t width, int32_t height, uint32_t background, uint32_t foreground, int32_t left,
                    int32_t top, int32_t right, int32_t bottom)
{
    Bitmap32 bitmap(width, height, 0xFF000000u | background);
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x)
            bitmap.setPixel(x, y, 0xFF000000u | foreground);
    return bitmap;
}

Ref<IDispatch> makePicture(const Bitmap32& bitmap)
{
    return queryInterface<IDispatch>(createPictureFromBitmap(bitmap));
}

std::vector<platform::RegionRect> rectsOf(std::initializer_list<platform::RegionRect> rects)
{
    return rects;
}

} // namespace quorvex::shape::testing
