#include "platform/component/Server.h"

#include <dlfcn.h>
#include <limits.h>
#include <new>
#include <stdlib.h>

namespace quorvex::platform::component {

std::string ServerModule::modulePath(const void* address)
{
    Dl_info info {};
    if (dladdr(address, &info) == 0 || !info.dli_fname)
        return {};
    char resolved[PATH_MAX];
    if (realpath(info.dli_fname, resolved))
        return resolved;
    return info.dli_fname;
}

Ref<ClassFactory> ClassFactory::create(CreateFn create)
{
    auto* factory = new (std::nothrow) ClassFactory(create);
    return Ref<ClassFactory>::adopt(factory);
}

HResult ClassFactory::queryInterface(const Guid& iid, void** out)
{
    return answerQuery<IClassFactory>(this, iid, out);
}

HResult ClassFactory::createInstance(IUnknown* outer, const Guid& iid, void** out)
{
    if (!out)
        return kPointer;
    *out = nullptr;
    if (outer)
        return kNoAggregation;
    IUnknown* object = m_create();
    if (!object)
        return kOutOfMemory;
    HResult hr = object->queryInterface(iid, out);
    object->release();
    return hr;
}

HResult ClassFactory::lockServer(bool lock)
{
    if (lock)
        ServerModule::lock();
    else
        ServerModule::unlock();
    return kOk;
}

} // namespace quorvex::platform::component
