#include "platform/component/Dispatch.h"

#include <cassert>
#include <cctype>

namespace quorvex::platform::component {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

} // namespace

HResult lookupDispatchNames(std::span<const DispatchName> table, std::span<const std::string_view> names,
                            std::span<DispId> ids)
{
    if (ids.size() < names.size())
        return kInvalidArg;
    HResult hr = kOk;
    for (size_t i = 0; i < names.size(); ++i) {
        ids[i] = kDispIdUnknown;
        for (const DispatchName& entry : table) {
            if (equalsIgnoringCase(entry.name, names[i])) {
                ids[i] = entry.id;
                break;
            }
        }
        if (ids[i] == kDispIdUnknown)
            hr = kUnknownName;
    }
    return hr;
}

DispId dispatchIdOf(IDispatch* object, std::string_view name)
{
    if (!object)
        return kDispIdUnknown;
    DispId id = kDispIdUnknown;
    std::string_view names[] = { name };
    if (failed(object->getIdsOfNames(names, std::span<DispId>(&id, 1))))
        return kDispIdUnknown;
    return id;
}

} // namespace quorvex::platform::component
