#pragma once

#include "platform/component/ClassesRoot.h"
#include "platform/component/Server.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex::platform::component {

// A loaded in-process server library.
class InprocServer {
public:
    // dlopen()s the library and finds its four entry points; null, with
    // `error` set, when the file cannot be loaded or lacks an entry point.
    static std::unique_ptr<InprocServer> load(const std::string& path, std::string* error = nullptr);
    ~InprocServer();
    InprocServer(const InprocServer&) = delete;
    InprocServer& operator=(const InprocServer&) = delete;

    HResult getClassObject(const Guid& clsid, const Guid& iid, void** out) const;
    HResult canUnloadNow() const;
    HResult registerServer() const;
    HResult unregisterServer() const;
    const std::string& path() const { return m_path; }

private:
    InprocServer() = default;

    std::string m_path;
    void* m_handle = nullptr;
    DllGetClassObjectFn m_getClassObject = nullptr;
    DllCanUnloadNowFn m_canUnloadNow = nullptr;
    DllRegisterServerFn m_register = nullptr;
    DllUnregisterServerFn m_unregister = nullptr;
};

// Reads "<progId>\\CLSID" from the classes root (LayeredClassesRoot).
std::optional<Guid> classIdFromProgId(std::string_view progId, std::string* error = nullptr);

// Creates an object of a class: the platform's built-in classes (the
// standard picture) directly, every other class through the library named
// by "CLSID\\{clsid}\\InprocServer32" in the classes root (LayeredClassesRoot), which is loaded
// once and kept until freeUnusedServers() finds it idle. kClassNotRegistered
// when the registry does not know the class; `error` gets a message.
HResult createInstance(const Guid& clsid, const Guid& iid, void** out, std::string* error = nullptr);

// Unloads every server library whose DllCanUnloadNow says it may go.
void freeUnusedServers();

} // namespace quorvex::platform::component
