#pragma once

#include "platform/component/Guid.h"
#include "platform/component/Persistence.h"

#include <cstdint>
#include <string>

namespace quorvex::platform::component {

// Bounds-checked little-endian reading from a stream. Every read either
// delivers all its bytes or fails with kReadFault and leaves the value
// untouched; a length field is checked against the bytes left in the stream
// before anything is allocated.
class StreamReader {
public:
    explicit StreamReader(IStream& stream);

    HResult readBytes(void* buffer, uint32_t size);
    HResult readUInt16(uint16_t& value);
    HResult readInt16(int16_t& value);
    HResult readUInt32(uint32_t& value);
    HResult readInt32(int32_t& value);
    HResult readDouble(double& value);
    HResult readGuid(Guid& value);
    // A 32-bit byte count, then that many bytes of UTF-16 text whose last
    // code unit is a terminator. kInvalidData for an odd count, a count
    // below 2, a missing terminator or a count above `maxBytes`; kReadFault
    // when the stream holds fewer bytes than the count.
    HResult readCountedString(std::u16string& value, uint32_t maxBytes = 16u * 1024u * 1024u);

    // Bytes between the position and the end of the stream.
    uint64_t remaining();

private:
    IStream& m_stream;
};

class StreamWriter {
public:
    explicit StreamWriter(IStream& stream);

    HResult writeBytes(const void* data, uint32_t size);
    HResult writeUInt16(uint16_t value);
    HResult writeInt16(int16_t value);
    HResult writeUInt32(uint32_t value);
    HResult writeInt32(int32_t value);
    HResult writeDouble(double value);
    HResult writeGuid(const Guid& value);
    // The form readCountedString reads; an empty text is the terminator alone.
    HResult writeCountedString(std::u16string_view value);

private:
    IStream& m_stream;
};

} // namespace quorvex::platform::component
