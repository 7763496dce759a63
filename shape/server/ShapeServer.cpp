// The entry points of libshape.so, the in-process server of FormShape.

#include "platform/component/ClassesRoot.h"
#include "platform/component/RegistryScript.h"
#include "platform/component/Server.h"
#include "platform/windowregion/QtWindowRegionSystem.h"
#include "shape/control/FormShape.h"
#include "shape/server/ServerResources.h"

#include <cstring>

#ifdef QUORVEX_HAVE_METAFILE_RENDERER
#include "platform/metafile/QtMetafileRenderer.h"
#endif

using namespace quorvex::platform::component;
using quorvex::shape::FormShape;
using quorvex::shape::kFormShapeClsid;

namespace {

// The services every FormShape made by this library works with.
quorvex::platform::WindowRegionSystem& windowRegions()
{
    static quorvex::platform::QtWindowRegionSystem system;
    return system;
}

const quorvex::platform::MetafileRenderer* metafileRenderer()
{
#ifdef QUORVEX_HAVE_METAFILE_RENDERER
    static quorvex::platform::QtMetafileRenderer renderer;
    return &renderer;
#else
    return nullptr;
#endif
}

IUnknown* createFormShape()
{
    return FormShape::create(windowRegions(), metafileRenderer());
}

std::string thisModule()
{
    return ServerModule::modulePath(reinterpret_cast<const void*>(&createFormShape));
}

bool parseScripts(RegistryScript& classes, RegistryScript& typeLibrary)
{
    return classes.parse(quorvex::shape::shapeRegistryScript())
        && typeLibrary.parse(quorvex::shape::shapeTypeLibraryScript());
}

} // namespace

QUORVEX_SERVER_EXPORT HResult DllGetClassObject(const Guid* clsid, const Guid* iid, void** out)
{
    if (!clsid || !iid || !out)
        return kPointer;
    *out = nullptr;
    if (*clsid != kFormShapeClsid)
        return kClassNotAvailable;
    Ref<ClassFactory> factory = ClassFactory::create(&createFormShape);
    if (!factory)
        return kOutOfMemory;
    return factory->queryInterface(*iid, out);
}

QUORVEX_SERVER_EXPORT HResult DllCanUnloadNow()
{
    return ServerModule::canUnloadNow();
}

QUORVEX_SERVER_EXPORT HResult DllRegisterServer()
{
    RegistryScript classes;
    RegistryScript typeLibrary;
    std::string module = thisModule();
    if (module.empty() || !parseScripts(classes, typeLibrary))
        return kFail;
    ClassesRoot root(ClassesRoot::defaultPath());
    const bool saved = root.update([&](ClassesRoot& keys) {
        classes.apply(keys, module);
        typeLibrary.apply(keys, module);
    });
    return saved ? kOk : kFail;
}

// Always reports success: whatever could not be removed is no longer reachable
// through this library anyway.
QUORVEX_SERVER_EXPORT HResult DllUnregisterServer()
{
    RegistryScript classes;
    RegistryScript typeLibrary;
    if (!parseScripts(classes, typeLibrary))
        return kOk;
    ClassesRoot root(ClassesRoot::defaultPath());
    root.update([&](ClassesRoot& keys) {
        classes.remove(keys);
        typeLibrary.remove(keys);
    });
    return kOk;
}

// Resources by type and number; false when the library has no such resource.
QUORVEX_SERVER_EXPORT bool QuorvexGetResource(const char* type, int id, const uint8_t** data, size_t* size)
{
    if (!type || !data || !size)
        return false;
    std::span<const uint8_t> found = quorvex::shape::findServerResource(type, id);
    *data = found.data();
    *size = found.size();
    return !found.empty();
}
