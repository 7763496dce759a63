#include "platform/component/Picture.h"

#include "platform/component/PictureStreamForm.h"
#include "platform/component/Runtime.h"
#include "platform/component/StreamIo.h"

#include <new>

namespace quorvex::platform::component {

namespace {

class StdPicture final : public IPicture, public IDispatch, public IPersistStream {
public:
    HResult queryInterface(const Guid& iid, void** out) override
    {
        return answerQuery<IPicture, IDispatch, IPersistStream>(this, iid, out);
    }
    QUORVEX_IMPLEMENT_REFCOUNT

    HResult getKind(PictureKind* kind) override
    {
        if (!kind)
            return kPointer;
        *kind = m_kind;
        return kOk;
    }
    HResult getBitmap(const Bitmap32** bitmap) override
    {
        if (!bitmap)
            return kPointer;
        *bitmap = m_kind == PictureKind::Bitmap && m_bitmap.isValid() ? &m_bitmap : nullptr;
        return kOk;
    }
    HResult getData(std::span<const uint8_t>* data) override
    {
        if (!data)
            return kPointer;
        *data = m_data;
        return kOk;
    }
    HResult getExtent(Extent* extent) override
    {
        if (!extent)
            return kPointer;
        *extent = {};
        if (m_kind == PictureKind::Bitmap)
            *extent = { pixelsToHundredthsMm(m_bitmap.width), pixelsToHundredthsMm(m_bitmap.height) };
        return kOk;
    }

    HResult getIdsOfNames(std::span<const std::string_view> names, std::span<DispId> ids) override
    {
        static constexpr DispatchName kNames[] = {
            { "Type", kDispIdPictureType },
            { "Width", kDispIdPictureWidth },
            { "Height", kDispIdPictureHeight },
        };
        return lookupDispatchNames(kNames, names, ids);
    }
    HResult invoke(DispId id, InvokeKind kind, std::span<const Variant>, Variant* result) override
    {
        if (kind != InvokeKind::PropertyGet)
            return kMemberNotFound;
        if (!result)
            return kPointer;
        Extent extent;
        getExtent(&extent);
        switch (id) {
        case kDispIdPictureType:
            *result = Variant(int16_t(m_kind));
            return kOk;
        case kDispIdPictureWidth:
            *result = Variant(extent.width);
            return kOk;
        case kDispIdPictureHeight:
            *result = Variant(extent.height);
            return kOk;
        default:
            return kMemberNotFound;
        }
    }

    HResult classId(Guid* clsid) override
    {
        if (!clsid)
            return kPointer;
        *clsid = kStdPictureClsid;
        return kOk;
    }
    HResult isDirty() override { return m_dirty ? kOk : kFalse; }
    HResult load(IStream* stream) override
    {
        if (!stream)
            return kPointer;
        PictureStreamContent content;
        HResult hr = readPictureStream(*stream, content);
        if (failed(hr))
            return hr;
        if (content.kind == PictureKind::Bitmap) {
            Bitmap32 bitmap = decodeBmp(content.data);
            if (!bitmap.isValid())
                return kInvalidData;
            m_bitmap = std::move(bitmap);
            m_bmpFile = std::move(content.data);
            m_data.clear();
        } else {
            m_bitmap = {};
            m_bmpFile.clear();
            m_data = std::move(content.data);
        }
        m_kind = content.kind;
        m_dirty = false;
        return kOk;
    }
    HResult save(IStream* stream, bool clearDirty) override
    {
        if (!stream)
            return kPointer;
        if (dataBytes() > kMaxPictureDataBytes)
            return kTooLarge;
        std::vector<uint8_t> encoded;
        std::span<const uint8_t> data = m_data;
        if (m_kind == PictureKind::Bitmap) {
            if (m_bmpFile.empty())
                encoded = encodeBmp(m_bitmap);
            data = m_bmpFile.empty() ? std::span<const uint8_t>(encoded) : std::span<const uint8_t>(m_bmpFile);
        }
        HResult hr = writePictureStream(*stream, pictureStreamFormFor(m_kind, data), m_kind, data);
        if (succeeded(hr) && clearDirty)
            m_dirty = false;
        return hr;
    }
    HResult getSizeMax(uint64_t* size) override
    {
        if (!size)
            return kPointer;
        *size = pictureStreamHeaderBytes(streamForm()) + dataBytes();
        return kOk;
    }

