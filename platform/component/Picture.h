#pragma once

#include "platform/component/Bitmap32.h"
#include "platform/component/Dispatch.h"
#include "platform/component/Extent.h"
#include "platform/component/Persistence.h"

#include <span>
#include <string>
#include <vector>

namespace quorvex::platform::component {

enum class PictureKind : int16_t {
    None = 0,
    Bitmap = 1,
    Metafile = 2,
    Icon = 3,
    EnhancedMetafile = 4,
};

// The standard picture object: a bitmap, a metafile, an enhanced metafile or
// an icon. Bitmaps are held decoded; the other kinds keep their file bytes.
// The object also answers IDispatch (read-only "Type", "Width", "Height")
// and IPersistStream.
class IPicture : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{E06562CB-8496-4157-AD47-701925D31489}");

    virtual HResult getKind(PictureKind* kind) = 0;
    // The bitmap of a Bitmap picture; null for other kinds (the equivalent of
    // having no bitmap handle).
    virtual HResult getBitmap(const Bitmap32** bitmap) = 0;
    // The file bytes of a metafile, enhanced metafile or icon picture.
    virtual HResult getData(std::span<const uint8_t>* data) = 0;
    // Size in 0.01 mm at 96 pixels per inch.
    virtual HResult getExtent(Extent* extent) = 0;
};

// Dispatch ids of the picture's read-only properties.
inline constexpr DispId kDispIdPictureType = 5;
inline constexpr DispId kDispIdPictureWidth = 4;
inline constexpr DispId kDispIdPictureHeight = 6;

// The class of the standard picture, written in front of it in streams; the
// one other containers write and look for.
inline constexpr Guid kStdPictureClsid = Guid::literal("{0BE35204-8F91-11CE-9DE3-00AA004BB851}");
// The class earlier versions wrote in front of a picture; still read, as
// the same picture.
inline constexpr Guid kEarlierPictureClsid = Guid::literal("{DD3006B7-4034-4C41-9080-FF3D2B60D1F1}");

// The largest picture (its file bytes: a BMP file for bitmaps) that the
// picture's stream forms hold. Saving refuses a larger picture with kTooLarge
// before writing anything, and loading refuses one, so whatever saves also
// loads. At 32 bits a pixel a bitmap of 4096 x 4096 less a row fits.
inline constexpr uint32_t kMaxPictureDataBytes = 64u * 1024u * 1024u;

// Creation. Each returns the picture with one reference for the caller.
Ref<IPicture> createPictureFromBitmap(Bitmap32 bitmap);
// From BMP file bytes; null (and `error` set) when the bytes are no BMP.
Ref<IPicture> createPictureFromBmpFile(std::span<const uint8_t> file, std::string* error = nullptr);
// Metafile, enhanced metafile or icon kinds from their file bytes.
Ref<IPicture> createPictureFromData(PictureKind kind, std::vector<uint8_t> data);

// Loads a picture from its stream form (what its IPersistStream saves: the
// standard form, or the form earlier versions wrote) and answers a query for
// `iid` on it.
HResult loadPicture(IStream* stream, const Guid& iid, void** out);

// The standard object-to-stream form: the object's class identifier
// (16 bytes), then what the object's IPersistStream saves. A null object is
// written as a null class identifier alone.
HResult saveObjectToStream(IPersistStream* object, IStream* stream);
// Reads that form back. A null class identifier gives kOk with *out null.
// The class is created through createInstance (built-in classes first, then
// the classes-root registry).
HResult loadObjectFromStream(IStream* stream, const Guid& iid, void** out);

} // namespace quorvex::platform::component
