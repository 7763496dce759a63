#include "shape/control/FormShape.h"

#include "platform/component/StreamIo.h"

namespace quorvex::shape {

using namespace platform::component;

namespace {

// The saved properties after the extent, in the order they are written and
// read back; ShapeString follows them in its own counted form.
constexpr DispId kSavedOrder[] = { kDispIdShapeType, kDispIdMaskColor, kDispIdAutoScale,
                                   kDispIdScaleX,    kDispIdScaleY,    kDispIdShapePicture };

struct PropertyName {
    DispId id;
    std::string_view name;
};
constexpr PropertyName kBagNames[] = {
    { kDispIdShapeType, "ShapeType" }, { kDispIdMaskColor, "MaskColor" },       { kDispIdAutoScale, "AutoScale" },
    { kDispIdScaleX, "ScaleX" },       { kDispIdScaleY, "ScaleY" },             { kDispIdShapePicture, "ShapePicture" },
    { kDispIdShapeString, "ShapeString" },
};

constexpr const char* kContentsStream = "Contents";

// One value: its type tag, then the value in its fixed size; objects in the
// standard object-to-stream form.
template<class T, class Read, class Make>
HResult readFixed(StreamReader& reader, Read read, Make make, Variant& value)
{
    T v {};
    HResult hr = (reader.*read)(v);
    if (succeeded(hr))
        value = make(v);
    return hr;
}

HResult readTaggedValue(IStream& stream, Variant& value)
{
    StreamReader reader(stream);
    uint16_t tag = 0;
    HResult hr = reader.readUInt16(tag);
    if (failed(hr))
        return hr;
    auto same = [](auto v) { return Variant(v); };
    switch (static_cast<VarType>(tag)) {
    case VarType::Empty:
        value = Variant();
        return kOk;
    case VarType::Int16:
        return readFixed<int16_t>(reader, &StreamReader::readInt16, same, value);
    case VarType::Bool:
        return readFixed<int16_t>(reader, &StreamReader::readInt16, [](int16_t v) { return Variant::boolean(v != 0); },
                                  value);
    case VarType::Int32:
        return readFixed<int32_t>(reader, &StreamReader::readInt32, same, value);
    case VarType::UInt32:
        return readFixed<uint32_t>(reader, &StreamReader::readUInt32, same, value);
    case VarType::Double:
        return readFixed<double>(reader, &StreamReader::readDouble, same, value);
    case VarType::String: {
        std::u16string text;
        hr = reader.readCountedString(text);
        if (succeeded(hr))
            value = Variant(std::move(text));
        return hr;
    }
    case VarType::Dispatch:
    case VarType::Unknown: {
        Ref<IDispatch> object;
        hr = loadObjectFromStream(&stream, IDispatch::kIid, object.putVoid());
        if (succeeded(hr))
            value = Variant(object);
        return hr;
    }
    }
    return kInvalidData;
}

HResult writeTaggedValue(IStream& stream, const Variant& value)
{
    StreamWriter writer(stream);
    HResult hr = writer.writeUInt16(static_cast<uint16_t>(value.type()));
    if (failed(hr))
        return hr;
    switch (value.type()) {
    case VarType::Empty:
        return kOk;
    case VarType::Int16:
        return writer.writeInt16(value.asInt16());
    case VarType::Bool:
        return writer.writeInt16(value.asVariantBool());
    case VarType::Int32:
        return writer.writeInt32(value.asInt32());
    case VarType::UInt32:
        return writer.writeUInt32(value.asUInt32());
    case VarType::Double:
        return writer.writeDouble(value.asDouble());
    case VarType::String:
        return writer.writeCountedString(value.asString());
    case VarType::Dispatch:
    case VarType::Unknown: {
        Ref<IPersistStream> persist = component::queryInterface<IPersistStream>(value.asUnknown());
        return saveObjectToStream(persist.get(), &stream);
    }
    }
    return kInvalidArg;
}

uint64_t taggedValueSize(const Variant& value)
{
    switch (value.type()) {
    case VarType::Int16:
    case VarType::Bool:
        return 2 + 2;
    case VarType::Int32:
    case VarType::UInt32:
        return 2 + 4;
    case VarType::Double:
        return 2 + 8;
    case VarType::String:
        return 2 + 4 + (value.asString().size() + 1) * 2;
    case VarType::Dispatch:
    case VarType::Unknown: {
        uint64_t size = 0;
        if (Ref<IPersistStream> persist = component::queryInterface<IPersistStream>(value.asUnknown()))
            persist->getSizeMax(&size);
        return 2 + Guid::kByteSize + size;
    }
    case VarType::Empty:
        break;
    }
    return 2;
}

} // namespace

// Loaded values go through the dispatch setters. An object value is offered
// by reference first, so a loaded picture is held as it was read, and by
// value only when that is refused.
HResult FormShape::putLoadedValue(DispId id, const Variant& value)
{
    std::span<const Variant> args(&value, 1);
    if (id == kDispIdShapePicture) {
        HResult hr = invoke(id, InvokeKind::PropertyPutRef, args, nullptr);
        if (hr == kOk)
            return hr;
    }
    return invoke(id, InvokeKind::PropertyPut, args, nullptr);
}

HResult FormShape::loadProperties(IStream& stream)
{
    StreamReader reader(stream);
    uint32_t version = 0;
    HResult hr = reader.readUInt32(version);
    if (failed(hr))
        return hr;
    if (version <= kFormShapeStreamVersion) {
        Extent extent;
        hr = reader.readInt32(extent.width);
        if (succeeded(hr))
            hr = reader.readInt32(extent.height);
        if (failed(hr))
            return hr;
        m_extent = extent;
    }
    for (DispId id : kSavedOrder) {
        Variant value;
        hr = readTaggedValue(stream, value);
        if (failed(hr))
            return hr;
        hr = putLoadedValue(id, value);
        if (failed(hr))
            return hr;
    }
    std::u16string text;
    hr = reader.readCountedString(text);
    if (failed(hr))
        return hr;
    hr = putShapeString(text);
    if (failed(hr))
        return hr;
    m_dirty = false;
    return kOk;
}

HResult FormShape::saveProperties(IStream& stream)
{
    StreamWriter writer(stream);
    HResult hr = writer.writeUInt32(kFormShapeStreamVersion);
    if (succeeded(hr))
        hr = writer.writeInt32(m_extent.width);
    if (succeeded(hr))
        hr = writer.writeInt32(m_extent.height);
    for (DispId id : kSavedOrder) {
        if (failed(hr))
            return hr;
        Variant value;
        hr = invokeGet(id, &value);
        if (succeeded(hr))
            hr = writeTaggedValue(stream, value);
    }
    if (succeeded(hr))
        hr = writer.writeCountedString(toUtf16(m_shapeString));
    return hr;
}

HResult FormShape::classId(Guid* clsid)
{
    if (!clsid)
        return kPointer;
    *clsid = kFormShapeClsid;
    return kOk;
}

HResult FormShape::isDirty()
{
    return m_dirty ? kOk : kFalse;
}

HResult FormShape::initNew()
{
    return kOk;
}

HResult FormShape::load(IStream* stream)
{
    if (!stream)
        return kPointer;
    return loadProperties(*stream);
}

HResult FormShape::save(IStream* stream, bool clearDirty)
{
    if (!stream)
        return kPointer;
    HResult hr = saveProperties(*stream);
    if (succeeded(hr) && clearDirty)
        m_dirty = false;
    return hr;
}

HResult FormShape::getSizeMax(uint64_t* size)
{
    if (!size)
        return kPointer;
    uint64_t total = 4 + 8;
    for (DispId id : kSavedOrder) {
        Variant value;
        invokeGet(id, &value);
        total += taggedValueSize(value);
    }
    // Each 8-bit character becomes at most one UTF-16 code unit.
    total += 4 + (m_shapeString.size() + 1) * 2;
    *size = total;
    return kOk;
}

// A value missing from the bag keeps the property as it is; a value that is
// there but cannot be set stops loading.
HResult FormShape::load(IPropertyBag* bag)
{
    if (!bag)
        return kPointer;
    for (const PropertyName& property : kBagNames) {
        Variant value;
        HResult hr = bag->read(property.name, &value);
        if (hr == kInvalidArg)
            continue;
        if (failed(hr))
            return hr;
        hr = putLoadedValue(property.id, value);
        if (failed(hr))
            return hr;
    }
    m_dirty = false;
    return kOk;
}

HResult FormShape::save(IPropertyBag* bag, bool clearDirty, bool)
{
    if (!bag)
        return kPointer;
    for (const PropertyName& property : kBagNames) {
        Variant value;
        HResult hr = invokeGet(property.id, &value);
        if (succeeded(hr))
            hr = bag->write(property.name, value);
        if (failed(hr))
            return hr;
    }
    if (clearDirty)
        m_dirty = false;
    return kOk;
}

HResult FormShape::initNew(IStorage*)
{
    return kOk;
}

HResult FormShape::load(IStorage* storage)
{
    if (!storage)
        return kPointer;
    Ref<IStream> contents;
    HResult hr = storage->openStream(kContentsStream, contents.put());
    if (failed(hr))
        return hr;
    return loadProperties(*contents);
}

HResult FormShape::save(IStorage* storage, bool)
{
    if (!storage)
        return kPointer;
    Ref<IStream> contents;
    HResult hr = storage->createStream(kContentsStream, contents.put());
    if (failed(hr))
        return hr;
    hr = saveProperties(*contents);
    if (succeeded(hr))
        m_dirty = false;
    return hr;
}

HResult FormShape::saveCompleted(IStorage*)
{
    return kOk;
}

HResult FormShape::handsOffStorage()
{
    return kOk;
}

} // namespace quorvex::shape
