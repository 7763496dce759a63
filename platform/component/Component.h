#pragma once

// Component services: reference-counted objects with interface queries,
// class factories, late-bound dispatch with variants, property-change and
// event connections, stream / property-bag / storage persistence, the
// standard picture, the classes-root registry and in-process servers loaded
// with dlopen.
//
// Container side (the launcher): create a control by ProgID from its saved
// stream, set properties by name, and listen to its events.
//
//     using namespace quorvex::platform::component;
//     Ref<AmbientSite> site = AmbientSite::create(/*userMode=*/true);
//     Created<IDispatch> shape =
//         createControl(kFormShapeProgId, formShapeLauncherDesignData(), site.get());
//     if (!shape)
//         showMessage(shape.error);              // names the ProgID
//     setProperty(shape.object.get(), "hWnd", Variant(int32_t(windowId)));
//     setPropertyByRef(shape.object.get(), "ShapePicture", Variant(pictureDispatch));
//
//     Ref<EventSink> sink = EventSink::create(kHotKeyEventsIid,
//         [](DispId event, std::span<const Variant>) { if (event == 2) onHotKeyUp(); });
//     uint32_t cookie = 0;
//     connectEvents(hotkey.object.get(), kHotKeyEventsIid, sink.get(), &cookie);
//
// Server side (a control library): implement the interfaces on one class,
// count it with ServerObjectCounter, hand out a ClassFactory from the four
// exported entry points, and register with a RegistryScript:
//
//     class Widget final : public IDispatch, public IPersistStreamInit {
//     public:
//         HResult queryInterface(const Guid& iid, void** out) override
//         { return answerQuery<IDispatch, IPersistStream, IPersistStreamInit>(this, iid, out); }
//         QUORVEX_IMPLEMENT_REFCOUNT
//         ...
//     private:
//         RefCount m_refs;
//         ServerObjectCounter m_counter;
//     };
//     QUORVEX_SERVER_EXPORT HResult DllGetClassObject(const Guid* clsid, const Guid* iid, void** out)
//     {
//         if (*clsid != kWidgetClsid) return kClassNotAvailable;
//         return ClassFactory::create([]() -> IUnknown* { return static_cast<IDispatch*>(new Widget); })
//             ->queryInterface(*iid, out);
//     }
//     QUORVEX_SERVER_EXPORT HResult DllCanUnloadNow() { return ServerModule::canUnloadNow(); }
//
// Property changes go to IPropertyNotifySink sinks and events to dispatch
// sinks through an embedded ConnectionPoint; the ambient user mode comes
// from ambientUserMode(site).
//
// Interfaces are plain C++ abstract classes with an identifier `kIid`;
// objects live on the thread that made them (reference counts are atomic,
// nothing else is locked).

#include "platform/component/Bitmap32.h"
#include "platform/component/ClassesRoot.h"
#include "platform/component/Connection.h"
#include "platform/component/Container.h"
#include "platform/component/Control.h"
#include "platform/component/DesignData.h"
#include "platform/component/Dispatch.h"
#include "platform/component/Extent.h"
#include "platform/component/Guid.h"
#include "platform/component/HResult.h"
#include "platform/component/MemoryPropertyBag.h"
#include "platform/component/MemoryStorage.h"
#include "platform/component/MemoryStream.h"
#include "platform/component/OleColor.h"
#include "platform/component/Persistence.h"
#include "platform/component/Picture.h"
#include "platform/component/RegistryScript.h"
#include "platform/component/Runtime.h"
#include "platform/component/Server.h"
#include "platform/component/StreamIo.h"
#include "platform/component/Unknown.h"
#include "platform/component/Variant.h"
