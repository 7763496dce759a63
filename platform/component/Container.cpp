#include "platform/component/Container.h"

#include "platform/component/Connection.h"
#include "platform/component/MemoryStream.h"
#include "platform/component/Runtime.h"

namespace quorvex::platform::component {

Ref<AmbientSite> AmbientSite::create(bool userMode)
{
    return Ref<AmbientSite>::adopt(new AmbientSite(userMode));
}

HResult AmbientSite::queryInterface(const Guid& iid, void** out)
{
    return answerQuery<IOleClientSite, IDispatch>(this, iid, out);
}

uint32_t AmbientSite::release()
{
    uint32_t left = m_refs.drop();
    if (left == 0)
        delete this;
    return left;
}

HResult AmbientSite::requestRedraw()
{
    ++m_redrawRequests;
    return kOk;
}

HResult AmbientSite::getIdsOfNames(std::span<const std::string_view> names, std::span<DispId> ids)
{
    static constexpr DispatchName kNames[] = { { "UserMode", kDispIdAmbientUserMode } };
    return lookupDispatchNames(kNames, names, ids);
}

HResult AmbientSite::invoke(DispId id, InvokeKind kind, std::span<const Variant>, Variant* result)
{
    if (id != kDispIdAmbientUserMode || kind != InvokeKind::PropertyGet)
        return kMemberNotFound;
    if (!result)
        return kPointer;
    *result = Variant::boolean(m_userMode);
    return kOk;
}

bool ambientUserMode(IOleClientSite* site, bool fallback)
{
    Ref<IDispatch> ambient = queryInterface<IDispatch>(site);
    if (!ambient)
        return fallback;
    Variant value;
    if (failed(ambient->invoke(kDispIdAmbientUserMode, InvokeKind::PropertyGet, {}, &value)))
        return fallback;
    Variant asBool;
    if (failed(value.convertTo(VarType::Bool, asBool)))
        return fallback;
    return asBool.asBool();
}

Ref<EventSink> EventSink::create(const Guid& eventIid, Handler handler)
{
    return Ref<EventSink>::adopt(new EventSink(eventIid, std::move(handler)));
}

HResult EventSink::queryInterface(const Guid& iid, void** out)
{
    // The sink stands for the event interface, which is a dispatch interface.
    if (out && iid == m_iid) {
        *out = static_cast<IDispatch*>(this);
        addRef();
        return kOk;
    }
    return answerQuery<IDispatch>(this, iid, out);
}

HResult EventSink::getIdsOfNames(std::span<const std::string_view> names, std::span<DispId> ids)
{
    return lookupDispatchNames({}, names, ids);
}

HResult EventSink::invoke(DispId id, InvokeKind kind, std::span<const Variant> args, Variant* result)
{
    if (kind != InvokeKind::Method)
        return kMemberNotFound;
    if (result)
        *result = Variant();
    if (m_handler)
        m_handler(id, args);
    return kOk;
}

Created<IDispatch> createControl(std::string_view progId, std::span<const uint8_t> savedStream,
                                 IOleClientSite* site)
{
    Created<IDispatch> created;
    auto fail = [&](HResult hr, std::string message) {
        created.object.reset();
        created.status = hr;
        created.error = std::move(message);
        return created;
    };

    std::string error;
    std::optional<Guid> clsid = classIdFromProgId(progId, &error);
    if (!clsid)
        return fail(kClassNotRegistered, error + "; run quorvex-regserver <library.so> to register it");

    Ref<IUnknown> object;
    HResult hr = createInstance(*clsid, IUnknown::kIid, object.putVoid(), &error);
    if (failed(hr)) {
        if (hr == kClassNotRegistered)
            error = std::string(progId) + " is not registered; run quorvex-regserver <library.so> to register it";
        else
            error = std::string(progId) + ": " + error;
        return fail(hr, error);
    }

    if (site) {
        if (Ref<IOleObject> ole = queryInterface<IOleObject>(object))
            ole->setClientSite(site);
    }

    Ref<IPersistStreamInit> persist = queryInterface<IPersistStreamInit>(object);
    if (persist) {
        if (savedStream.empty()) {
            hr = persist->initNew();
        } else {
            Ref<MemoryStream> stream = MemoryStream::create(savedStream);
            hr = stream ? persist->load(stream.get()) : kOutOfMemory;
        }
        if (failed(hr))
            return fail(hr, std::string(progId) + ": its saved properties could not be loaded");
    } else if (!savedStream.empty()) {
        return fail(kNoInterface, std::string(progId) + " cannot load saved properties from a stream");
    }

    created.object = queryInterface<IDispatch>(object);
    if (!created.object)
        return fail(kNoInterface, std::string(progId) + " has no dispatch interface");
    return created;
}

namespace {

HResult invokeByName(IDispatch* object, std::string_view name, InvokeKind kind, std::span<const Variant> args,
                     Variant* result)
{
    if (!object)
        return kPointer;
    DispId id = dispatchIdOf(object, name);
    if (id == kDispIdUnknown)
        return kUnknownName;
    return object->invoke(id, kind, args, result);
}

} // namespace

HResult setProperty(IDispatch* object, std::string_view name, const Variant& value)
{
    return invokeByName(object, name, InvokeKind::PropertyPut, std::span<const Variant>(&value, 1), nullptr);
}

HResult setPropertyByRef(IDispatch* object, std::string_view name, const Variant& value)
{
    return invokeByName(object, name, InvokeKind::PropertyPutRef, std::span<const Variant>(&value, 1), nullptr);
}

HResult getProperty(IDispatch* object, std::string_view name, Variant* value)
{
    if (!value)
        return kPointer;
    return invokeByName(object, name, InvokeKind::PropertyGet, {}, value);
}

HResult callMethod(IDispatch* object, std::string_view name, std::span<const Variant> args, Variant* result)
{
    return invokeByName(object, name, InvokeKind::Method, args, result);
}

namespace {

HResult findPoint(IUnknown* object, const Guid& iid, Ref<IConnectionPoint>& point)
{
    Ref<IConnectionPointContainer> container = queryInterface<IConnectionPointContainer>(object);
    if (!container)
        return kNoInterface;
    return container->findConnectionPoint(iid, point.put());
}

} // namespace

HResult connectEvents(IUnknown* object, const Guid& iid, IUnknown* sink, uint32_t* cookie)
{
    Ref<IConnectionPoint> point;
    HResult hr = findPoint(object, iid, point);
    return failed(hr) ? hr : point->advise(sink, cookie);
}

HResult disconnectEvents(IUnknown* object, const Guid& iid, uint32_t cookie)
{
    Ref<IConnectionPoint> point;
    HResult hr = findPoint(object, iid, point);
    return failed(hr) ? hr : point->unadvise(cookie);
}

} // namespace quorvex::platform::component
