#pragma once

#include "platform/component/Dispatch.h"

#include <cstdint>
#include <vector>

namespace quorvex::platform::component {

// Receives property-change notifications from an object.
class IPropertyNotifySink : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{4A66A60A-5285-44BC-A744-604B9B651FFD}");

    // The property has changed.
    virtual HResult onChanged(DispId id) = 0;
    // The object asks whether the property may change: kOk allows it,
    // kFalse refuses it.
    virtual HResult onRequestEdit(DispId id) = 0;
};

// One outgoing interface of an object, to which sinks connect.
class IConnectionPoint : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{88455F18-3740-4FAB-890E-9FDCBA5B4576}");

    virtual HResult connectionInterface(Guid* iid) = 0;
    // The sink is queried for the connection's interface; kNoInterface when
    // it has none. The cookie identifies the connection for unadvise.
    virtual HResult advise(IUnknown* sink, uint32_t* cookie) = 0;
    virtual HResult unadvise(uint32_t cookie) = 0;
};

class IConnectionPointContainer : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{325476AA-9C00-4ADE-A3F3-6E4C73C8C4CD}");

    // kNoConnection when the object has no such outgoing interface.
    virtual HResult findConnectionPoint(const Guid& iid, IConnectionPoint** out) = 0;
};

// A ready-made connection point for objects to embed. It lives inside its
// owner and forwards reference counting to it, so a sink holding the point
// keeps the owner alive.
//
// For IPropertyNotifySink use notifyChanged/requestEdit; for an event
// interface (sinks are dispatch objects that answer the event's identifier)
// use fire.
class ConnectionPoint final : public IConnectionPoint {
public:
    ConnectionPoint(IUnknown& owner, const Guid& iid);
    ~ConnectionPoint();
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    HResult queryInterface(const Guid& iid, void** out) override;
    uint32_t addRef() override;
    uint32_t release() override;
    HResult connectionInterface(Guid* iid) override;
    HResult advise(IUnknown* sink, uint32_t* cookie) override;
    HResult unadvise(uint32_t cookie) override;

    const Guid& iid() const { return m_iid; }
    size_t sinkCount() const { return m_sinks.size(); }

    // IPropertyNotifySink connections only.
    void notifyChanged(DispId id);
    // True unless a sink refused the edit.
    bool requestEdit(DispId id);

    // Event connections: calls invoke(id, Method, args) on every sink.
    void fire(DispId id, std::span<const Variant> args = {});

    // Drops every connection (when the owner goes away).
    void disconnectAll();

private:
    struct Sink {
        uint32_t cookie;
        Ref<IUnknown> sink; // the result of querying for m_iid
    };
    std::vector<Sink> snapshot() const { return m_sinks; }

    IUnknown& m_owner;
    Guid m_iid;
    std::vector<Sink> m_sinks;
    uint32_t m_nextCookie = 1;
};

} // namespace quorvex::platform::component
