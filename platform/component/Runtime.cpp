#include "platform/component/Runtime.h"

#include "platform/component/LayeredClassesRoot.h"
#include "platform/component/Picture.h"

#include <dlfcn.h>
#include <map>

namespace quorvex::platform::component {

IUnknown* createEmptyPicture(); // Picture.cpp

namespace {

void setError(std::string* error, std::string message)
{
    if (error)
        *error = std::move(message);
}

// Servers stay loaded while objects of theirs may live; freeUnusedServers
// asks each whether it may go. Everything runs on the window thread.
std::map<std::string, std::unique_ptr<InprocServer>>& loadedServers()
{
    static std::map<std::string, std::unique_ptr<InprocServer>> servers;
    return servers;
}

} // namespace

std::unique_ptr<InprocServer> InprocServer::load(const std::string& path, std::string* error)
{
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        setError(error, "cannot load " + path + ": " + (reason ? reason : "unknown error"));
        return nullptr;
    }
    std::unique_ptr<InprocServer> server(new InprocServer);
    server->m_path = path;
    server->m_handle = handle;
    server->m_getClassObject = reinterpret_cast<DllGetClassObjectFn>(dlsym(handle, "DllGetClassObject"));
    server->m_canUnloadNow = reinterpret_cast<DllCanUnloadNowFn>(dlsym(handle, "DllCanUnloadNow"));
    server->m_register = reinterpret_cast<DllRegisterServerFn>(dlsym(handle, "DllRegisterServer"));
    server->m_unregister = reinterpret_cast<DllUnregisterServerFn>(dlsym(handle, "DllUnregisterServer"));
    if (!server->m_getClassObject || !server->m_canUnloadNow || !server->m_register || !server->m_unregister) {
        setError(error, path + " is not a component server (an entry point is missing)");
        return nullptr;
    }
    return server;
}

InprocServer::~InprocServer()
{
    if (m_handle)
        dlclose(m_handle);
}

HResult InprocServer::getClassObject(const Guid& clsid, const Guid& iid, void** out) const
{
    if (!out)
        return kPointer;
    *out = nullptr;
    return m_getClassObject(&clsid, &iid, out);
}

HResult InprocServer::canUnloadNow() const
{
    return m_canUnloadNow();
}

HResult InprocServer::registerServer() const
{
    return m_register();
}

HResult InprocServer::unregisterServer() const
{
    return m_unregister();
}

std::optional<Guid> classIdFromProgId(std::string_view progId, std::string* error)
{
    ClassesRoot root;
    std::string message;
    if (!LayeredClassesRoot::load(root, &message)) {
        setError(error, message);
        return std::nullopt;
    }
    std::optional<std::string> text = root.value(std::string(progId) + "\\CLSID");
    if (!text) {
        setError(error, std::string(progId) + " is not registered");
        return std::nullopt;
    }
    std::optional<Guid> clsid = Guid::parse(*text);
    if (!clsid)
        setError(error, std::string(progId) + " has a malformed class identifier \"" + *text + "\"");
    return clsid;
}

HResult createInstance(const Guid& clsid, const Guid& iid, void** out, std::string* error)
{
    if (!out)
        return kPointer;
    *out = nullptr;
    if (clsid == kStdPictureClsid || clsid == kEarlierPictureClsid) {
        IUnknown* picture = createEmptyPicture();
        if (!picture)
            return kOutOfMemory;
        HResult hr = picture->queryInterface(iid, out);
        picture->release();
        return hr;
    }

    ClassesRoot root;
    std::string message;
    if (!LayeredClassesRoot::load(root, &message)) {
        setError(error, message);
        return kClassNotRegistered;
    }
    std::optional<std::string> path = root.value("CLSID\\" + clsid.toString() + "\\InprocServer32");
    if (!path || path->empty()) {
        setError(error, "class " + clsid.toString() + " is not registered");
        return kClassNotRegistered;
    }

    auto& servers = loadedServers();
    auto found = servers.find(*path);
    if (found == servers.end()) {
        std::unique_ptr<InprocServer> server = InprocServer::load(*path, &message);
        if (!server) {
            setError(error, message);
            return kNotLoaded;
        }
        found = servers.emplace(*path, std::move(server)).first;
    }

    Ref<IClassFactory> factory;
    HResult hr = found->second->getClassObject(clsid, IClassFactory::kIid, factory.putVoid());
    if (failed(hr) || !factory) {
        setError(error, *path + " does not serve class " + clsid.toString());
        return failed(hr) ? hr : kClassNotAvailable;
    }
    hr = factory->createInstance(nullptr, iid, out);
    if (failed(hr))
        setError(error, "class " + clsid.toString() + " could not be created");
    return hr;
}

void freeUnusedServers()
{
    auto& servers = loadedServers();
    for (auto it = servers.begin(); it != servers.end();) {
        if (it->second->canUnloadNow() == kOk)
            it = servers.erase(it);
        else
            ++it;
    }
}

} // namespace quorvex::platform::component
