#include "platform/component/StreamIo.h"

#include <cstring>
#include <vector>

namespace quorvex::platform::component {

StreamReader::StreamReader(IStream& stream)
    : m_stream(stream)
{
}

uint64_t StreamReader::remaining()
{
    uint64_t position = 0;
    uint64_t size = 0;
    if (failed(m_stream.seek(0, SeekOrigin::Current, &position)) || failed(m_stream.size(&size)))
        return 0;
    return position < size ? size - position : 0;
}

HResult StreamReader::readBytes(void* buffer, uint32_t size)
{
    if (size == 0)
        return kOk;
    if (remaining() < size)
        return kReadFault;
    uint32_t got = 0;
    HResult hr = m_stream.read(buffer, size, &got);
    if (failed(hr))
        return hr;
    return got == size ? kOk : kReadFault;
}

namespace {

template<class T>
HResult readLittleEndian(StreamReader& reader, T& value)
{
    uint8_t bytes[sizeof(T)];
    HResult hr = reader.readBytes(bytes, sizeof(T));
    if (failed(hr))
        return hr;
    uint64_t v = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        v |= uint64_t(bytes[i]) << (8 * i);
    if constexpr (sizeof(T) == 8) {
        std::memcpy(&value, &v, 8);
    } else {
        value = static_cast<T>(v);
    }
    return kOk;
}

template<class T>
HResult writeLittleEndian(StreamWriter& writer, T value)
{
    uint64_t v = 0;
    if constexpr (sizeof(T) == 8) {
        std::memcpy(&v, &value, 8);
    } else {
        v = static_cast<uint64_t>(static_cast<std::make_unsigned_t<T>>(value));
    }
    uint8_t bytes[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); ++i)
        bytes[i] = static_cast<uint8_t>(v >> (8 * i));
    return writer.writeBytes(bytes, sizeof(T));
}

} // namespace

HResult StreamReader::readUInt16(uint16_t& value) { return readLittleEndian(*this, value); }
HResult StreamReader::readInt16(int16_t& value) { return readLittleEndian(*this, value); }
HResult StreamReader::readUInt32(uint32_t& value) { return readLittleEndian(*this, value); }
HResult StreamReader::readInt32(int32_t& value) { return readLittleEndian(*this, value); }

HResult StreamReader::readDouble(double& value)
{
    static_assert(sizeof(double) == 8);
    return readLittleEndian(*this, value);
}

HResult StreamReader::readGuid(Guid& value)
{
    uint8_t bytes[Guid::kByteSize];
    HResult hr = readBytes(bytes, sizeof bytes);
    if (succeeded(hr))
        value = Guid::fromBytes(bytes);
    return hr;
}

HResult StreamReader::readCountedString(std::u16string& value, uint32_t maxBytes)
{
    uint32_t count = 0;
    HResult hr = readUInt32(count);
    if (failed(hr))
        return hr;
    if (count < 2 || count % 2 != 0 || count > maxBytes)
        return kInvalidData;
    if (remaining() < count)
        return kReadFault;
    std::vector<uint8_t> bytes(count);
    hr = readBytes(bytes.data(), count);
    if (failed(hr))
        return hr;
    std::u16string text(count / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = char16_t(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    if (text.back() != u'\0')
        return kInvalidData;
    text.pop_back();
    value = std::move(text);
    return kOk;
}

StreamWriter::StreamWriter(IStream& stream)
    : m_stream(stream)
{
}

HResult StreamWriter::writeBytes(const void* data, uint32_t size)
{
    uint32_t written = 0;
    HResult hr = m_stream.write(data, size, &written);
    if (failed(hr))
        return hr;
    return written == size ? kOk : kFail;
}

HResult StreamWriter::writeUInt16(uint16_t value) { return writeLittleEndian(*this, value); }
HResult StreamWriter::writeInt16(int16_t value) { return writeLittleEndian(*this, value); }
HResult StreamWriter::writeUInt32(uint32_t value) { return writeLittleEndian(*this, value); }
HResult StreamWriter::writeInt32(int32_t value) { return writeLittleEndian(*this, value); }

HResult StreamWriter::writeDouble(double value)
{
    return writeLittleEndian(*this, value);
}

HResult StreamWriter::writeGuid(const Guid& value)
{
    uint8_t bytes[Guid::kByteSize];
    value.toBytes(bytes);
    return writeBytes(bytes, sizeof bytes);
}

HResult StreamWriter::writeCountedString(std::u16string_view value)
{
    if (value.size() > (UINT32_MAX / 2) - 1)
        return kInvalidArg;
    uint32_t count = static_cast<uint32_t>((value.size() + 1) * 2);
    std::vector<uint8_t> bytes(count, 0);
    for (size_t i = 0; i < value.size(); ++i) {
        bytes[2 * i] = static_cast<uint8_t>(value[i]);
        bytes[2 * i + 1] = static_cast<uint8_t>(value[i] >> 8);
    }
    HResult hr = writeUInt32(count);
    if (failed(hr))
        return hr;
    return writeBytes(bytes.data(), count);
}

} // namespace quorvex::platform::component
