#include "platform/component/Connection.h"

#include <algorithm>

namespace quorvex::platform::component {

ConnectionPoint::ConnectionPoint(IUnknown& owner, const Guid& iid)
    : m_owner(owner)
    , m_iid(iid)
{
}

ConnectionPoint::~ConnectionPoint() = default;

HResult ConnectionPoint::queryInterface(const Guid& iid, void** out)
{
    return answerQuery<IConnectionPoint>(this, iid, out);
}

uint32_t ConnectionPoint::addRef()
{
    return m_owner.addRef();
}

uint32_t ConnectionPoint::release()
{
    return m_owner.release();
}

HResult ConnectionPoint::connectionInterface(Guid* iid)
{
    if (!iid)
        return kPointer;
    *iid = m_iid;
    return kOk;
}

HResult ConnectionPoint::advise(IUnknown* sink, uint32_t* cookie)
{
    if (!sink || !cookie)
        return kPointer;
    *cookie = 0;
    Ref<IUnknown> answered;
    if (failed(sink->queryInterface(m_iid, answered.putVoid())) || !answered)
        return kNoInterface;
    *cookie = m_nextCookie++;
    m_sinks.push_back({ *cookie, std::move(answered) });
    return kOk;
}

HResult ConnectionPoint::unadvise(uint32_t cookie)
{
    auto it = std::find_if(m_sinks.begin(), m_sinks.end(), [cookie](const Sink& s) { return s.cookie == cookie; });
    if (it == m_sinks.end())
        return kNoConnection;
    // The sink may release the last reference to something that unadvises
    // again; erase first, release afterwards.
    Ref<IUnknown> leaving = std::move(it->sink);
    m_sinks.erase(it);
    return kOk;
}

// Sinks may connect or disconnect while being called, so every broadcast
// walks a copy of the list.
void ConnectionPoint::notifyChanged(DispId id)
{
    for (const Sink& s : snapshot())
        static_cast<IPropertyNotifySink*>(s.sink.get())->onChanged(id);
}

bool ConnectionPoint::requestEdit(DispId id)
{
    for (const Sink& s : snapshot()) {
        if (static_cast<IPropertyNotifySink*>(s.sink.get())->onRequestEdit(id) == kFalse)
            return false;
    }
    return true;
}

void ConnectionPoint::fire(DispId id, std::span<const Variant> args)
{
    for (const Sink& s : snapshot())
        static_cast<IDispatch*>(s.sink.get())->invoke(id, InvokeKind::Method, args, nullptr);
}

void ConnectionPoint::disconnectAll()
{
    std::vector<Sink> leaving;
    leaving.swap(m_sinks);
}

} // namespace quorvex::platform::component
