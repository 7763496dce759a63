#include "platform/component/PictureStreamForm.h"

#include "platform/component/StreamIo.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace quorvex::platform::component {

namespace {

constexpr uint8_t kStandardMarker[4] = { 'l', 't', 0, 0 };
constexpr uint8_t kOwnTag[4] = { 'Q', 'P', 'i', 'c' };

uint32_t littleEndian32(std::span<const uint8_t> data, size_t at)
{
    return uint32_t(data[at]) | uint32_t(data[at + 1]) << 8 | uint32_t(data[at + 2]) << 16
        | uint32_t(data[at + 3]) << 24;
}

bool startsWith(std::span<const uint8_t> data, std::initializer_list<uint8_t> prefix)
{
    return data.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), data.begin());
}

// Reads the count and then the bytes it announces, refusing before any
// allocation what the limit or the stream's length rules out.
HResult readCountedData(StreamReader& reader, std::vector<uint8_t>& data)
{
    uint32_t count = 0;
    HResult hr = reader.readUInt32(count);
    if (failed(hr))
        return hr;
    if (count > kMaxPictureDataBytes)
        return kTooLarge;
    if (reader.remaining() < count)
        return kReadFault;
    data.resize(count);
    return reader.readBytes(data.data(), count);
}

} // namespace

PictureKind pictureKindOfData(std::span<const uint8_t> data)
{
    if (startsWith(data, { 'B', 'M' }))
        return PictureKind::Bitmap;
    // A placeable metafile's key, or a plain metafile's header: type 1
    // (memory) or 2 (disk), then a header of 9 words.
    if (startsWith(data, { 0xD7, 0xCD, 0xC6, 0x9A }) || startsWith(data, { 1, 0, 9, 0 })
        || startsWith(data, { 2, 0, 9, 0 }))
        return PictureKind::Metafile;
    // The first record of an enhanced metafile is its header (type 1), whose
    // signature " EMF" sits at offset 40.
    if (data.size() >= 44 && littleEndian32(data, 0) == 1 && littleEndian32(data, 40) == 0x464D4520u)
        return PictureKind::EnhancedMetafile;
    // An icon or cursor directory: reserved 0, then type 1 or 2.
    if (startsWith(data, { 0, 0, 1, 0 }) || startsWith(data, { 0, 0, 2, 0 }))
        return PictureKind::Icon;
    return PictureKind::None;
}

PictureStreamForm pictureStreamFormFor(PictureKind kind, std::span<const uint8_t> data)
{
    bool saysItsKind = kind == PictureKind::None ? data.empty() : pictureKindOfData(data) == kind;
    return saysItsKind ? PictureStreamForm::Standard : PictureStreamForm::Own;
}

uint32_t pictureStreamHeaderBytes(PictureStreamForm form)
{
    return form == PictureStreamForm::Standard ? 8 : 12;
}

HResult readPictureStream(IStream& stream, PictureStreamContent& content)
{
    StreamReader reader(stream);
    uint8_t tag[4];
    HResult hr = reader.readBytes(tag, 4);
    if (failed(hr))
        return hr;
    if (std::memcmp(tag, kStandardMarker, 4) == 0) {
        hr = readCountedData(reader, content.data);
        if (failed(hr))
            return hr;
        content.kind = pictureKindOfData(content.data);
        return content.kind != PictureKind::None || content.data.empty() ? kOk : kInvalidData;
    }
    if (std::memcmp(tag, kOwnTag, 4) != 0)
        return kInvalidData;
    uint16_t kind = 0;
    uint16_t reserved = 0;
    hr = reader.readUInt16(kind);
    if (succeeded(hr))
        hr = reader.readUInt16(reserved);
    if (failed(hr))
        return hr;
    if (kind > uint16_t(PictureKind::EnhancedMetafile))
        return kInvalidData;
    content.kind = static_cast<PictureKind>(kind);
    return readCountedData(reader, content.data);
}

HResult writePictureStream(IStream& stream, PictureStreamForm form, PictureKind kind, std::span<const uint8_t> data)
{
    if (data.size() > kMaxPictureDataBytes)
        return kTooLarge;
    StreamWriter writer(stream);
    HResult hr = kOk;
    if (form == PictureStreamForm::Standard) {
        hr = writer.writeBytes(kStandardMarker, 4);
    } else {
        hr = writer.writeBytes(kOwnTag, 4);
        if (succeeded(hr))
            hr = writer.writeUInt16(uint16_t(kind));
        if (succeeded(hr))
            hr = writer.writeUInt16(0);
    }
    if (succeeded(hr))
        hr = writer.writeUInt32(uint32_t(data.size()));
    if (succeeded(hr))
        hr = writer.writeBytes(data.data(), uint32_t(data.size()));
    return hr;
}

} // namespace quorvex::platform::component
