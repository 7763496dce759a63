#pragma once

#include "platform/component/Unknown.h"
#include "platform/component/Variant.h"

#include <span>
#include <string_view>

namespace quorvex::platform::component {

using DispId = int32_t;

inline constexpr DispId kDispIdUnknown = -1;
inline constexpr DispId kDispIdValue = 0;
// Ambient properties a client site answers through its own IDispatch.
inline constexpr DispId kDispIdAmbientUserMode = -709;

enum class InvokeKind : uint16_t {
    Method = 1,
    PropertyGet = 2,
    PropertyPut = 4,
    // Stores the caller's object itself instead of a copy.
    PropertyPutRef = 8,
};

// Late-bound calls: members are found by name, then called by number.
class IDispatch : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{90AF93FF-2274-4434-8BD6-72649CAB20FC}");

    // Fills ids[i] for names[i] (letter case is ignored). Unknown names get
    // kDispIdUnknown and make the call return kUnknownName.
    virtual HResult getIdsOfNames(std::span<const std::string_view> names, std::span<DispId> ids) = 0;
    // Arguments in natural order (first argument first). For a put the value
    // is the last argument. `result` may be null when the caller does not
    // want one; getters return kPointer then.
    virtual HResult invoke(DispId id, InvokeKind kind, std::span<const Variant> args, Variant* result) = 0;
};

// A member of a dispatch name table.
struct DispatchName {
    std::string_view name;
    DispId id;
};

// getIdsOfNames over a fixed table, for implementations of IDispatch.
HResult lookupDispatchNames(std::span<const DispatchName> table, std::span<const std::string_view> names,
                            std::span<DispId> ids);

// Convenience for callers: one name, one id; kDispIdUnknown when absent.
DispId dispatchIdOf(IDispatch* object, std::string_view name);

} // namespace quorvex::platform::component