    // The size of the data part of the stream form: a bitmap's own BMP file
    // when it came from one (so it keeps its depth), else a 32-bit encoding.
    uint64_t dataBytes() const
    {
        if (m_kind != PictureKind::Bitmap)
            return m_data.size();
        return m_bmpFile.empty() ? encodedBmpBytes(m_bitmap) : m_bmpFile.size();
    }
    PictureStreamForm streamForm() const
    {
        return m_kind == PictureKind::Bitmap ? PictureStreamForm::Standard : pictureStreamFormFor(m_kind, m_data);
    }

    PictureKind m_kind = PictureKind::None;
    Bitmap32 m_bitmap;
    std::vector<uint8_t> m_data;
    // The BMP file a bitmap was read from, written back as it was.
    std::vector<uint8_t> m_bmpFile;
    bool m_dirty = false;

private:
    ~StdPicture() = default;
    RefCount m_refs;
};

Ref<IPicture> adoptPicture(StdPicture* picture)
{
    return Ref<IPicture>::adopt(static_cast<IPicture*>(picture));
}

} // namespace

Ref<IPicture> createPictureFromBitmap(Bitmap32 bitmap)
{
    auto* picture = new (std::nothrow) StdPicture;
    if (!picture)
        return {};
    if (bitmap.isValid()) {
        picture->m_kind = PictureKind::Bitmap;
        picture->m_bitmap = std::move(bitmap);
    }
    return adoptPicture(picture);
}

Ref<IPicture> createPictureFromBmpFile(std::span<const uint8_t> file, std::string* error)
{
    Bitmap32 bitmap = decodeBmp(file, error);
    if (!bitmap.isValid())
        return {};
    auto* picture = new (std::nothrow) StdPicture;
    if (!picture)
        return {};
    picture->m_kind = PictureKind::Bitmap;
    picture->m_bitmap = std::move(bitmap);
    picture->m_bmpFile.assign(file.begin(), file.end());
    return adoptPicture(picture);
}

Ref<IPicture> createPictureFromData(PictureKind kind, std::vector<uint8_t> data)
{
    auto* picture = new (std::nothrow) StdPicture;
    if (!picture)
        return {};
    picture->m_kind = kind;
    picture->m_data = std::move(data);
    return adoptPicture(picture);
}

// Built-in class used by createInstance.
IUnknown* createEmptyPicture()
{
    auto* picture = new (std::nothrow) StdPicture;
    return picture ? static_cast<IPicture*>(picture) : nullptr;
}

HResult loadPicture(IStream* stream, const Guid& iid, void** out)
{
    if (!out)
        return kPointer;
    *out = nullptr;
    Ref<IPicture> picture = createPictureFromBitmap({});
    if (!picture)
        return kOutOfMemory;
    Ref<IPersistStream> persist = queryInterface<IPersistStream>(picture);
    HResult hr = persist->load(stream);
    if (failed(hr))
        return hr;
    return picture->queryInterface(iid, out);
}

HResult saveObjectToStream(IPersistStream* object, IStream* stream)
{
    if (!stream)
        return kPointer;
    StreamWriter writer(*stream);
    if (!object)
        return writer.writeGuid(Guid {});
    Guid clsid;
    HResult hr = object->classId(&clsid);
    if (failed(hr))
        return hr;
    hr = writer.writeGuid(clsid);
    if (failed(hr))
        return hr;
    return object->save(stream, true);
}

HResult loadObjectFromStream(IStream* stream, const Guid& iid, void** out)
{
    if (!stream || !out)
        return kPointer;
    *out = nullptr;
    StreamReader reader(*stream);
    Guid clsid;
    HResult hr = reader.readGuid(clsid);
    if (failed(hr) || clsid.isNull())
        return hr;
    Ref<IPersistStream> persist;
    hr = createInstance(clsid, IPersistStream::kIid, persist.putVoid());
    if (failed(hr))
        return hr;
    hr = persist->load(stream);
    if (failed(hr))
        return hr;
    return persist->queryInterface(iid, out);
}

} // namespace quorvex::platform::component
