#include "shape/control/FormShape.h"

#include "platform/component/MemoryStream.h"
#include "platform/component/OleColor.h"
#include "shape/control/WindowRegionAdapter.h"
#include "shape/region/ApplyShape.h"
#include "shape/region/BitmapRegion.h"
#include "shape/region/ShapeRegion.h"

#include <new>

namespace quorvex::shape {

using namespace platform::component;

IFormShape* FormShape::create(platform::WindowRegionSystem& windows, const platform::MetafileRenderer* renderer)
{
    return new (std::nothrow) FormShape(windows, renderer);
}

FormShape::FormShape(platform::WindowRegionSystem& windows, const platform::MetafileRenderer* renderer)
    : m_windows(windows)
    , m_renderer(renderer)
    , m_propertyNotify(static_cast<IFormShape&>(*this), IPropertyNotifySink::kIid)
    , m_extent { pixelsToHundredthsMm(kFormShapeImageSide), pixelsToHundredthsMm(kFormShapeImageSide) }
{
}

FormShape::~FormShape() = default;

HResult FormShape::queryInterface(const Guid& iid, void** out)
{
    return answerQuery<IFormShape, IDispatch, IViewObject, IOleObject, IOleControl, IPersistStream,
                       IPersistStreamInit, IPersistPropertyBag, IPersistStorage, IConnectionPointContainer,
                       IPerPropertyBrowsing, ISpecifyPropertyPages, IProvideClassInfo, IProvideClassInfo2>(
        this, iid, out);
}

uint32_t FormShape::release()
{
    uint32_t left = m_refs.drop();
    if (left == 0)
        delete this;
    return left;
}

void FormShape::changed(DispId id)
{
    m_dirty = true;
    m_propertyNotify.notifyChanged(id);
}

// ---- Regions ----------------------------------------------------------

void FormShape::rebuildStringRegion()
{
    m_parsedShape.text = m_shapeString;
    ParseShapeString(m_parsedShape);
    buildStringBase();
}

void FormShape::buildStringBase()
{
    const RasterLimits limits = baseLimits();
    m_baseRegion = BuildShapeRegion(m_parsedShape, 1.0, 1.0, FillRule::Alternate, CombineMode::Xor, limits);
    m_baseClip = limits.clip;
}

RasterLimits FormShape::baseLimits() const
{
    // Under AutoScale the outline at scale 1 sets the factors, so all of it
    // counts. Otherwise only whether there is an outline at all matters, which
    // clipping cannot change, and the window's own area is enough.
    if (m_autoScale || m_hWnd == 0)
        return RasterLimits {};
    const std::optional<platform::RegionRect> outer =
        m_windows.windowRect(static_cast<platform::RegionWindowId>(m_hWnd));
    if (!outer)
        return RasterLimits {};
    return RasterLimitsForWindow(int64_t(outer->right) - outer->left, int64_t(outer->bottom) - outer->top);
}

void FormShape::rebuildPictureRegion()
{
    if (m_shapeType != kShapeFromPicture)
        return;
    m_baseRegion.reset();
    Ref<IPicture> picture = component::queryInterface<IPicture>(m_picture);
    if (!picture)
        return;
    component::PictureKind kind = component::PictureKind::None;
    const Bitmap32* bitmap = nullptr;
    if (failed(picture->getKind(&kind)) || kind != component::PictureKind::Bitmap || failed(picture->getBitmap(&bitmap))
        || !bitmap)
        return;
    std::optional<uint32_t> rgb = translateOleColor(m_maskColor);
    if (!rgb)
        return;
    BitmapView view { bitmap->pixels.data(), bitmap->width, bitmap->height, size_t(bitmap->width) * 4 };
    m_baseRegion = BuildMaskRegion(view, *rgb);
}

void FormShape::applyShape()
{
    if (m_hWnd == 0)
        return;
    if (m_shapeType == kShapeFromString && baseLimits().clip != m_baseClip)
        buildStringBase();
    ShapeApplyRequest request;
    request.window = static_cast<WindowHandle>(m_hWnd);
    request.shapeType = m_shapeType;
    request.parsedShape = &m_parsedShape;
    request.baseRegion = &m_baseRegion;
    request.autoScale = m_autoScale;
    request.scaleX = m_scaleX;
    request.scaleY = m_scaleY;
    if (Ref<IPicture> picture = component::queryInterface<IPicture>(m_picture)) {
        component::PictureKind kind = component::PictureKind::None;
        picture->getKind(&kind);
        request.pictureKind = static_cast<shape::PictureKind>(kind);
        std::span<const uint8_t> data;
        if (succeeded(picture->getData(&data)))
            request.metafileBytes = data;
    }
    WindowRegionAdapter windows(m_windows);
    ApplyShape(request, windows, m_renderer);
}

// ---- Properties -------------------------------------------------------

HResult FormShape::getHWnd(int32_t* window)
{
    if (!window)
        return kPointer;
    *window = m_hWnd;
    return kOk;
}

HResult FormShape::putHWnd(int32_t window)
{
    // The old window goes back to a plain rectangle before the new one is shaped.
    if (m_hWnd != 0 && m_hWnd != window)
        m_windows.clearRegion(static_cast<platform::RegionWindowId>(m_hWnd));
    m_hWnd = window;
    applyShape();
    changed(kDispIdHWnd);
    return kOk;
}

HResult FormShape::getShapeType(int16_t* type)
{
    if (!type)
        return kPointer;
    *type = m_shapeType;
    return kOk;
}

HResult FormShape::putShapeType(int16_t type)
{
    if (type == m_shapeType)
        return kOk;
    if (type == kShapeFromString) {
        rebuildStringRegion();
    } else if (type == kShapeFromPicture) {
        m_shapeType = type; // the picture rebuild only runs for ShapeType 1
        rebuildPictureRegion();
    }
    m_shapeType = type;
    applyShape();
    changed(kDispIdShapeType);
    return kOk;
}

HResult FormShape::getShapeString(std::u16string* text)
{
    if (!text)
        return kPointer;
    *text = toUtf16(m_shapeString);
    return kOk;
}

HResult FormShape::putShapeString(std::u16string_view text)
{
    m_shapeString = toUtf8(text);
    if (m_shapeType == kShapeFromString) {
        rebuildStringRegion();
        applyShape();
    }
    changed(kDispIdShapeString);
    return kOk;
}

HResult FormShape::getShapePicture(IDispatch** picture)
{
    if (!picture)
        return kPointer;
    *picture = Ref<IDispatch>(m_picture).detach();
    return kOk;
}

namespace {

// An independent copy through the picture's stream form: saved into a
// zero-filled block of its maximum size, then loaded as a new picture.
Ref<IDispatch> copyPicture(IDispatch* original)
{
    Ref<IPersistStream> persist = component::queryInterface<IPersistStream>(original);
    if (!persist)
        return {};
    uint64_t size = 0;
    if (failed(persist->getSizeMax(&size)) || size > kMaxPictureDataBytes + 64)
        return {};
    Ref<MemoryStream> block;
    try {
        block = MemoryStream::createZeroed(size_t(size));
    } catch (const std::bad_alloc&) {
        return {};
    }
    if (!block || failed(persist->save(block.get(), false)))
        return {};
    block->seek(0, SeekOrigin::Begin, nullptr);
    Ref<IDispatch> copy;
    if (failed(loadPicture(block.get(), IDispatch::kIid, copy.putVoid())))
        return {};
    return copy;
}

} // namespace

HResult FormShape::setPicture(IDispatch* picture, bool byReference)
{
    if (!m_propertyNotify.requestEdit(kDispIdShapePicture))
        return kFalse;
    m_picture.reset();
    if (picture)
        m_picture = byReference ? Ref<IDispatch>(picture) : copyPicture(picture);
    rebuildPictureRegion();
    applyShape();
    changed(kDispIdShapePicture);
    return kOk;
}

HResult FormShape::putShapePicture(IDispatch* picture)
{
    return setPicture(picture, false);
}

HResult FormShape::putRefShapePicture(IDispatch* picture)
{
    return setPicture(picture, true);
}

HResult FormShape::getMaskColor(uint32_t* color)
{
    if (!color)
        return kPointer;
    *color = m_maskColor;
    return kOk;
}

HResult FormShape::putMaskColor(uint32_t color)
{
    m_maskColor = color;
    if (m_shapeType == kShapeFromPicture) {
        rebuildPictureRegion();
        applyShape();
    }
    changed(kDispIdMaskColor);
    return kOk;
}

HResult FormShape::getAutoScale(VariantBool* autoScale)
{
    if (!autoScale)
        return kPointer;
    *autoScale = toVariantBool(m_autoScale);
    return kOk;
}

HResult FormShape::putAutoScale(VariantBool autoScale)
{
    bool value = autoScale != 0;
    if (value == m_autoScale)
        return kOk;
    m_autoScale = value;
    applyShape();
    changed(kDispIdAutoScale);
    return kOk;
}

HResult FormShape::getScaleX(double* scale)
{
    if (!scale)
        return kPointer;
    *scale = m_scaleX;
    return kOk;
}

HResult FormShape::putScaleX(double scale)
{
    m_scaleX = scale;
    if (!m_autoScale)
        applyShape();
    changed(kDispIdScaleX);
    return kOk;
}

HResult FormShape::getScaleY(double* scale)
{
    if (!scale)
        return kPointer;
    *scale = m_scaleY;
    return kOk;
}

HResult FormShape::putScaleY(double scale)
{
    m_scaleY = scale;
    if (!m_autoScale)
        applyShape();
    changed(kDispIdScaleY);
    return kOk;
}

HResult FormShape::refresh()
{
    if (m_shapeType == kShapeFromString || m_shapeType == kShapeFromPicture)
        applyShape();
    return kOk;
}

// ---- Dispatch ---------------------------------------------------------

HResult FormShape::getIdsOfNames(std::span<const std::string_view> names, std::span<DispId> ids)
{
    static constexpr DispatchName kNames[] = {
        { "hWnd", kDispIdHWnd },           { "ShapeType", kDispIdShapeType }, { "ShapeString", kDispIdShapeString },
        { "ShapePicture", kDispIdShapePicture }, { "MaskColor", kDispIdMaskColor }, { "AutoScale", kDispIdAutoScale },
        { "ScaleX", kDispIdScaleX },       { "ScaleY", kDispIdScaleY },       { "Refresh", kDispIdRefresh },
    };
    return lookupDispatchNames(kNames, names, ids);
}

HResult FormShape::invoke(DispId id, InvokeKind kind, std::span<const Variant> args, Variant* result)
{
    if (id == kDispIdRefresh) {
        if (kind != InvokeKind::Method)
            return kMemberNotFound;
        if (!args.empty())
            return kBadParamCount;
        if (result)
            *result = Variant();
        return refresh();
    }
    if (id < kDispIdHWnd || id > kDispIdScaleY)
        return kMemberNotFound;
    switch (kind) {
    case InvokeKind::PropertyGet:
        if (!args.empty())
            return kBadParamCount;
        return invokeGet(id, result);
    case InvokeKind::PropertyPut:
    case InvokeKind::PropertyPutRef:
        if (args.size() != 1)
            return kBadParamCount;
        if (kind == InvokeKind::PropertyPutRef && id != kDispIdShapePicture)
            return kMemberNotFound;
        return invokePut(id, args[0], kind == InvokeKind::PropertyPutRef);
    case InvokeKind::Method:
        return kMemberNotFound;
    }
    return kMemberNotFound;
}

HResult FormShape::invokeGet(DispId id, Variant* result)
{
    if (!result)
        return kPointer;
    switch (id) {
    case kDispIdHWnd:
        *result = Variant(m_hWnd);
        return kOk;
    case kDispIdShapeType:
        *result = Variant(m_shapeType);
        return kOk;
    case kDispIdShapeString:
        *result = Variant(toUtf16(m_shapeString));
        return kOk;
    case kDispIdShapePicture:
        *result = Variant(m_picture.get());
        return kOk;
    case kDispIdMaskColor:
        *result = Variant(m_maskColor);
        return kOk;
    case kDispIdAutoScale:
        *result = Variant::boolean(m_autoScale);
        return kOk;
    case kDispIdScaleX:
        *result = Variant(m_scaleX);
        return kOk;
    case kDispIdScaleY:
        *result = Variant(m_scaleY);
        return kOk;
    default:
        return kMemberNotFound;
    }
}

HResult FormShape::invokePut(DispId id, const Variant& value, bool byReference)
{
    if (id == kDispIdShapePicture) {
        IDispatch* picture = nullptr;
        Ref<IDispatch> queried;
        if (value.type() == VarType::Dispatch) {
            picture = value.asDispatch();
        } else if (value.type() == VarType::Unknown) {
            queried = component::queryInterface<IDispatch>(value.asUnknown());
            if (value.asUnknown() && !queried)
                return kTypeMismatch;
            picture = queried.get();
        } else if (value.type() != VarType::Empty) {
            return kTypeMismatch;
        }
        return byReference ? putRefShapePicture(picture) : putShapePicture(picture);
    }
    // Colours are often passed as signed 32-bit numbers (system colours have
    // the top bit set); their bits are the colour.
    if (id == kDispIdMaskColor && value.type() == VarType::Int32)
        return putMaskColor(static_cast<uint32_t>(value.asInt32()));

    static constexpr VarType kTypes[] = { VarType::Empty, VarType::Int32,  VarType::Int16,  VarType::String,
                                          VarType::Empty, VarType::UInt32, VarType::Bool,   VarType::Double,
                                          VarType::Double };
    Variant converted;
    HResult hr = value.convertTo(kTypes[id], converted);
    if (failed(hr))
        return hr;
    switch (id) {
    case kDispIdHWnd:
        return putHWnd(converted.asInt32());
    case kDispIdShapeType:
        return putShapeType(converted.asInt16());
    case kDispIdShapeString:
        return putShapeString(converted.asString());
    case kDispIdMaskColor:
        return putMaskColor(converted.asUInt32());
    case kDispIdAutoScale:
        return putAutoScale(converted.asVariantBool());
    case kDispIdScaleX:
        return putScaleX(converted.asDouble());
    case kDispIdScaleY:
        return putScaleY(converted.asDouble());
    default:
        return kMemberNotFound;
    }
}

} // namespace quorvex::shape
