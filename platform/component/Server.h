#pragma once

#include "platform/component/Unknown.h"

#include <atomic>
#include <string>

namespace quorvex::platform::component {

// Makes objects of one class.
class IClassFactory : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{8A4BFFFF-781F-4CA8-AD42-70C37166D9E1}");

    // `outer` must be null (no aggregation: kNoAggregation).
    virtual HResult createInstance(IUnknown* outer, const Guid& iid, void** out) = 0;
    virtual HResult lockServer(bool lock) = 0;
};

// The four entry points of an in-process server, exported with C linkage:
//     DllGetClassObject(clsid, iid, out)  the factory of a class it serves
//     DllCanUnloadNow()                   kOk when no object or lock lives
//     DllRegisterServer()                 writes its classes-root entries
//     DllUnregisterServer()               removes them
using DllGetClassObjectFn = HResult (*)(const Guid* clsid, const Guid* iid, void** out);
using DllCanUnloadNowFn = HResult (*)();
using DllRegisterServerFn = HResult (*)();
using DllUnregisterServerFn = HResult (*)();

#define QUORVEX_SERVER_EXPORT extern "C" __attribute__((visibility("default")))

// Module-wide counts of live objects and server locks, one set per server
// library (each library links its own copy of this code).
class ServerModule {
public:
    static void objectCreated() { s_objects.fetch_add(1, std::memory_order_relaxed); }
    static void objectDestroyed() { s_objects.fetch_sub(1, std::memory_order_relaxed); }
    static void lock() { s_locks.fetch_add(1, std::memory_order_relaxed); }
    static void unlock() { s_locks.fetch_sub(1, std::memory_order_relaxed); }
    static long objectCount() { return s_objects.load(); }
    static long lockCount() { return s_locks.load(); }
    // What DllCanUnloadNow returns: kOk (may unload) or kFalse.
    static HResult canUnloadNow() { return objectCount() == 0 && lockCount() == 0 ? kOk : kFalse; }

    // The full path of the shared library (or program) holding `address`.
    static std::string modulePath(const void* address);

private:
    static inline std::atomic<long> s_objects { 0 };
    static inline std::atomic<long> s_locks { 0 };
};

// Counts a live object for its module while it exists: make it a member (or
// base) of every class a server hands out.
class ServerObjectCounter {
public:
    ServerObjectCounter() { ServerModule::objectCreated(); }
    ServerObjectCounter(const ServerObjectCounter&) { ServerModule::objectCreated(); }
    ~ServerObjectCounter() { ServerModule::objectDestroyed(); }
};

// A class factory whose `create` function returns a new object (holding one
// reference) as an IUnknown, or null when out of memory.
class ClassFactory final : public IClassFactory {
public:
    using CreateFn = IUnknown* (*)();
    static Ref<ClassFactory> create(CreateFn create);

    HResult queryInterface(const Guid& iid, void** out) override;
    QUORVEX_IMPLEMENT_REFCOUNT
    HResult createInstance(IUnknown* outer, const Guid& iid, void** out) override;
    HResult lockServer(bool lock) override;

private:
    explicit ClassFactory(CreateFn create) : m_create(create) { }
    ~ClassFactory() = default;

    RefCount m_refs;
    CreateFn m_create;
};

} // namespace quorvex::platform::component
