// The entry points of libhotkey.so.
#include "hotkey/HotKeyClasses.h"
#include "hotkey/server/HotKeyControl.h"
#include "hotkey/server/HotKeyRegistration.h"
#include "platform/component/Server.h"

#include <cstdio>

using namespace quorvex::platform::component;
using quorvex::hotkey::HotKeyControl;

QUORVEX_SERVER_EXPORT HResult DllGetClassObject(const Guid* clsid, const Guid* iid, void** out)
{
    if (!clsid || !iid || !out)
        return kPointer;
    *out = nullptr;
    ClassFactory::CreateFn create = nullptr;
    if (*clsid == quorvex::hotkey::kHotKeyCoReceiverClsid)
        create = &HotKeyControl::createCoReceiver;
    else if (*clsid == quorvex::hotkey::kHotKeyReciverClsid)
        create = &HotKeyControl::createReciver;
    if (!create)
        return kClassNotAvailable;
    return ClassFactory::create(create)->queryInterface(*iid, out);
}

QUORVEX_SERVER_EXPORT HResult DllCanUnloadNow()
{
    return ServerModule::canUnloadNow();
}

QUORVEX_SERVER_EXPORT HResult DllRegisterServer()
{
    std::string error;
    const std::string path = ServerModule::modulePath(reinterpret_cast<const void*>(&DllRegisterServer));
    if (!quorvex::hotkey::registerHotKeyServer(path, &error)) {
        std::fprintf(stderr, "hotkey: registration failed: %s\n", error.c_str());
        return kFail;
    }
    return kOk;
}

QUORVEX_SERVER_EXPORT HResult DllUnregisterServer()
{
    std::string error;
    if (!quorvex::hotkey::unregisterHotKeyServer(&error))
        std::fprintf(stderr, "hotkey: unregistration failed: %s\n", error.c_str());
    return kOk;
}
