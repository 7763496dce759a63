#pragma once

#include "platform/component/Control.h"
#include "platform/component/Dispatch.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace quorvex::platform::component {

// A client site for hosting controls: answers the ambient user-mode property
// through its IDispatch and counts redraw requests.
class AmbientSite final : public IOleClientSite, public IDispatch {
public:
    // userMode: true at run time, false at design time.
    static Ref<AmbientSite> create(bool userMode = true);

    HResult queryInterface(const Guid& iid, void** out) override;
    uint32_t addRef() override { return m_refs.add(); }
    uint32_t release() override;
    HResult saveObject() override { return kOk; }
    HResult requestRedraw() override;
    HResult getIdsOfNames(std::span<const std::string_view> names, std::span<DispId> ids) override;
    HResult invoke(DispId id, InvokeKind kind, std::span<const Variant> args, Variant* result) override;

    // Changing it does not tell the controls: call their
    // IOleControl::onAmbientPropertyChange.
    void setUserMode(bool userMode) { m_userMode = userMode; }
    bool userMode() const { return m_userMode; }
    int redrawRequests() const { return m_redrawRequests; }

private:
    explicit AmbientSite(bool userMode) : m_userMode(userMode) { }
    ~AmbientSite() = default;

    RefCount m_refs;
    bool m_userMode;
    int m_redrawRequests = 0;
};

// Reads the site's ambient user-mode flag; `fallback` when the site is null
// or does not answer it.
bool ambientUserMode(IOleClientSite* site, bool fallback = true);

// A container's event sink: a dispatch object answering the event interface
// `eventIid` that hands every event (by number) to a callback.
class EventSink final : public IDispatch {
public:
    using Handler = std::function<void(DispId event, std::span<const Variant> args)>;
    static Ref<EventSink> create(const Guid& eventIid, Handler handler);

    HResult queryInterface(const Guid& iid, void** out) override;
    QUORVEX_IMPLEMENT_REFCOUNT
    HResult getIdsOfNames(std::span<const std::string_view> names, std::span<DispId> ids) override;
    HResult invoke(DispId id, InvokeKind kind, std::span<const Variant> args, Variant* result) override;

private:
    EventSink(const Guid& eventIid, Handler handler) : m_iid(eventIid), m_handler(std::move(handler)) { }
    ~EventSink() = default;

    RefCount m_refs;
    Guid m_iid;
    Handler m_handler;
};

template<class T>
struct Created {
    Ref<T> object;
    HResult status = kOk;
    std::string error; // empty on success
    explicit operator bool() const { return static_cast<bool>(object); }
};

// Creates a control by ProgID through the classes root, gives it `site`
// (before loading, as controls expect), then loads `savedStream` through
// its IPersistStreamInit (or calls initNew when the bytes are empty), and
// returns its dispatch interface. On failure the error names the ProgID,
// e.g. "FormShape.FormShape is not registered; run quorvex-regserver
// libshape.so".
Created<IDispatch> createControl(std::string_view progId, std::span<const uint8_t> savedStream,
                                 IOleClientSite* site);

// Late-bound helpers by member name (kUnknownName when there is none).
HResult setProperty(IDispatch* object, std::string_view name, const Variant& value);
HResult setPropertyByRef(IDispatch* object, std::string_view name, const Variant& value);
HResult getProperty(IDispatch* object, std::string_view name, Variant* value);
HResult callMethod(IDispatch* object, std::string_view name, std::span<const Variant> args = {},
                   Variant* result = nullptr);

// Connects `sink` to the object's outgoing interface `iid`.
HResult connectEvents(IUnknown* object, const Guid& iid, IUnknown* sink, uint32_t* cookie);
HResult disconnectEvents(IUnknown* object, const Guid& iid, uint32_t cookie);

} // namespace quorvex::platform::component
