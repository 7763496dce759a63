#pragma once

#include "platform/component/MemoryStream.h"

#include <string>
#include <utility>
#include <vector>

namespace quorvex::platform::component {

// A storage of named memory streams (names match without regard to case).
class MemoryStorage final : public IStorage {
public:
    static Ref<MemoryStorage> create();

    HResult queryInterface(const Guid& iid, void** out) override;
    QUORVEX_IMPLEMENT_REFCOUNT
    HResult createStream(std::string_view name, IStream** out) override;
    HResult openStream(std::string_view name, IStream** out) override;

    // The named stream itself (shared), or null.
    Ref<MemoryStream> stream(std::string_view name) const;

private:
    MemoryStorage() = default;
    ~MemoryStorage() = default;

    RefCount m_refs;
    std::vector<std::pair<std::string, Ref<MemoryStream>>> m_streams;
};

} // namespace quorvex::platform::component
