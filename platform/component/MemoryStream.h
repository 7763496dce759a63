#pragma once

#include "platform/component/Persistence.h"

#include <span>
#include <vector>

namespace quorvex::platform::component {

// A stream over a growable byte buffer that it owns.
class MemoryStream final : public IStream {
public:
    // An empty stream, or one holding a copy of `bytes`, positioned at 0.
    static Ref<MemoryStream> create(std::span<const uint8_t> bytes = {});
    // A stream of `size` zero bytes (a block to save into), positioned at 0.
    static Ref<MemoryStream> createZeroed(size_t size);

    HResult queryInterface(const Guid& iid, void** out) override;
    QUORVEX_IMPLEMENT_REFCOUNT
    HResult read(void* buffer, uint32_t size, uint32_t* bytesRead) override;
    HResult write(const void* data, uint32_t size, uint32_t* bytesWritten) override;
    HResult seek(int64_t offset, SeekOrigin origin, uint64_t* newPosition) override;
    HResult setSize(uint64_t size) override;
    HResult size(uint64_t* size) override;

    const std::vector<uint8_t>& bytes() const { return m_bytes; }
    size_t position() const { return m_position; }

private:
    MemoryStream() = default;
    ~MemoryStream() = default;

    RefCount m_refs;
    std::vector<uint8_t> m_bytes;
    size_t m_position = 0;
};

} // namespace quorvex::platform::component
