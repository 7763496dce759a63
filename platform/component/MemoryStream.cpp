#include "platform/component/MemoryStream.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace quorvex::platform::component {

Ref<MemoryStream> MemoryStream::create(std::span<const uint8_t> bytes)
{
    auto* stream = new (std::nothrow) MemoryStream;
    if (!stream)
        return {};
    stream->m_bytes.assign(bytes.begin(), bytes.end());
    return Ref<MemoryStream>::adopt(stream);
}

Ref<MemoryStream> MemoryStream::createZeroed(size_t size)
{
    Ref<MemoryStream> stream = create();
    if (stream)
        stream->m_bytes.assign(size, 0);
    return stream;
}

HResult MemoryStream::queryInterface(const Guid& iid, void** out)
{
    return answerQuery<IStream>(this, iid, out);
}

HResult MemoryStream::read(void* buffer, uint32_t size, uint32_t* bytesRead)
{
    if (!buffer && size > 0)
        return kPointer;
    size_t available = m_position < m_bytes.size() ? m_bytes.size() - m_position : 0;
    size_t count = std::min<size_t>(size, available);
    if (count > 0)
        std::memcpy(buffer, m_bytes.data() + m_position, count);
    m_position += count;
    if (bytesRead)
        *bytesRead = static_cast<uint32_t>(count);
    return count == size ? kOk : kFalse;
}

HResult MemoryStream::write(const void* data, uint32_t size, uint32_t* bytesWritten)
{
    if (!data && size > 0)
        return kPointer;
    if (bytesWritten)
        *bytesWritten = 0;
    size_t end = m_position + size;
    try {
        if (end > m_bytes.size())
            m_bytes.resize(end);
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    if (size > 0)
        std::memcpy(m_bytes.data() + m_position, data, size);
    m_position = end;
    if (bytesWritten)
        *bytesWritten = size;
    return kOk;
}

HResult MemoryStream::seek(int64_t offset, SeekOrigin origin, uint64_t* newPosition)
{
    int64_t base = 0;
    switch (origin) {
    case SeekOrigin::Begin:
        base = 0;
        break;
    case SeekOrigin::Current:
        base = static_cast<int64_t>(m_position);
        break;
    case SeekOrigin::End:
        base = static_cast<int64_t>(m_bytes.size());
        break;
    }
    int64_t target = base + offset;
    if (target < 0)
        return kInvalidArg;
    // Seeking past the end is allowed; a later write fills the gap with zeros.
    m_position = static_cast<size_t>(target);
    if (newPosition)
        *newPosition = m_position;
    return kOk;
}

HResult MemoryStream::setSize(uint64_t size)
{
    try {
        m_bytes.resize(size);
    } catch (const std::exception&) {
        return kOutOfMemory;
    }
    return kOk;
}

HResult MemoryStream::size(uint64_t* size)
{
    if (!size)
        return kPointer;
    *size = m_bytes.size();
    return kOk;
}

} // namespace quorvex::platform::component
