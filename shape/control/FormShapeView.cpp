#include "shape/control/FormShape.h"

#include "shape/control/FormShapeDesignImage.h"
#include "shape/control/FormShapeTypeInfo.h"

#include <algorithm>

namespace quorvex::shape {

using namespace platform::component;

// ---- Appearance ---------------------------------------------------------

// The control keeps its content at the image's size: a container that drew
// it at another extent is asked to redraw after the extent is put back.
HResult FormShape::draw(Bitmap32& target, const DrawRect& bounds)
{
    Extent wanted { pixelsToHundredthsMm(kFormShapeImageSide), pixelsToHundredthsMm(kFormShapeImageSide) };
    if (m_extent != wanted) {
        setExtent(wanted);
        if (m_site)
            m_site->requestRedraw();
        return kOk;
    }
    const Bitmap32& image = formShapeDesignImage();
    int32_t width = std::min({ image.width, bounds.right - bounds.left, target.width - bounds.left });
    int32_t height = std::min({ image.height, bounds.bottom - bounds.top, target.height - bounds.top });
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            int32_t tx = bounds.left + x;
            int32_t ty = bounds.top + y;
            if (tx >= 0 && ty >= 0)
                target.setPixel(tx, ty, image.pixel(x, y));
        }
    }
    return kOk;
}

// ---- Embedding ----------------------------------------------------------

HResult FormShape::setClientSite(IOleClientSite* site)
{
    m_site = Ref<IOleClientSite>(site);
    return kOk;
}

HResult FormShape::getClientSite(IOleClientSite** site)
{
    if (!site)
        return kPointer;
    *site = Ref<IOleClientSite>(m_site).detach();
    return kOk;
}

HResult FormShape::setExtent(const Extent& extent)
{
    if (extent.width < 0 || extent.height < 0)
        return kInvalidArg;
    m_extent = extent;
    return kOk;
}

HResult FormShape::getExtent(Extent* extent)
{
    if (!extent)
        return kPointer;
    *extent = m_extent;
    return kOk;
}

HResult FormShape::getMiscStatus(uint32_t* status)
{
    if (!status)
        return kPointer;
    *status = kFormShapeMiscStatus;
    return kOk;
}

HResult FormShape::close()
{
    m_propertyNotify.disconnectAll();
    m_site.reset();
    return kOk;
}

HResult FormShape::onAmbientPropertyChange(DispId)
{
    return kOk;
}

HResult FormShape::findConnectionPoint(const Guid& iid, IConnectionPoint** out)
{
    if (!out)
        return kPointer;
    *out = nullptr;
    if (iid != IPropertyNotifySink::kIid)
        return kNoConnection;
    *out = &m_propertyNotify;
    m_propertyNotify.addRef();
    return kOk;
}

// ---- Property browsing --------------------------------------------------

namespace {

constexpr std::u16string_view kShapeTypeStrings[] = { u"0 - Shape String", u"1 - Shape Picture", u"2 - None" };

} // namespace

HResult FormShape::getDisplayString(DispId id, std::u16string* text)
{
    if (id != kDispIdShapeType)
        return kNotImplemented;
    if (!text)
        return kPointer;
    if (m_shapeType >= 0 && m_shapeType <= 2)
        *text = kShapeTypeStrings[m_shapeType];
    else
        *text = toUtf16(std::to_string(m_shapeType));
    return kOk;
}

HResult FormShape::mapPropertyToPage(DispId id, Guid* page)
{
    if (!page)
        return kPointer;
    *page = Guid {};
    if (id != kDispIdShapePicture)
        return kNotImplemented;
    *page = kStockPicturePage;
    return kOk;
}

HResult FormShape::getPredefinedStrings(DispId id, std::vector<std::u16string>* strings,
                                        std::vector<uint32_t>* cookies)
{
    if (id != kDispIdShapeType)
        return kNotImplemented;
    if (!strings || !cookies)
        return kPointer;
    strings->clear();
    cookies->clear();
    for (uint32_t cookie = 0; cookie < 3; ++cookie) {
        strings->emplace_back(kShapeTypeStrings[cookie]);
        cookies->push_back(cookie);
    }
    return kOk;
}

HResult FormShape::getPredefinedValue(DispId id, uint32_t cookie, Variant* value)
{
    if (id != kDispIdShapeType)
        return kNotImplemented;
    if (!value)
        return kPointer;
    if (cookie > 2)
        return kInvalidArg;
    *value = Variant(int16_t(cookie));
    return kOk;
}

HResult FormShape::getPages(std::vector<Guid>* pages)
{
    if (!pages)
        return kPointer;
    *pages = { kStockPicturePage };
    return kOk;
}

HResult FormShape::getClassInfo(const ClassInfo** info)
{
    if (!info)
        return kPointer;
    *info = &formShapeClassInfo();
    return kOk;
}

HResult FormShape::getDefaultSourceIid(Guid* iid)
{
    if (!iid)
        return kPointer;
    // The control raises no events.
    *iid = Guid {};
    return kOk;
}

} // namespace quorvex::shape
