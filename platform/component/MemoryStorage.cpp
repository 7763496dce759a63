#include "platform/component/MemoryStorage.h"

#include <strings.h>

namespace quorvex::platform::component {

namespace {

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

} // namespace

Ref<MemoryStorage> MemoryStorage::create()
{
    return Ref<MemoryStorage>::adopt(new MemoryStorage);
}

HResult MemoryStorage::queryInterface(const Guid& iid, void** out)
{
    return answerQuery<IStorage>(this, iid, out);
}

HResult MemoryStorage::createStream(std::string_view name, IStream** out)
{
    if (!out)
        return kPointer;
    *out = nullptr;
    if (name.empty())
        return kInvalidArg;
    Ref<MemoryStream> fresh = MemoryStream::create();
    if (!fresh)
        return kOutOfMemory;
    bool replaced = false;
    for (auto& [existing, stream] : m_streams) {
        if (sameName(existing, name)) {
            stream = fresh;
            replaced = true;
        }
    }
    if (!replaced)
        m_streams.emplace_back(std::string(name), fresh);
    *out = fresh.detach();
    return kOk;
}

HResult MemoryStorage::openStream(std::string_view name, IStream** out)
{
    if (!out)
        return kPointer;
    *out = nullptr;
    Ref<MemoryStream> found = stream(name);
    if (!found)
        return kFileNotFound;
    found->seek(0, SeekOrigin::Begin, nullptr);
    *out = found.detach();
    return kOk;
}

Ref<MemoryStream> MemoryStorage::stream(std::string_view name) const
{
    for (const auto& [existing, stream] : m_streams) {
        if (sameName(existing, name))
            return stream;
    }
    return {};
}

} // namespace quorvex::platform::component
